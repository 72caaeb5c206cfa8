// Playing with a gamepad: SDL's virtual controllers, plugged in and pulled out while
// the real game screen runs offscreen, their buttons and stick read by the program's
// Gamepad as a player's pad would be.

#include <SDL.h>

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <cstdlib>
#include <functional>

#include "files/inifile.h"
#include "files/programfolder.h"
#include "gamescreenparts.h"
#include "screenfixture.h"
#include "screens/gamepad.h"
#include "screens/openingscreen.h"

namespace quorvel::test {
namespace {

// SDL without the machine's devices: no udev, no raw HID; only the test's pads.
void quietSdl() {
    ::setenv("SDL_JOYSTICK_DISABLE_UDEV", "1", 1);
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
}

// A virtual controller with the standard buttons and axes, so SDL takes it for a
// game controller. Pressing waits for nothing: the test reads the pad when it wants.
class VirtualPad {
  public:
    VirtualPad() { attach(); }
    ~VirtualPad() { detach(); }

    void attach() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
        desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        desc.name = "Test pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(index, 0) << SDL_GetError();
        m_joystick = SDL_JoystickOpen(index);
        ASSERT_NE(m_joystick, nullptr) << SDL_GetError();
    }
    void detach() {
        if (!m_joystick) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(m_joystick);
        SDL_JoystickClose(m_joystick);
        m_joystick = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
    void set(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(m_joystick, button, down ? 1 : 0);
    }
    void stick(int x, int y) {
        SDL_JoystickSetVirtualAxis(m_joystick, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(m_joystick, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    }

  private:
    SDL_Joystick* m_joystick = nullptr;
};

// Closes a modal window the pad failed to close, so a broken pad fails the test
// instead of leaving it waiting for ever.
class ModalRescue {
  public:
    bool rescued = false;
    ModalRescue() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog != m_seen) {
                m_seen = dialog;
                m_since.start();
            } else if (m_since.elapsed() > 3000) {
                rescued = true;
                dialog->reject();
            }
        });
        m_timer.start(100);
    }

  private:
    QTimer m_timer;
    QPointer<QDialog> m_seen;
    QElapsedTimer m_since;
};

class ControllerTest : public ScreenTest {
  protected:
    std::unique_ptr<Gamepad> gamepad;
    std::unique_ptr<VirtualPad> pad;
    ModalRescue rescue;

    void SetUp() override {
        ScreenTest::SetUp();
        quietSdl();
    }
    void TearDown() override {
        EXPECT_FALSE(rescue.rescued) << "a window the pad should have closed stayed open";
        pad.reset();
        gamepad.reset();
        ScreenTest::TearDown();
    }

    // The program's pad reader, then one controller plugged in.
    void plugIn() {
        if (!gamepad) gamepad = std::make_unique<Gamepad>();
        ASSERT_TRUE(gamepad->available());
        const int before = gamepad->controllerCount();
        pad = std::make_unique<VirtualPad>();
        ASSERT_TRUE(QTest::qWaitFor([&] { return gamepad->controllerCount() == before + 1; }));
    }
    void startGame() {
        newGame(1, 1234);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() != nullptr; }));
    }
    // A game, then a controller plugged in to play it.
    void startGameWithPad() {
        startGame();
        plugIn();
    }
    // What the program does with the pad as it is now, and with the keys that gives.
    void settle() {
        gamepad->poll();
        for (int i = 0; i < 8; ++i)
            QCoreApplication::processEvents();
    }
    // The stick pushed to (x, y), and what the program does with it.
    void stick(int x, int y) {
        pad->stick(x, y);
        settle();
    }
    void press(SDL_GameControllerButton button) {
        pad->set(button, true);
        settle();
    }
    void release(SDL_GameControllerButton button) {
        pad->set(button, false);
        settle();
    }
    void tap(SDL_GameControllerButton button) {
        press(button);
        release(button);
    }
    // A tap from inside a modal window's own loop, once the window has the keys; the
    // keys follow from that loop.
    void tapInModal(SDL_GameControllerButton button) {
        (void)QTest::qWaitFor(
            [] { return QApplication::activeWindow() == QApplication::activeModalWidget(); });
        pad->set(button, true);
        gamepad->poll();
        pad->set(button, false);
        gamepad->poll();
    }
    // A press as a player makes it, read by the pad's own timer: held until the game
    // shows it, then let go for long enough that the pad reads that too.
    void holdUntil(SDL_GameControllerButton button, const std::function<bool()>& shown) {
        pad->set(button, true);
        EXPECT_TRUE(QTest::qWaitFor(shown, 2000)) << SDL_GameControllerGetStringForButton(button);
        pad->set(button, false);
        QTest::qWait(4 * Gamepad::pollInterval);
    }
    std::pair<int, int> place() { return {maze().posRow, maze().posCol}; }
};

TEST_F(ControllerTest, APressStepsOnceAndAHeldDirectionDoesNotRepeat) {
    startGameWithPad();
    faceOpenCell();
    const auto start = place();

    press(SDL_CONTROLLER_BUTTON_DPAD_UP);
    EXPECT_NE(place(), start);
    EXPECT_EQ(state().stepCount, 1);
    QTest::qWait(10 * Gamepad::pollInterval); // held: the timer keeps reading the pad
    settle();
    EXPECT_EQ(state().stepCount, 1);
    release(SDL_CONTROLLER_BUTTON_DPAD_UP);
    EXPECT_EQ(state().stepCount, 1);

    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN); // one step back, where the walk began
    EXPECT_EQ(place(), start);
    EXPECT_EQ(state().stepCount, 2);

    const int facing = maze().facing;
    tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_EQ(maze().facing, rightOf(facing));
    tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(maze().facing, facing);
}

TEST_F(ControllerTest, TheStickStepsOnceAndAgainOnlyAfterComingBackToTheCentre) {
    startGameWithPad();
    const int facing = maze().facing;

    stick(30000, 0); // right: one turn
    EXPECT_EQ(maze().facing, rightOf(facing));
    stick(15000, 0); // eased off, but not back in the centre
    stick(32767, 0);
    EXPECT_EQ(maze().facing, rightOf(facing));
    stick(0, 32767); // swung round to down without the centre: still nothing
    EXPECT_EQ(maze().facing, rightOf(facing));
    stick(5000, 5000); // the centre
    stick(-32768, 0);
    EXPECT_EQ(maze().facing, facing);

    // A small wobble around the centre never counts.
    stick(0, 0);
    const int steps = state().stepCount;
    for (const int y : {-12000, 3000, -19000, 0})
        stick(0, y);
    EXPECT_EQ(state().stepCount, steps);
    EXPECT_EQ(maze().facing, facing);

    // Up walks; held, it walks no further.
    faceOpenCell();
    stick(0, -32768);
    QTest::qWait(5 * Gamepad::pollInterval);
    settle();
    EXPECT_EQ(state().stepCount, steps + 1);
}

TEST_F(ControllerTest, AControllerPluggedInWhilePlayingPlaysAndStopsBeingReadWhenPulledOut) {
    gamepad = std::make_unique<Gamepad>();
    ASSERT_TRUE(gamepad->available());
    EXPECT_EQ(gamepad->controllerCount(), 0);
    EXPECT_FALSE(gamepad->polling()); // no controller: no timer at all

    startGameWithPad();
    EXPECT_TRUE(gamepad->polling());
    const int facing = maze().facing;
    tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_EQ(maze().facing, rightOf(facing));

    // Pulled out with the button held: the game notices nothing more from it.
    pad->set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    pad->detach();
    settle();
    EXPECT_EQ(gamepad->controllerCount(), 0);
    EXPECT_FALSE(gamepad->polling());
    EXPECT_EQ(maze().facing, rightOf(facing));

    pad->attach();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gamepad->controllerCount() == 1; }));
    EXPECT_TRUE(gamepad->polling());
    tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(maze().facing, facing);

    // Two at once: either plays.
    VirtualPad second;
    ASSERT_TRUE(QTest::qWaitFor([&] { return gamepad->controllerCount() == 2; }));
    second.set(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    settle();
    EXPECT_EQ(maze().facing, leftOf(facing));
}

TEST_F(ControllerTest, ANewInputDeviceIsLookedForBrieflyAndOpenedAndOtherDevicesCostNothing) {
    const QString devices = QString::fromStdString(folder.root()) + "dev";
    QDir().mkpath(devices);
    gamepad = std::make_unique<Gamepad>(devices + "/input");
    EXPECT_FALSE(gamepad->polling());

    // Some other device, and no input devices at all yet: nothing to look for.
    QFile(devices + "/loop0").open(QIODevice::WriteOnly);
    QTest::qWait(200);
    EXPECT_FALSE(gamepad->polling());

    // The first input device: SDL is asked for a while, then left alone again.
    QDir().mkpath(devices + "/input");
    ASSERT_TRUE(QTest::qWaitFor([&] { return gamepad->polling(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !gamepad->polling(); }, Gamepad::settleTime + 1000));

    // A pad SDL has and never announced, as a real one it could not open at first:
    // only its device file appearing makes the pad look for it, and open it.
    for (const Uint32 type : {SDL_JOYDEVICEADDED, SDL_CONTROLLERDEVICEADDED})
        SDL_EventState(type, SDL_IGNORE);
    pad = std::make_unique<VirtualPad>();
    for (const Uint32 type : {SDL_JOYDEVICEADDED, SDL_CONTROLLERDEVICEADDED})
        SDL_EventState(type, SDL_ENABLE);
    QTest::qWait(200);
    EXPECT_EQ(gamepad->controllerCount(), 0);
    QFile(devices + "/input/event0").open(QIODevice::WriteOnly);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gamepad->controllerCount() == 1; }, 2000));
    EXPECT_TRUE(gamepad->polling());
}

TEST_F(ControllerTest, ButtonsGiveTheGameScreensLetterKeys) {
    startGameWithPad();
    int stories = 0;
    QObject::connect(form.get(), &GameScreen::storyWanted, [&stories] { ++stories; });

    maze().set(maze().posRow, maze().posCol, cellBattery);
    state().batteryLevel = 50;
    form->game().enterCell();
    tap(SDL_CONTROLLER_BUTTON_A); // Use
    EXPECT_EQ(state().batteryLevel, 100);

    tap(SDL_CONTROLLER_BUTTON_X); // story
    EXPECT_EQ(stories, 1);

    tap(SDL_CONTROLLER_BUTTON_BACK); // sounds
    EXPECT_EQ(parts(form).soundsState->text(), "OFF");
    tap(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(parts(form).soundsState->text(), "ON");

    const bool onTop = map->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    tap(SDL_CONTROLLER_BUTTON_Y); // map
    EXPECT_NE(map->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    EXPECT_TRUE(map->isVisible());

    faceOpenCell();
    tap(SDL_CONTROLLER_BUTTON_B); // run
    EXPECT_TRUE(parts(form).runTimer->isActive());
}

TEST_F(ControllerTest, StartAsksTheQuitQuestionAndBAnswersNoThenAYesAndBNotToSave) {
    startGameWithPad();
    QString asked;
    whenModal([&](QWidget* box) {
        asked = box->windowTitle();
        tapInModal(SDL_CONTROLLER_BUTTON_B);
    });
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(asked, "Quit game?");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(parts(form).clockTimer->isActive());

    form->activateWindow(); // as the desktop does when the question goes
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() != nullptr; }));
    QString offer;
    whenModal([&](QWidget*) {
        tapInModal(SDL_CONTROLLER_BUTTON_A); // Yes, stop playing
        whenModal([&](QWidget* save) {
            offer = save->windowTitle();
            tapInModal(SDL_CONTROLLER_BUTTON_B); // No, do not save
        });
    });
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(offer, "Save?");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(savedGamePath("Tester", 1))));
}

TEST_F(ControllerTest, AIsTheDefaultButtonAndBCancelsInDialogs) {
    plugIn();

    // The save offer: A is Yes (its default button), so the game is saved.
    startGame();
    whenModal([&](QWidget*) {
        tapInModal(SDL_CONTROLLER_BUTTON_A);
        whenModal([&](QWidget*) { tapInModal(SDL_CONTROLLER_BUTTON_A); });
    });
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(savedGamePath("Tester", 1))));

    // A message with one button closes with either.
    for (const auto button : {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B}) {
        bool shown = false;
        whenModal([&](QWidget* box) {
            shown = box->isVisible();
            tapInModal(button);
        });
        errorBox("Error", "Something went wrong.");
        EXPECT_TRUE(shown);
    }

    // A question: the directions move between Yes and No, A presses the one chosen.
    int answer = 0;
    whenModal([&](QWidget*) {
        tapInModal(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        tapInModal(SDL_CONTROLLER_BUTTON_A);
    });
    answer = showDialog(dkQuestion, "Question", "Really?");
    EXPECT_EQ(answer, mrNo);
}

TEST_F(ControllerTest, AHeldKeyWaitsWhileTheProgramIsBusy) {
    startGameWithPad();
    faceOpenCell();
    QApplication::setOverrideCursor(Qt::WaitCursor); // as while a maze is made
    tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
    EXPECT_EQ(state().stepCount, 0);
    QApplication::restoreOverrideCursor();
    settle();
    EXPECT_EQ(state().stepCount, 1);
}

TEST_F(ControllerTest, TheSettingsFileMovesActionsAndTheRobbedOnesTakeWhatTheirRobbersLeft) {
    // Run takes Story's X and Sounds takes Use's A: Story gets B, Use gets Back.
    IniFile ini;
    ini.writeString("Controller", "Run", "x");
    ini.writeString("Controller", "Sounds", "a");
    ini.save(settingsPath());
    startGameWithPad();
    int stories = 0;
    QObject::connect(form.get(), &GameScreen::storyWanted, [&stories] { ++stories; });
    maze().set(maze().posRow, maze().posCol, cellBattery);
    state().batteryLevel = 50;
    form->game().enterCell();

    holdUntil(SDL_CONTROLLER_BUTTON_A, [&] { return parts(form).soundsState->text() == "OFF"; });
    holdUntil(SDL_CONTROLLER_BUTTON_B, [&] { return stories == 1; });
    holdUntil(SDL_CONTROLLER_BUTTON_BACK, [&] { return state().batteryLevel == 100; });
    EXPECT_EQ(parts(form).soundsState->text(), "OFF");
    EXPECT_FALSE(parts(form).runTimer->isActive());

    // A longer chain, read when the pad is plugged in again: Story's X went to Run,
    // Run's B to Map, Map's Y to Quit, so Story takes Quit's Start.
    pad->detach();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gamepad->controllerCount() == 0; }));
    ini.writeString("Controller", "Map", "b");
    ini.writeString("Controller", "Quit", "y");
    ini.save(settingsPath());
    pad->attach();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gamepad->controllerCount() == 1; }));
    holdUntil(SDL_CONTROLLER_BUTTON_START, [&] { return stories == 2; });
    const bool onTop = map->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    holdUntil(SDL_CONTROLLER_BUTTON_B,
              [&] { return map->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop; });
    faceOpenCell();
    holdUntil(SDL_CONTROLLER_BUTTON_X, [&] { return parts(form).runTimer->isActive(); });
    EXPECT_EQ(stories, 2);
}

class ControllerOnOpeningScreen : public ::testing::Test {
  protected:
    QApplication* app = ensureApp();
    TestFolder folder;
    Session session;
    std::unique_ptr<OpeningScreen> form1;
    std::unique_ptr<GameScreen> form2;
    std::unique_ptr<EndScreen> winner;
    std::unique_ptr<MapWindow> map;
    std::unique_ptr<GameSession> play;
    std::unique_ptr<Gamepad> gamepad;
    std::unique_ptr<VirtualPad> pad;
    bool ended = false;

    void SetUp() override {
        quietSdl();
        session.playerName = "bob";
        form1 = std::make_unique<OpeningScreen>(session);
        form2 = std::make_unique<GameScreen>(session);
        winner = std::make_unique<EndScreen>(session);
        map = std::make_unique<MapWindow>();
        play = std::make_unique<GameSession>(session, form2->game(), map->overheadMap());
        connectGame(*play, *form2, *map);
        form2->setWindows(form1.get(), map.get(), winner.get());
        form1->setWindows(form2.get(), map.get(), play.get());
        QObject::connect(form1.get(), &OpeningScreen::programEnding, [this] { ended = true; });
        gamepad = std::make_unique<Gamepad>();
        pad = std::make_unique<VirtualPad>();
        ASSERT_TRUE(QTest::qWaitFor([&] { return gamepad->controllerCount() == 1; }));
        form1->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form1->playerLabel->text() == "bob"; })); // set up
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form1.get(); }));
    }
    void TearDown() override {
        pad.reset();
        gamepad.reset();
        map->hide();
        if (form2->isVisible()) {
            form2->game().state().gameOver = true;
            form2->close();
        }
        form1->hide();
    }
    void tap(SDL_GameControllerButton button) {
        pad->set(button, true);
        gamepad->poll();
        pad->set(button, false);
        gamepad->poll();
        for (int i = 0; i < 8; ++i)
            QCoreApplication::processEvents();
    }
};

TEST_F(ControllerOnOpeningScreen, UpAndDownChooseTheLevelAndAStarts) {
    EXPECT_EQ(form1->selectedLevel(), 2);
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(form1->selectedLevel(), 3);
    EXPECT_EQ(form1->levelCaption(), "A &real challenge...");
    for (int i = 0; i < 3; ++i) // two to the top, and one more there
        tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
    EXPECT_EQ(form1->selectedLevel(), 1); // the top stays the top
    for (int i = 0; i < 6; ++i)           // five to the last level, and one more there
        tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(form1->selectedLevel(), 6); // and the bottom the bottom
    for (int i = 0; i < 5; ++i)           // back to the first level for the game below
        tap(SDL_CONTROLLER_BUTTON_DPAD_UP);

    tap(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form2->isVisible(); }));
    EXPECT_EQ(form2->game().maze().mazeSize, 20);
    EXPECT_FALSE(ended);
}

TEST_F(ControllerOnOpeningScreen, LeftResumesTheSavedGameOfTheChosenLevelOnly) {
    // The saved game of level 3 cannot be read: loading it says so, and the opening
    // screen stays.
    std::vector<QString> refused;
    const auto refuse = [&] {
        whenModal([&](QWidget* box) {
            if (auto* label = box->findChild<QLabel*>("Label1")) refused.push_back(label->text());
            QTest::keyClick(box, Qt::Key_Return);
        });
    };
    QDir().mkpath(QString::fromStdString(savedGamesFolder()));
    QFile(QString::fromStdString(savedGamePath("bob", 3))).open(QIODevice::WriteOnly);
    form1->showLoadButtons();
    tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT); // level 2 has none
    EXPECT_TRUE(refused.empty());
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    refuse();
    tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_TRUE(refused[0].contains("bob3.sav")) << refused[0].toStdString();
    EXPECT_TRUE(form1->isVisible());
}

TEST_F(ControllerOnOpeningScreen, BLeavesTheGame) {
    tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(form1->isVisible());
}

} // namespace
} // namespace quorvel::test
