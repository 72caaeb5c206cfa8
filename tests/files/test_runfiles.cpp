// The runs of ended games in "Replays": those behind the best times stay, the most
// recent others stay, the oldest others go.

#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "files/runfiles.h"
#include "support/testfolder.h"

using namespace quorvel;
namespace fs = std::filesystem;

namespace {

RunRecord wonRun(const std::string& player, double elapsed, int gems) {
    RunRecord run;
    run.maze = {2, 77};
    run.player = player;
    run.events.push_back({0, RunAction::newMaze, 77, 0});
    run.outcome = {RunResult::won, elapsed, gems, 40, 60, 90};
    return run;
}

} // namespace

TEST(RunFiles, TheRunsBehindBestTimesAndTheMostRecentOthersAreKept) {
    test::TestFolder folder;
    BestTimes table;
    BestTime best;
    best.name = "Ann with a very long n"; // the table keeps 20 characters
    best.name.resize(20);
    best.time = 0.004;
    best.gems = 7;
    ASSERT_EQ(table.record(2, best), 1);

    const std::string behind = keepRun(wonRun("Ann with a very long name", 0.004, 7), table);
    ASSERT_FALSE(behind.empty());
    // Another run of the same time with other gems is not the one behind it.
    keepRun(wonRun("Ann with a very long name", 0.004, 6), table);
    // Files of other names are the player's own, runs or not: never counted, never removed.
    const std::string bob = keepRun(wonRun("Bob", 0.005, 1), table);
    const std::vector<std::string> own = {replaysFolder() + "bob.run.bak",
                                          replaysFolder() + ".bob.run"};
    for (const std::string& copy : own)
        fs::copy_file(bob, copy);
    fs::remove(bob);
    // Runs that no longer read, and are the oldest, go like any old run.
    for (const char* name : {"damaged.run", "unreadable.run"}) {
        const std::string path = replaysFolder() + name;
        test::putBytes(path, "QV3R and noise");
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    ::chmod((replaysFolder() + "unreadable.run").c_str(), 0);
    for (std::size_t i = 0; i < 105; ++i) {
        const std::string path = keepRun(wonRun("Bob", 0.01 + i / 1000.0, 1), table);
        ASSERT_FALSE(path.empty());
        // Ages a second apart, the newest last.
        fs::last_write_time(path, fs::file_time_type::clock::now() +
                                      std::chrono::seconds(static_cast<int>(i) + 1));
    }
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(replaysFolder()))
        ++count;
    EXPECT_EQ(count, 100 + 1 + own.size()); // the README: the 100 most recent others
    EXPECT_TRUE(fs::exists(behind) && fs::exists(own[0]) && fs::exists(own[1]));
    EXPECT_EQ(runsOfTable(table)[1][0].path, behind);
    EXPECT_EQ(runsOfTable(table)[1][1].path, "");

    RunRecord read;
    EXPECT_FALSE(readRunFile(behind, read));
    EXPECT_EQ(read.player, "Ann with a very long name");
    EXPECT_EQ(readRunFile(replaysFolder() + "none.run", read).text, "there is no such file");
}
