// What a pad's buttons and stick mean before any window is involved: the buttons of
// the ten actions from the settings file, and the stick's dead zone.

#include <SDL_gamecontroller.h>
#include <set>

#include <gtest/gtest.h>

#include "files/inifile.h"
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

TEST(ControllerMapping, TwoActionsOnOneButtonLeaveItToTheFirstAndTradeTheRest) {
    // Run asks for A, which Use's entry took first: Run falls back to its own B.
    const PadMapping m = PadMapping::fromSettings(IniFile::parse("[Controller]\n"
                                                                 "Use=a\n"
                                                                 "Run=a\n"
                                                                 "Quit=back\n"));
    EXPECT_EQ(m.button(PadAction::use), SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(m.button(PadAction::run), SDL_CONTROLLER_BUTTON_B); // fell back
    EXPECT_EQ(m.button(PadAction::quit), SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(m.button(PadAction::sounds), SDL_CONTROLLER_BUTTON_START); // traded with Quit

    // Every action keeps a button of its own.
    const PadMapping many = PadMapping::fromSettings(IniFile::parse("[Controller]\n"
                                                                    "Up=a\nUse=x\nStory=y\n"));
    std::set<int> buttons;
    for (int a = 0; a < padActionCount; ++a) {
        const int b = many.button(static_cast<PadAction>(a));
        EXPECT_GE(b, 0) << padActionKey(static_cast<PadAction>(a));
        buttons.insert(b);
    }
    EXPECT_EQ(buttons.size(), static_cast<std::size_t>(padActionCount));
    EXPECT_EQ(many.actionOf(SDL_CONTROLLER_BUTTON_A), PadAction::up);
    EXPECT_EQ(many.actionOf(SDL_CONTROLLER_BUTTON_X), PadAction::use);
    EXPECT_EQ(many.actionOf(SDL_CONTROLLER_BUTTON_Y), PadAction::story);
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

} // namespace
} // namespace quorvel::test
