#pragma once
// The game's windows on a fresh program folder, offscreen, with a clock the test
// moves and a maze generated from a fixed seed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

#include "dialogs.h"
#include "generator.h"
#include "modal.h"
#include "session.h"
#include "testapp.h"
#include "testfolder.h"
#include "tfmap.h"
#include "tfmwinner.h"
#include "tform2.h"

namespace quorvel::test {

class ScreenTest : public ::testing::Test {
  protected:
    QApplication* app = ensureapp();
    TestFolder folder;
    ManualClock clock{46000.5};
    Session session;
    QWidget opening;
    std::unique_ptr<Tform2> form;
    std::unique_ptr<TfMap> map;
    std::unique_ptr<Tfmwinner> end;

    void SetUp() override {
        dialogswitch = true; // the program's own dialog, as once the opening screen exists
        session.clock = &clock;
        session.playername = "Tester";
        form = std::make_unique<Tform2>(session);
        map = std::make_unique<TfMap>();
        end = std::make_unique<Tfmwinner>(session);
        form->setwindows(&opening, map.get(), end.get());
    }
    void TearDown() override {
        if (form->isVisible()) {
            form->game().state().gameover = true;
            form->close();
        }
        map->hide();
    }

    Maze& maze() { return form->game().maze(); }
    GameState& state() { return form->game().state(); }

    /// Generates a level's maze from a seed and opens the game screen on it.
    void newgame(int level, std::uint32_t seed) {
        Random rng(seed);
        generateaccepted(maze(), rng, level);
        state().newgame = true;
        map->setupmap(form.get(), &maze(), session.playername, maze().compassturn, maze().mazesize);
        form->show();
        map->show();
    }
};

} // namespace quorvel::test
