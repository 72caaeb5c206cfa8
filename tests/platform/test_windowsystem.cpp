// Which window system the game opens, decided from the command line and the
// environment before Qt starts.

#include <functional>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "platform/windowsystem.h"

using namespace quorvel;

namespace {

std::function<std::string(const char*)> environment(std::map<std::string, std::string> vars) {
    return [vars](const char* name) {
        const auto it = vars.find(name);
        return it == vars.end() ? std::string() : it->second;
    };
}

} // namespace

TEST(ChoosePlatform, NoDisplayIsRefusedUnlessAPlatformNeedsNone) {
    EXPECT_TRUE(choosePlatform({}, environment({})).noDisplay);
    EXPECT_FALSE(choosePlatform({}, environment({{"DISPLAY", ":0"}})).noDisplay);
    EXPECT_FALSE(choosePlatform({}, environment({{"WAYLAND_DISPLAY", "wayland-0"}})).noDisplay);
    EXPECT_FALSE(choosePlatform({"-display", ":3"}, environment({})).noDisplay);
    EXPECT_FALSE(choosePlatform({}, environment({{"QT_QPA_PLATFORM", "offscreen"}})).noDisplay);
    EXPECT_FALSE(choosePlatform({"-platform", "minimal"}, environment({})).noDisplay);
    EXPECT_FALSE(choosePlatform({"--platform", "offscreen:fontconfig"}, environment({})).noDisplay);
    EXPECT_FALSE(choosePlatform({}, environment({{"QT_QPA_PLATFORM", "xcb;offscreen"}})).noDisplay);
    // X11 alone needs a display; the -platform argument beats the environment.
    EXPECT_TRUE(choosePlatform({}, environment({{"QT_QPA_PLATFORM", "xcb"}})).noDisplay);
    EXPECT_TRUE(
        choosePlatform({"-platform", "xcb"}, environment({{"QT_QPA_PLATFORM", "offscreen"}}))
            .noDisplay);
}

TEST(ChoosePlatform, XWaylandRunsThroughX11UnlessThePlayerChoseAPlatform) {
    const auto both = environment({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}});
    EXPECT_TRUE(choosePlatform({}, both).useXcb);
    EXPECT_FALSE(choosePlatform({"-platform", "wayland"}, both).useXcb);
    EXPECT_FALSE(choosePlatform({"--platform", "wayland"}, both).useXcb);
    EXPECT_FALSE(choosePlatform({}, environment({{"DISPLAY", ":0"},
                                                 {"WAYLAND_DISPLAY", "wayland-0"},
                                                 {"QT_QPA_PLATFORM", "wayland"}}))
                     .useXcb);
    EXPECT_FALSE(choosePlatform({}, environment({{"WAYLAND_DISPLAY", "wayland-0"}})).useXcb);
    EXPECT_FALSE(choosePlatform({}, environment({{"DISPLAY", ":0"}})).useXcb);
}
