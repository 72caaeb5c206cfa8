// The game screen through its real widgets: layout, keys, clock, quitting, and whole
// games played with key presses.

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <queue>

#include "dialogs.h"
#include "inifile.h"
#include "messagepanel.h"
#include "progfolder.h"
#include "screenfixture.h"

namespace quorvel::test {
namespace {

TEST_F(ScreenTest, ControlsStandWhereTheGameScreenPutsThem) {
    EXPECT_EQ(form->size(), QSize(632, 453));
    EXPECT_EQ(form->windowTitle(), "Quorvel 3-D.");
    const struct {
        QWidget* w;
        QRect r;
    } places[] = {
        {form->mazeimage2, {5, 5, 240, 240}},    {form->Panel3, {5, 247, 240, 22}},
        {form->LeftSpace, {198, 4, 16, 16}},     {form->RightSpace, {218, 4, 16, 16}},
        {form->imcompass, {161, 285, 72, 148}},  {form->btnmove, {57, 277, 33, 25}},
        {form->btnturnleft, {25, 309, 29, 25}},  {form->btnuse, {61, 309, 25, 25}},
        {form->btnturnright, {93, 309, 29, 25}}, {form->btnturnback, {57, 341, 33, 25}},
        {form->btnsounds, {25, 385, 33, 25}},    {form->btnmusic, {89, 385, 33, 25}},
        {form->btnquit, {28, 421, 91, 25}},      {form->Panel5, {253, 110, 157, 340}},
        {form->Panel6, {408, 110, 220, 88}},     {form->Panel1, {253, 5, 375, 107}},
        {form->imcomp, {12, 15, 37, 36}},        {form->imdetector, {12, 55, 37, 36}},
        {form->imbeacon, {12, 95, 37, 36}},      {form->imgps, {12, 135, 37, 36}},
        {form->imtrack, {12, 175, 37, 36}},
    };
    for (const auto& p : places)
        EXPECT_EQ(p.w->geometry(), p.r) << p.w->objectName().toStdString();
    EXPECT_EQ(form->btnquit->text(), "&Quit Maze...");
    EXPECT_EQ(form->lblElapsed->text(), "0 days, 00:00:00");
    EXPECT_EQ(form->lblElapsed->pos(), QPoint(117, 26));
    EXPECT_EQ(form->lblstepcounter->pos(), QPoint(119, 63));
    EXPECT_EQ(form->lblstepcounter->toolTip(), "Current number of steps taken in maze.");
    EXPECT_EQ(form->lblfood->pos(), QPoint(103, 24));
    EXPECT_EQ(form->lblstone->pos(), QPoint(103, 64));
    EXPECT_EQ(form->lblbatcount->pos(), QPoint(103, 104));
    EXPECT_FALSE(form->btnuse->isEnabled());
    EXPECT_FALSE(form->GameTimer->isActive());
    EXPECT_EQ(form->GameTimer->interval(), 1000);
    EXPECT_EQ(form->RunTimer->interval(), 200);
}

TEST_F(ScreenTest, ANewGameShowsFullCountersTheStartMessageAndTheView) {
    newgame(1, 1234);
    EXPECT_FALSE(opening.isVisible());
    EXPECT_EQ(form->lblfood->text(), "100");
    EXPECT_EQ(form->lblbatcount->text(), "100%");
    EXPECT_EQ(form->lblstone->text(), "0");
    EXPECT_EQ(form->lblstepcounter->text(), "0");
    EXPECT_EQ(form->lblname->text(), "Tester");
    EXPECT_TRUE(form->GameTimer->isActive());
    EXPECT_FALSE(form->imcompass->isVisible());
    EXPECT_FALSE(form->messagepanel().messageline(1).isEmpty()); // the start message
    EXPECT_FALSE(form->mazeimage2->pixmap().isNull());
    EXPECT_EQ(form->mazeimage2->pixmap().size(), QSize(240, 240));
}

TEST_F(ScreenTest, ArrowsActOnReleaseAndLettersOnPressInEitherCase) {
    newgame(1, 1234);
    const int facing = maze().facing;
    QTest::keyPress(form.get(), Qt::Key_Right);
    EXPECT_EQ(maze().facing, facing);
    QTest::keyRelease(form.get(), Qt::Key_Right);
    EXPECT_EQ(maze().facing, turnright(facing));
    QTest::keyRelease(form.get(), Qt::Key_Left);
    EXPECT_EQ(maze().facing, facing);

    // Face an open cell, then step forward and back.
    for (int i = 0; i < 4 && iswall(maze().ahead()); ++i)
        QTest::keyRelease(form.get(), Qt::Key_Right);
    const int row = maze().posrow, col = maze().poscol;
    QTest::keyRelease(form.get(), Qt::Key_Up);
    EXPECT_NE(std::pair(maze().posrow, maze().poscol), std::pair(row, col));
    EXPECT_EQ(form->lblstepcounter->text(), "1");
    QTest::keyRelease(form.get(), Qt::Key_Down);
    EXPECT_EQ(std::pair(maze().posrow, maze().poscol), std::pair(row, col));
    EXPECT_EQ(form->lblfood->text(), "98");

    QTest::keyClick(form.get(), 's');
    EXPECT_EQ(form->lblsounds->text(), "OFF");
    EXPECT_TRUE(session.sound->nosound);
    QTest::keyClick(form.get(), 'S');
    EXPECT_EQ(form->lblsounds->text(), "ON");
    QTest::keyClick(form.get(), 'm');
    EXPECT_EQ(form->lblmusic->text(), "OFF");
    EXPECT_TRUE(session.sound->nomusic);
    QTest::keyClick(form.get(), 'M');
    EXPECT_FALSE(session.sound->nomusic);

    // The fun keys speak only in themes that give them words; they change nothing else.
    const int food = state().foodlevel, steps = state().stepcount;
    const QString line = form->messagepanel().messageline(1);
    for (const char key : {'y', 'L', 'c', 'J', 'd'})
        QTest::keyClick(form.get(), key);
    EXPECT_EQ(form->messagepanel().messageline(1), line);
    EXPECT_EQ(state().foodlevel, food);
    EXPECT_EQ(state().stepcount, steps);
    session.catalogue.setvariants(30, {"<player> yells!"});
    QTest::keyClick(form.get(), 'Y');
    EXPECT_EQ(form->messagepanel().messageline(1), "  Tester yells!");
}

TEST_F(ScreenTest, UUsesTheBatteryUnderfootAndSlashShowsTheStory) {
    newgame(1, 1234);
    int stories = 0;
    form->showstory = [&stories] { ++stories; };
    QTest::keyClick(form.get(), '/');
    QTest::keyClick(form.get(), '?');
    EXPECT_EQ(stories, 2);

    // A battery box under the player, the light half gone.
    maze().set(maze().posrow, maze().poscol, cellbattery);
    state().batterylevel = 50;
    form->game().checkcell();
    EXPECT_TRUE(form->btnuse->isEnabled());
    EXPECT_EQ(form->btnuse->toolTip().toStdString(), "Use batteries");
    QTest::keyClick(form.get(), 'u');
    EXPECT_EQ(state().batterylevel, 100);
    EXPECT_EQ(form->lblbatcount->text().toStdString(), "100%");
    EXPECT_FALSE(form->btnuse->isEnabled());
    EXPECT_EQ(maze().here(), cellopenedbox);
}

TEST_F(ScreenTest, RunningStartsOnRAndStopsAtAWall) {
    newgame(1, 1234);
    for (int i = 0; i < 4 && iswall(maze().ahead()); ++i)
        QTest::keyRelease(form.get(), Qt::Key_Right);
    QTest::keyClick(form.get(), 'r');
    EXPECT_TRUE(form->RunTimer->isActive());
    for (int i = 0; i < 200 && form->RunTimer->isActive(); ++i)
        form->game().RunTimerTimer();
    EXPECT_FALSE(form->RunTimer->isActive());
    EXPECT_TRUE(iswall(maze().ahead()));
}

TEST_F(ScreenTest, TheClockCountsDaysAndStopsAtTheCap) {
    newgame(1, 1234);
    EXPECT_EQ(form->lblElapsed->text(), "0 days, 00:00:00");
    clock.advance(1.0 + 65.0 / 86400);
    form->game().GameTimerTimer();
    EXPECT_EQ(form->lblElapsed->text(), "1 day, 00:01:05");
    clock.advance(1.0);
    form->game().GameTimerTimer();
    EXPECT_EQ(form->lblElapsed->text(), "2 days, 00:01:05");
    clock.advance(100.0);
    form->game().GameTimerTimer();
    EXPECT_EQ(form->lblElapsed->text(), "99 days, 23:59:59");
    EXPECT_FALSE(form->GameTimer->isActive());
}

TEST_F(ScreenTest, TheQuitQuestionKeepsPlayingOnNoAndOffersToSaveOnYes) {
    newgame(1, 1234);
    whenmodal([](QWidget* box) { QTest::keyClick(box, 'n'); });
    form->btnquit->click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->GameTimer->isActive());

    bool offered = false;
    whenmodal([&](QWidget* box) {
        QTest::keyClick(box, 'y');
        whenmodal([&](QWidget* save) {
            offered = save->windowTitle() == "Save?";
            end->btnNo->click();
        });
    });
    form->btnquit->click();
    EXPECT_TRUE(offered);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(opening.isVisible());
    EXPECT_FALSE(form->GameTimer->isActive());
    EXPECT_FALSE(map->isVisible());
}

// The cells from the start to the exit, found over walkable cells.
std::vector<std::pair<int, int>> pathtoexit(const Maze& m) {
    std::vector<int> from(gridcells, -1);
    std::queue<int> todo;
    const int start = m.posrow * gridsize + m.poscol;
    from[start] = start;
    todo.push(start);
    int exit = -1;
    while (!todo.empty()) {
        const int at = todo.front();
        todo.pop();
        if (m.grid[at] == cellexit) {
            exit = at;
            break;
        }
        for (int f = 1; f <= 4; ++f) {
            const Step s = aheadstep(f);
            const int r = at / gridsize + s.dr, c = at % gridsize + s.dc;
            if (!Maze::inside(r, c) || iswall(m.at(r, c)) || from[r * gridsize + c] >= 0) continue;
            from[r * gridsize + c] = at;
            todo.push(r * gridsize + c);
        }
    }
    std::vector<std::pair<int, int>> path;
    for (int at = exit; at != start; at = from[at])
        path.insert(path.begin(), {at / gridsize, at % gridsize});
    return path;
}

// Turns with the arrow keys until the player faces `cell`, then walks into it.
void walkinto(Tform2& form, std::pair<int, int> cell) {
    Maze& m = form.game().maze();
    for (int turns = 0; turns < 4; ++turns) {
        const Step a = aheadstep(m.facing);
        if (m.posrow + a.dr == cell.first && m.poscol + a.dc == cell.second) break;
        QTest::keyRelease(&form, Qt::Key_Right);
    }
    QTest::keyRelease(&form, Qt::Key_Up);
}

TEST_F(ScreenTest, AWholeGameWalkedWithKeysEndsOnTheWinnerScreen) {
    newgame(1, 1234);
    const auto path = pathtoexit(maze());
    ASSERT_FALSE(path.empty());
    QString caption;
    whenmodal([&](QWidget* screen) {
        caption = screen->windowTitle();
        end->btnClose->click();
    });
    for (const auto& cell : path) {
        if (!form->isVisible()) break;
        walkinto(*form, cell);
    }
    EXPECT_EQ(caption.toStdString(),
              "Winner! (New Best Time)"); // the fresh table holds only Friend
    EXPECT_TRUE(state().gameover);
    const BestTime best = session.besttimes.besttimes().entry(1, 1);
    EXPECT_EQ(best.name, "Tester");
    EXPECT_EQ(best.steps, static_cast<int>(path.size()));
    EXPECT_EQ(best.start[cellfood], 9u);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(BestTimesFile::path())));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(opening.isVisible());
    EXPECT_EQ(maze().here(), cellexit);
    EXPECT_EQ(state().stepcount, static_cast<int>(path.size()));
}

TEST_F(ScreenTest, AGameLostForFoodEndsOnTheLoserScreen) {
    newgame(1, 1234);
    state().foodlevel = 1;
    QString caption;
    bool statsshown = true, closeshown = false;
    whenmodal([&](QWidget* screen) {
        caption = screen->windowTitle();
        statsshown = end->btnStats->isVisible();
        closeshown = end->btnClose->isVisible();
        end->btnClose->click();
    });
    for (int i = 0; i < 4 && iswall(maze().ahead()); ++i)
        QTest::keyRelease(form.get(), Qt::Key_Right);
    QTest::keyRelease(form.get(), Qt::Key_Up);
    EXPECT_EQ(caption.toStdString(), "You Lose");
    EXPECT_FALSE(statsshown);
    EXPECT_TRUE(closeshown);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(end->btnClose->isVisible()); // the buttons are hidden again
    // Nothing moves once the screen has closed, not even a run tick.
    const int row = maze().posrow, col = maze().poscol;
    form->game().RunTimerTimer();
    QTest::keyRelease(form.get(), Qt::Key_Up);
    EXPECT_EQ(std::pair(maze().posrow, maze().poscol), std::pair(row, col));
}

TEST_F(ScreenTest, TheWindowPositionIsKeptPerPlayerAndMazeSize) {
    newgame(2, 77);
    form->move(123, 45);
    state().gameover = true;
    form->close();
    const IniFile ini = IniFile::load(settingspath());
    EXPECT_EQ(ini.readinteger("Tester.Settings", "Left40", -1), 123);
    EXPECT_EQ(ini.readinteger("Tester.Settings", "Top40", -1), 45);
    EXPECT_FALSE(ini.haskey("Tester.Settings", "Left20"));
}

} // namespace
} // namespace quorvel::test
