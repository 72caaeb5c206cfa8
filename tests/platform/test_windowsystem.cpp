// Which window system the game opens, decided from the command line and the
// environment before Qt starts; and the priority its workers run at.

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/threadpriority.h"
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

// The game's workers (loading the synthesiser, speaking) give way to the game itself:
// they run at nice 10, or at the game's own when that is lower still.
TEST(ThreadPriority, AWorkerThreadRunsAtNiceTen) {
    const int game = getpriority(PRIO_PROCESS, 0);
    int worker = game;
    std::thread([&worker] {
        lowerThreadPriority();
        worker = getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)));
    }).join();
    EXPECT_EQ(worker, std::max(game, 10));
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), game); // the game's own thread is untouched
}
