#pragma once
// The game's windows on a fresh program folder, offscreen, with a clock the test
// moves and a maze generated from a fixed seed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "game/generator.h"
#include "play/gamesession.h"
#include "play/session.h"
#include "screens/endscreen.h"
#include "screens/gamescreen.h"
#include "screens/gamewiring.h"
#include "screens/mapwindow.h"
#include "support/modal.h"
#include "support/shortestway.h"
#include "support/testapp.h"
#include "support/testfolder.h"
#include "widgets/dialogs.h"

namespace quorvel::test {

// A button of the map window by its name.
inline QToolButton* button(MapWindow& map, const char* name) {
    return map.findChild<QToolButton*>(name);
}

// Turns with the arrow keys until the player faces `cell`, then walks into it.
inline void walkInto(GameScreen& form, std::pair<int, int> cell) {
    Maze& m = form.game().maze();
    for (int turns = 0; turns < 4; ++turns) {
        const Step a = aheadStep(m.facing);
        if (m.posRow + a.dr == cell.first && m.posCol + a.dc == cell.second) break;
        QTest::keyRelease(&form, Qt::Key_Right);
    }
    QTest::keyRelease(&form, Qt::Key_Up);
}

class ScreenTest : public ::testing::Test {
  protected:
    QApplication* app = ensureApp();
    TestFolder folder;
    ManualClock clock{46000.5};
    Session session;
    QWidget opening;
    std::unique_ptr<GameScreen> form;
    std::unique_ptr<MapWindow> map;
    std::unique_ptr<EndScreen> end;
    std::unique_ptr<GameSession> play; ///< what the game leaves on disk

    void SetUp() override {
        dialogSwitch = true; // the program's own dialog, as once the opening screen exists
        session.clock = &clock;
        session.playerName = "Tester";
        form = std::make_unique<GameScreen>(session);
        map = std::make_unique<MapWindow>();
        end = std::make_unique<EndScreen>(session);
        form->setWindows(&opening, map.get(), end.get());
        play = std::make_unique<GameSession>(session, form->game(), map->overheadMap());
        connectGame(*play, *form, *map);
    }
    void TearDown() override {
        if (form->isVisible()) closeGame();
        map->hide();
    }

    Maze& maze() { return form->game().maze(); }
    GameState& state() { return form->game().state(); }
    /// Ends the game as over and closes its screen, asking nothing.
    void closeGame() {
        state().gameOver = true;
        form->close();
    }
    /// Turns right until the player faces an open cell.
    void faceOpenCell() {
        for (int i = 0; i < 4 && isWall(maze().ahead()); ++i)
            QTest::keyRelease(form.get(), Qt::Key_Right);
        ASSERT_FALSE(isWall(maze().ahead()));
    }

    /// A new game of the maze level-seed, made as Enter makes it (its run recorded), and
    /// the game screen open on it.
    void newGame(int level, std::uint32_t seed) {
        form->game().newMaze(level, seed);
        map->setupMap(form.get(), maze(), session.playerName);
        form->show();
        map->show();
    }
};

} // namespace quorvel::test
