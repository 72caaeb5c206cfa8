// The saved game, its map and its run: written as one under a kill at any instant, kept in a
// program folder whose name is not UTF-8, and what a killed run leaves behind cleared at start.

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "files/programfolder.h"
#include "files/runfiles.h"
#include "files/safewrite.h"
#include "files/savedgamefiles.h"
#include "support/killtrials.h"
#include "support/testfolder.h"

using namespace quorvel;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

std::span<const std::uint8_t> bytesOf(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

} // namespace

// The saving code in a child killed at random instants, then the start's tidying: the
// slot holds the old files or the new ones every time, and no temporary file outlives
// it; so too when the new save has no run and the old one's must go with it.
// QUORVEL3D_KILL_TRIALS asks for more kills than the hundred of the test run.
TEST(SavedGameFiles, AKillAtAnyInstantLeavesTheOldPairOrTheNewOneNeverAMix) {
    test::TestFolder folder;
    ASSERT_TRUE(prepareSavedGamesFolder());
    const std::string sav = savedGamePath("Ann", 1), map = savedMapPath("Ann1");
    const std::string run = savedRunPath("Ann1");
    const std::string oldSav(34304, 'a'), oldMap(1954, 'A'), oldRun(900, 'x');
    const std::string newSav(34304, 'b'), newMap(1954, 'B');
    for (const std::string& newRun : {std::string(1200, 'y'), std::string()}) {
        SCOPED_TRACE(newRun.empty() ? "a save without a run" : "a save with its run");
        // The renames of the pair wait a little each, so an instant between them is as
        // likely as any other instant of the save.
        constexpr int renamePauseMicroseconds = 2000;
        const auto save = [&] {
            pauseBetweenRenames(renamePauseMicroseconds);
            return writeSavedGame(sav, bytesOf(newSav), bytesOf(newMap), bytesOf(newRun));
        };
        const auto writeOld = [&] {
            pauseBetweenRenames(0);
            ASSERT_TRUE(writeSavedGame(sav, bytesOf(oldSav), bytesOf(oldMap), bytesOf(oldRun)));
        };
        writeOld();
        const long took = test::microsecondsOf([&] { ASSERT_TRUE(save()); });

        const int trials = test::killTrials(100);
        std::mt19937 rng(20261207);
        int olds = 0, news = 0, mixes = 0;
        for (int t = 0; t < trials; ++t) {
            writeOld();
            test::killAtRandom(rng, took, [&] { save(); });

            tidyAfterEarlierRun();
            const std::string nowSav = test::fileBytes(sav), nowMap = test::fileBytes(map);
            const std::string nowRun = test::fileBytes(run);
            if (nowSav == oldSav && nowMap == oldMap && nowRun == oldRun)
                ++olds;
            else if (nowSav == newSav && nowMap == newMap && nowRun == newRun)
                ++news;
            else
                ++mixes;
            const std::vector<std::string> slot =
                nowRun.empty() ? std::vector<std::string>{"Ann1.map", "Ann1.sav"}
                               : std::vector<std::string>{"Ann1.map", "Ann1.run", "Ann1.sav"};
            EXPECT_EQ(test::folderEntries(savedGamesFolder()), slot) << "after kill " << t;
        }
        std::printf("%d kills: %d left the old files, %d the new ones, %d a mix\n", trials, olds,
                    news, mixes);
        EXPECT_EQ(mixes, 0);
        // Kills landed before the commit and after it alike.
        EXPECT_GT(olds, 0);
        EXPECT_GT(news, 0);
    }
}

// Temporary files a killed run left beside the game's own files go at the next start,
// and so do map pictures and runs whose saved game is gone; other hidden files, in the
// program folder above all, stay.
TEST(SavedGameFiles, TheGamesOwnTemporaryFilesAreClearedAtStartAndNothingElse) {
    test::TestFolder folder;
    ASSERT_TRUE(prepareSavedGamesFolder());
    const std::string saved = savedGamesFolder();
    for (const char* name : {".Ann1.sav.k3x9q0", ".Ann1.map.0000zz", "..Ann1.map.commit.abc123"})
        test::putBytes(saved + name, "left by a kill");
    test::putBytes(saved + ".notes", "mine");
    for (const char* name :
         {".quorvel3d.ini.a1b2c3", ".quorvel3d.his.zzzzzz", ".quorvel3d.tk.123456",
          ".music.rmi.qwerty", ".quorvel3d.his.bak.000000"})
        test::putBytes(folder.home() + name, "left by a kill");
    for (const char* name : {".bashrc.backup", ".quorvel3d.ini.A1B2C3", ".quorvel3d.ini.12345",
                             "quorvel3d.ini.a1b2c3"})
        test::putBytes(folder.home() + name, "not the game's");
    // A commit record naming anything but the game's own temporaries changes nothing,
    // nor does one in the program folder that would remove anything but a saved game.
    test::putBytes(saved + "Bob2.sav", "kept");
    test::putBytes(saved + "Bob2.map", "kept");
    test::putBytes(saved + ".Cleo2.sav.abc123", "another file's temporary");
    test::putBytes(saved + ".Bob2.sav.commit", "QV3 commit\n.Cleo2.sav.abc123\0Bob2.sav\0"s);
    test::putBytes(saved + ".Bob2.map.commit", "QV3 commit\n\0Bob2.sav\0"s); // removes runs only
    test::putBytes(saved + "Bob2.run", "kept");
    test::putBytes(folder.root() + "elsewhere", "QV3 commit\n\0Bob2.run\0"s); // a record
    ASSERT_EQ(::symlink((folder.root() + "elsewhere").c_str(), (saved + ".Bob2.run.commit").c_str()), 0);
    test::putBytes(folder.home() + "quorvel3d.ini", "kept");
    test::putBytes(folder.home() + ".quorvel3d.his.commit", "QV3 commit\n\0quorvel3d.ini\0"s);
    for (const char* orphan : {"Cleo2.map", "Cleo2.run", "Cleo3.run"})
        test::putBytes(saved + orphan, "its saved game is gone");

    tidyAfterEarlierRun();
    EXPECT_EQ(test::folderEntries(saved),
              (std::vector<std::string>{".notes", "Bob2.map", "Bob2.run", "Bob2.sav"}));
    EXPECT_EQ(test::fileBytes(saved + "Bob2.sav"), "kept");
    EXPECT_EQ(
        test::folderEntries(folder.home()),
        (std::vector<std::string>{".bashrc.backup", ".quorvel3d.ini.12345", ".quorvel3d.ini.A1B2C3",
                                  "Saved Games", "quorvel3d.ini", "quorvel3d.ini.a1b2c3"}));
}

// A program folder whose name is not UTF-8 (unpacked from an old archive) keeps saved
// games like any other: made, found for the load button and read back.
TEST(SavedGameFiles, AProgramFolderNamedInAnotherCodePageKeepsSavedGames) {
    test::TestFolder folder;
    const std::string latin1 = folder.root() + "Spiele f\xFCr Ann/";
    fs::create_directories(latin1);
    setProgramFolders(latin1, "quorvel3d", folder.config());
    ASSERT_TRUE(prepareSavedGamesFolder());
    const std::string record(34304, 'r'), picture(1954, 'p');
    ASSERT_TRUE(writeSavedGame(savedGamePath("Ann", 2), bytesOf(record), bytesOf(picture)));
    EXPECT_TRUE(hasSavedGameFile("Ann", 2));
    EXPECT_EQ(test::fileBytes(latin1 + "Saved Games/Ann2.sav"), record);
    std::string map;
    ASSERT_TRUE(readSavedMap("Ann2", map));
    EXPECT_EQ(map, picture);
    EXPECT_EQ(test::folderEntries(folder.root()),
              (std::vector<std::string>{"Spiele f\xFCr Ann", "config", "home"}));
}
