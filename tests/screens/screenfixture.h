#pragma once
// The game's windows on a fresh program folder, offscreen, with a clock the test
// moves and a maze generated from a fixed seed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

#include "game/generator.h"
#include "screens/endscreen.h"
#include "screens/gamescreen.h"
#include "screens/mapwindow.h"
#include "screens/session.h"
#include "support/modal.h"
#include "support/testapp.h"
#include "support/testfolder.h"
#include "widgets/dialogs.h"

namespace quorvel::test {

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

    void SetUp() override {
        dialogSwitch = true; // the program's own dialog, as once the opening screen exists
        session.clock = &clock;
        session.playerName = "Tester";
        form = std::make_unique<GameScreen>(session);
        map = std::make_unique<MapWindow>();
        end = std::make_unique<EndScreen>(session);
        form->setWindows(&opening, map.get(), end.get());
    }
    void TearDown() override {
        if (form->isVisible()) {
            form->game().state().gameOver = true;
            form->close();
        }
        map->hide();
    }

    Maze& maze() { return form->game().maze(); }
    GameState& state() { return form->game().state(); }

    /// Generates a level's maze from a seed and opens the game screen on it.
    void newGame(int level, std::uint32_t seed) {
        Random rng(seed);
        generateAccepted(maze(), rng, level);
        state().newGame = true;
        map->setupMap(form.get(), maze(), session.playerName);
        form->show();
        map->show();
    }
};

} // namespace quorvel::test
