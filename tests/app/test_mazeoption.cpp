// The game's executable, --maze and --replay: a bad maze number, or a run file that
// cannot be read, is refused before anything else happens (no display is needed, no
// file is written), with one line and status 2; a good number gets past the check.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "game/run.h"
#include "support/testfolder.h"

namespace {

namespace fs = std::filesystem;

struct GameRun {
    int status = -1; ///< the exit status; -1 when the game did not end normally
    std::string out;
    std::string err;
};

class MazeOptionTest : public ::testing::Test {
  protected:
    fs::path dir;

    void SetUp() override {
        char name[] = "/tmp/quorvel-mazeoption-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir = name;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    fs::path home() const { return dir / "home"; }

    /// Runs the game with args (a shell command line) and no display at all; env adds
    /// variables and wrapper runs the game ("timeout 3").
    GameRun run(const std::string& args, const std::string& env = "",
                const std::string& wrapper = "") {
        const std::string errFile = (dir / "err").string(), outFile = (dir / "out").string();
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
                                    "QUORVEL3D_HOME='" +
                                    home().string() + "' SDL_AUDIODRIVER=dummy " + env + " " +
                                    wrapper + " " + QUORVEL_GAME + " " + args + " >" + outFile +
                                    " 2>" + errFile;
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, quorvel::test::fileBytes(outFile),
                quorvel::test::fileBytes(errFile)};
    }
};

const std::string expectedForm =
    ": expected LEVEL-STATE, as 3-12345 (level 1 to 6, state 0 to 4294967295); try "
    "'quorvel3d --help'\n";

TEST_F(MazeOptionTest, ABadNumberIsOneLineAndStatusTwoBeforeAnythingElse) {
    const struct {
        std::string args;
        std::string shown; ///< the text the line repeats
    } cases[] = {
        {"--maze x", "x"},
        {"--maze=7-1", "7-1"},
        {"--maze 0-12345 -ubob", "0-12345"},
        {"/Ubob --maze 3-4294967296", "3-4294967296"},
        {"--maze 3-", "3-"},
        {"--maze=-12345", "-12345"},
        {"--maze=", ""},
        {"--maze 3-+1", "3-+1"},
        {"--maze ' 3-1'", " 3-1"},
        {"--maze 3-12345x", "3-12345x"},
        {"--maze=3-1 --maze 3-1.5", "3-1.5"},
    };
    for (const auto& c : cases) {
        const GameRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.err, "quorvel3d: bad maze number '" + c.shown + "'" + expectedForm) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
    }
    const GameRun missing = run("-ubob --maze");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err,
              "quorvel3d: option '--maze' requires an argument; try 'quorvel3d --help'\n");

    // Refused before the program folder is even made.
    EXPECT_FALSE(fs::exists(home()));
}

TEST_F(MazeOptionTest, AGoodNumberGetsPastTheCheck) {
    // Offscreen, the game starts and plays for bob until it is stopped (the separate
    // spelling is played under a real display by the end-to-end test).
    const GameRun r = run("--maze=6-4294967295 /Ubob", "QT_QPA_PLATFORM=offscreen", "timeout 3");
    EXPECT_EQ(r.err.find("maze number"), std::string::npos) << r.err;
    EXPECT_EQ(r.status, 124); // still playing when stopped
    const std::string settings = quorvel::test::fileBytes((home() / "quorvel3d.ini").string());
    EXPECT_NE(settings.find("Player=bob"), std::string::npos) << settings;
}

TEST_F(MazeOptionTest, ARunFileThatCannotBeReadIsOneLineAndStatusTwo) {
    using namespace quorvel;
    RunRecord record;
    record.maze = {1, 5};
    record.events.push_back({0, RunAction::newMaze, 5, 0});
    std::vector<std::uint8_t> bytes = encodeRun(record);
    bytes[10] ^= 1;
    const fs::path damaged = dir / "damaged.run";
    quorvel::test::putBytes(damaged, std::string(bytes.begin(), bytes.end()));
    const struct {
        fs::path file;
        std::string why;
    } cases[] = {{dir / "none.run", "there is no such file"},
                 {damaged, "damaged: its checksum does not match"}};
    for (const auto& c : cases) {
        const GameRun r = run("-ubob --replay '" + c.file.string() + "'");
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "quorvel3d: cannot watch '" + c.file.string() + "': " + c.why +
                             "; try 'quorvel3d --help'\n");
    }
    EXPECT_FALSE(fs::exists(home()));
}

} // namespace
