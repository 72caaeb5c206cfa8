// What a pad's buttons and stick mean before any window is involved: the buttons of
// the ten actions from the settings file, and the stick's dead zone.

#include <QKeyEvent>
#include <QtCore/qnamespace.h>
#include <SDL_gamecontroller.h>
#include <string>

#include <gtest/gtest.h>

#include "files/inifile.h"
#include "screens/keybindings.h"
#include "screens/padmapping.h"

namespace quorvel::test {
namespace {

TEST(ControllerMapping, DefaultsAndEntriesOfTheSettingsFile) {
    const PadMapping defaults;
    EXPECT_EQ(defaults.button(PadAction::up), SDL_CONTROLLER_BUTTON_DPAD_UP);
    EXPECT_EQ(defaults.button(PadAction::use), SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(defaults.button(PadAction::run), SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(defaults.button(PadAction::map), SDL_CONTROLLER_BUTTON_Y);
    EXPECT_EQ(defaults.button(PadAction::story), SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(defaults.button(PadAction::quit), SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(defaults.button(PadAction::sounds), SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(defaults.actionOf(SDL_CONTROLLER_BUTTON_GUIDE), std::nullopt);
    EXPECT_EQ(defaults.actionOf(-1), std::nullopt);

    // Names in any case, blanks and quotes as the settings file allows; rubbish falls back.
    const PadMapping mapped = PadMapping::fromSettings(IniFile::parse("[controller]\n"
                                                                      "up = LeftShoulder\n"
                                                                      "Down=\"rightshoulder\"\n"
                                                                      "Left=13\n"
                                                                      "Right=\n"
                                                                      "Map=lefttrigger\n"));
    EXPECT_EQ(mapped.button(PadAction::up), SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
    EXPECT_EQ(mapped.button(PadAction::down), SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    EXPECT_EQ(mapped.button(PadAction::left), SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(mapped.button(PadAction::right), SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_EQ(mapped.button(PadAction::map), SDL_CONTROLLER_BUTTON_Y); // a trigger is no button
    EXPECT_EQ(mapped.actionOf(SDL_CONTROLLER_BUTTON_DPAD_UP), std::nullopt);
}

// Every action's button by SDL's name, in the order of the actions.
std::string buttonsOf(const PadMapping& m) {
    std::string text;
    for (int a = 0; a < padActionCount; ++a) {
        const int b = m.button(static_cast<PadAction>(a));
        const char* name =
            b < 0 ? nullptr : SDL_GameControllerGetStringForButton(SDL_GameControllerButton(b));
        text += std::string(a ? " " : "") + padActionKey(static_cast<PadAction>(a)) + "=" +
                (name ? name : "none");
    }
    return text;
}

TEST(ControllerMapping, TakenButtonsAreHandedOnDownTheChainOfTakers) {
    const struct {
        const char* entries;
        const char* buttons;
    } cases[] = {
        // Run asks for A, which Use's entry took first: Run falls back to its own B.
        {"Use=a\nRun=a\nQuit=back",
         "Up=dpup Down=dpdown Left=dpleft Right=dpright Use=a Run=b Map=y Story=x Quit=back "
         "Sounds=start"},
        // Two moved buttons: each action robbed takes what its own robber left.
        {"Run=x\nSounds=a",
         "Up=dpup Down=dpdown Left=dpleft Right=dpright Use=back Run=x Map=y Story=b Quit=start "
         "Sounds=a"},
        // Story's X went to Run, whose B went to Map, whose Y went to Quit: Start.
        {"Run=x\nSounds=a\nMap=b\nQuit=y",
         "Up=dpup Down=dpdown Left=dpleft Right=dpright Use=back Run=x Map=b Story=start "
         "Quit=y Sounds=a"},
        // Map's Y went to Story, Story's X to Use, Use's A to Up: Map takes the d-pad's up.
        {"Up=a\nUse=x\nStory=y",
         "Up=a Down=dpdown Left=dpleft Right=dpright Use=x Run=b Map=dpup Story=y Quit=start "
         "Sounds=back"},
        // Moved in a circle, every action is where its entry put it.
        {"Use=b\nRun=y\nMap=a",
         "Up=dpup Down=dpdown Left=dpleft Right=dpright Use=b Run=y Map=a Story=x Quit=start "
         "Sounds=back"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(buttonsOf(PadMapping::fromSettings(
                      IniFile::parse(std::string("[Controller]\n") + c.entries + "\n"))),
                  c.buttons)
            << c.entries;
}

TEST(ControllerStick, CountsPastTheOuterEdgeAndRearmsInsideTheInner) {
    StickDirections stick;
    EXPECT_EQ(stick.move(0, StickDirections::outerThreshold - 1), std::nullopt);
    EXPECT_EQ(stick.move(0, StickDirections::outerThreshold), PadAction::down);
    EXPECT_TRUE(stick.engaged());
    EXPECT_EQ(stick.move(StickDirections::innerThreshold, 0), std::nullopt); // not yet back
    EXPECT_TRUE(stick.engaged());
    EXPECT_EQ(stick.move(StickDirections::innerThreshold - 1, 0), std::nullopt);
    EXPECT_FALSE(stick.engaged());
    EXPECT_EQ(stick.move(-25000, 24000), PadAction::left); // the stronger axis
    stick.move(0, 0);
    EXPECT_EQ(stick.move(23170, -23170), PadAction::up); // a diagonal walks
}

// The [Keys] section follows the pad's rule: a key moved, keys moved in a circle, and
// names that are no single key.
TEST(KeyBindings, KeysMoveAsTheControllersButtonsDo) {
    const KeyBindings own;
    EXPECT_TRUE(own.isDefault());
    EXPECT_EQ(own.actionOf(Qt::Key_Up), KeyAction::stepForward);
    EXPECT_EQ(own.actionOf(Qt::Key_W, 'w'), KeyAction::map);
    EXPECT_EQ(own.actionOf(Qt::Key_Question, '?'), KeyAction::story); // "/" or "?"
    EXPECT_EQ(own.actionOf(Qt::Key_V, 'v'), KeyAction::speech);
    EXPECT_EQ(own.actionOf(Qt::Key_G, 'g'), KeyAction::messages);
    EXPECT_EQ(own.actionOf(Qt::Key_Z, 'z'), std::nullopt);
    // With Alt, Ctrl or the logo key a game key is a mnemonic or the desktop's: not played.
    for (const Qt::KeyboardModifier held :
         {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier}) {
        EXPECT_EQ(own.actionOf(QKeyEvent(QEvent::KeyPress, Qt::Key_W, held, "w")), std::nullopt);
        EXPECT_EQ(own.actionOf(QKeyEvent(QEvent::KeyPress, Qt::Key_Up, held)), std::nullopt);
    }
    EXPECT_EQ(own.actionOf(QKeyEvent(QEvent::KeyPress, Qt::Key_W, Qt::ShiftModifier, "W")),
              KeyAction::map);

    // Up on K; Counters asks for the Up arrow, and Up's own key goes nowhere else.
    std::vector<std::string> names(keyActionCount);
    names[static_cast<int>(KeyAction::stepForward)] = "K";
    names[static_cast<int>(KeyAction::counters)] = "Up";
    names[static_cast<int>(KeyAction::map)] = "Ctrl+Q"; // no single key: W stays
    names[static_cast<int>(KeyAction::story)] = "F2";
    const KeyBindings moved = KeyBindings::fromNames(names);
    EXPECT_FALSE(moved.isDefault());
    EXPECT_EQ(moved.actionOf(Qt::Key_K, 'k'), KeyAction::stepForward);
    EXPECT_EQ(moved.actionOf(Qt::Key_Up), KeyAction::counters);
    EXPECT_EQ(moved.actionOf(Qt::Key_I, 'i'), std::nullopt); // Counters' own, left free
    EXPECT_EQ(moved.key(KeyAction::map), Qt::Key_W);
    EXPECT_EQ(moved.actionOf(Qt::Key_Question, '?'), std::nullopt); // "?" only beside "/"
    EXPECT_EQ(moved.keyName(KeyAction::story), "F2");
    EXPECT_TRUE(actsOnRelease(KeyAction::stepForward)); // on K's release, as on the arrow's
}

} // namespace
} // namespace quorvel::test
