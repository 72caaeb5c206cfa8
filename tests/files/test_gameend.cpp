// The end of a game kept as one change: killed at any instant of a win, the next start
// finds no trace of it or all of it (the best time, its run, the saved game gone),
// once; a win the disk refuses keeps the saved game; a folder of runs the game may not
// write is told.

#include <filesystem>
#include <random>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "files/besttimesfile.h"
#include "files/gameend.h"
#include "files/programfolder.h"
#include "files/runfiles.h"
#include "files/safewrite.h"
#include "files/savedgamefiles.h"
#include "support/diskfaults.h"
#include "support/killtrials.h"
#include "support/testfolder.h"
#include "support/unprivileged.h"

using namespace quorvel;
namespace fs = std::filesystem;

namespace {

constexpr double wonIn = 0.004; // days: a best time of every level's default table

RunRecord wonRun() {
    RunRecord run;
    run.maze = {1, 77};
    run.player = "Ann";
    run.events.push_back({0, RunAction::newMaze, 77, 0});
    run.outcome = {RunResult::won, wonIn, 3, 40, 60, 90};
    return run;
}

GameEnd winOf(const RunRecord& run) {
    GameEnd end;
    end.run = &run;
    end.level = 1;
    BestTime best;
    best.name = run.player;
    best.time = run.outcome.elapsed;
    best.gems = run.outcome.gems;
    end.result = best;
    end.savedGameOf = "Ann";
    return end;
}

void putSavedGame() {
    ASSERT_TRUE(prepareSavedGamesFolder());
    const std::vector<std::uint8_t> record(34304, 1), picture(1954, 2), run(900, 3);
    ASSERT_TRUE(writeSavedGame(savedGamePath("Ann", 1), record, picture, run));
}

int savedGameFilesLeft() {
    int left = 0;
    for (const std::string& path : savedGameFiles("Ann", 1))
        left += fs::exists(path) ? 1 : 0;
    return left;
}

// Ann's rows in the table on disk, and the kept runs behind them.
struct Kept {
    int rows = 0;
    int runs = 0;
};
Kept keptWins() {
    BestTimesFile file;
    file.loadBestTimes();
    Kept kept;
    for (int rank = 1; rank <= 3; ++rank)
        if (file.bestTimes().entry(1, rank).name == "Ann") ++kept.rows;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(replaysFolder(), ec)) {
        RunRecord run;
        if (!readRunFile(e.path().string(), run) &&
            runMatches(run, 1, file.bestTimes().entry(1, 1)))
            ++kept.runs;
    }
    return kept;
}

// Hidden names the game left in its folders: temporary files and commit records.
std::vector<std::string> leftovers() {
    std::vector<std::string> hidden;
    for (const std::string& folder : {programFolder(), savedGamesFolder(), replaysFolder()}) {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(folder, ec))
            if (e.path().filename().string().front() == '.') hidden.push_back(e.path().string());
    }
    return hidden;
}

int win(const RunRecord& run, const BestTimesFile::Tell& tell = {}) {
    BestTimesFile table(tell);
    table.loadBestTimes();
    return keepGameEnd(table, winOf(run), tell);
}

} // namespace

// A win of a saved game in a child killed at random instants, then the next start's
// tidying: no row without its run, no saved game beside a row, and winning the saved
// game again (when it stayed) makes one row, never two. QUORVEL3D_KILL_TRIALS asks for
// more kills than the forty of the test run.
TEST(GameEnd, AKillAtAnyInstantOfAWinLeavesNoTraceOfItOrAllOfItOnce) {
    test::TestFolder folder;
    const RunRecord run = wonRun();
    BestTimesFile first;
    first.loadBestTimes();
    const std::string table = test::fileBytes(BestTimesFile::path());
    const auto reset = [&] {
        pauseBetweenRenames(0);
        test::putBytes(BestTimesFile::path(), table);
        fs::remove_all(replaysFolder());
        putSavedGame();
    };
    // The renames and removals wait a little each, so an instant between them is as
    // likely as any other instant of the win.
    constexpr int pauseMicroseconds = 2000;
    reset();
    const auto paused = [&] {
        pauseBetweenRenames(pauseMicroseconds);
        ASSERT_EQ(win(run), 1);
    };
    const long took = test::microsecondsOf(paused);

    const int trials = test::killTrials(40);
    std::mt19937 rng(20260312);
    int none = 0, whole = 0, mixes = 0;
    for (int t = 0; t < trials; ++t) {
        reset();
        test::killAtRandom(rng, took, paused);

        tidyAfterEarlierRun();
        const Kept kept = keptWins();
        const int saved = savedGameFilesLeft();
        if (kept.rows == 0 && kept.runs == 0 && saved == 3) {
            ++none;
            // The next start plays the saved game again and wins: one row, one run.
            ASSERT_EQ(win(run), 1);
            const Kept again = keptWins();
            EXPECT_EQ(again.rows, 1) << "after kill " << t;
            EXPECT_EQ(again.runs, 1) << "after kill " << t;
        } else if (kept.rows == 1 && kept.runs == 1 && saved == 0) {
            ++whole;
        } else {
            ++mixes;
            ADD_FAILURE() << "after kill " << t << ": " << kept.rows << " rows, " << kept.runs
                          << " runs, " << saved << " saved-game files";
        }
        EXPECT_EQ(leftovers(), std::vector<std::string>{}) << "after kill " << t;
    }
    std::printf("%d kills of a win (%lld us each): %d left no trace, %d all of it, %d a mix\n",
                trials, static_cast<long long>(took), none, whole, mixes);
    EXPECT_EQ(mixes, 0);
    // Kills landed before the commit and after it alike.
    EXPECT_GT(none, 0);
    EXPECT_GT(whole, 0);
}

// A win whose best time the disk refuses: the player is told, the saved game stays to be
// won again, and the run alone is kept. A disk that refuses everything keeps everything.
TEST(GameEnd, AWinTheDiskRefusesKeepsTheSavedGame) {
    test::TestFolder folder;
    const RunRecord run = wonRun();
    BestTimesFile first;
    first.loadBestTimes();
    const std::string table = test::fileBytes(BestTimesFile::path());
    putSavedGame();
    std::vector<std::string> told;
    const auto tell = [&](const std::string&, const std::string& text) { told.push_back(text); };
    int rank = 0;
    {
        test::FileSizeLimit limit(4096); // the run fits, the table does not
        rank = win(run, tell);
    }
    EXPECT_EQ(rank, -1);
    EXPECT_EQ(told, std::vector<std::string>{"Unable to write to " + BestTimesFile::path() + "!"});
    EXPECT_EQ(test::fileBytes(BestTimesFile::path()), table);
    EXPECT_EQ(savedGameFilesLeft(), 3);
    EXPECT_EQ(test::folderEntries(replaysFolder()).size(), 1u);

    fs::remove_all(replaysFolder());
    told.clear();
    failSafeWritesAt(WriteStep::create);
    rank = win(run, tell);
    failSafeWritesAt(WriteStep::none);
    EXPECT_EQ(rank, -1);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0], "Unable to write to " + BestTimesFile::path() + "!");
    EXPECT_TRUE(told[1].starts_with("Unable to write to " + replaysFolder())) << told[1];
    EXPECT_EQ(test::fileBytes(BestTimesFile::path()), table);
    EXPECT_EQ(savedGameFilesLeft(), 3);
    EXPECT_EQ(test::folderEntries(replaysFolder()), std::vector<std::string>{});
    EXPECT_EQ(leftovers(), std::vector<std::string>{});
}

// A win whose run is unfinished (its recording broke off) or missing keeps its best time
// and ends its saved game; no "Replays" folder is made for it.
TEST(GameEnd, AWinWithoutAWholeRunKeepsItsBestTimeAlone) {
    for (const bool runGiven : {true, false}) {
        test::TestFolder folder;
        putSavedGame();
        RunRecord run = wonRun();
        run.complete = false;
        GameEnd end = winOf(run);
        if (!runGiven) end.run = nullptr;
        BestTimesFile table;
        table.loadBestTimes();
        EXPECT_EQ(keepGameEnd(table, end, {}), 1) << runGiven;
        EXPECT_EQ(keptWins().rows, 1) << runGiven;
        EXPECT_EQ(savedGameFilesLeft(), 0) << runGiven;
        EXPECT_FALSE(fs::exists(replaysFolder())) << runGiven;
    }
}

// A "Replays" folder the player may not write: the best time and the saved game's
// removal are made without the run, and the player is told the run was not kept.
TEST(GameEnd, AFolderOfRunsThePlayerMayNotWriteIsTold) {
    test::TestFolder folder;
    BestTimesFile first;
    first.loadBestTimes();
    putSavedGame();
    ::mkdir(replaysFolder().c_str(), 0555);
    for (const std::string& open : {folder.root(), folder.home(), savedGamesFolder()})
        test::openToEveryone(open);
    ::chmod(BestTimesFile::path().c_str(), 0666);
    const int outcome = test::runUnprivileged([] {
        std::string told;
        const int rank =
            win(wonRun(), [&](const std::string&, const std::string& text) { told = text; });
        return rank == 1 && told == "Unable to write to " + replaysFolder() + "!" ? 0 : 1;
    });
    EXPECT_EQ(outcome, 0);
    EXPECT_EQ(keptWins().rows, 1);
    EXPECT_EQ(savedGameFilesLeft(), 0);
    EXPECT_EQ(test::folderEntries(replaysFolder()), std::vector<std::string>{});
    ::chmod(replaysFolder().c_str(), 0755);
}
