// quorvel3d-tool save and scores: exact output for good files, the game's own refusal
// for bad ones (status 1, "Title: text" on standard error), and the file never touched.

#include <gtest/gtest.h>

#include "runtool.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "game/besttimes.h"
#include "game/savefile.h"

namespace {

using namespace quorvel;
namespace fs = std::filesystem;

using quorvel::test::ToolRun;
ToolRun run(const std::string& args) {
    return quorvel::test::runTool(args);
}

class Inspectors : public ::testing::Test {
  protected:
    fs::path dir;

    void SetUp() override {
        char name[] = "/tmp/quorvel-inspect-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir = name;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir / "ro.sav", fs::perms::owner_all, ignored);
        fs::remove_all(dir, ignored);
    }

    /// The tool's refusal: status 1, err its one line, nothing printed; label names the case.
    static void expectRefused(const ToolRun& r, const std::string& err, const std::string& label) {
        EXPECT_EQ(r.status, 1) << label;
        EXPECT_EQ(r.err, err) << label;
        EXPECT_EQ(r.out, "") << label;
    }
    /// bytes with the one at `at` changed to value.
    static std::vector<std::uint8_t> changed(std::vector<std::uint8_t> bytes, std::size_t at,
                                             std::uint8_t value) {
        bytes[at] = value;
        return bytes;
    }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return p.string();
    }

    /// A level-1 game part played: every field a different value.
    static SavedGame sample() {
        SavedGame g;
        Maze& m = g.maze;
        m.mazeSize = 20;
        m.posRow = 7;
        m.posCol = 12;
        m.facing = 3;
        m.compassTurn = 2;
        m.grid.fill(cellOpen);
        for (int r = 0; r <= 20; ++r)
            for (int c = 0; c <= 21; ++c)
                m.set(r, c, static_cast<CellCode>((r * 22 + c) % 200));
        GameState& s = g.state;
        s.stepCount = 321;
        s.elapsed = 1.0 / 24;
        s.foodLevel = 55;
        s.gemScore = 13;
        s.batteryLevel = 42;
        s.batterySteps = 1;
        s.hasCompass = true;
        s.hasGps = false;
        s.hasTracker = true;
        s.mapInView = false;
        s.hasBeacon = false;
        s.hasDetector = true;
        g.lastRow = 6;
        g.lastCol = -1;
        g.placedTally[cellFood] = 9;
        g.placedTally[cellWall] = 229;
        return g;
    }
};

TEST_F(Inspectors, SavePrintsEveryFieldTheGridAndThePlacedCounts) {
    const SavedGame g = sample();
    const std::string path = write("Tester1.sav", encodeSave(g));
    const ToolRun r = run("save " + path);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    std::ostringstream expected;
    expected << "posrow\t7\nposcol\t12\nfacing\t3\nmazesize\t20\nstepcount\t321\n"
                "compassturn\t2\nlastrow\t6\nlastcol\t-1\nelapsed\t0.041666667\n"
                "foodlevel\t55\ngemscore\t13\nbatterylevel\t42\nbatterysteps\t1\n"
                "hascompass\t1\nhasgps\t0\nhastracker\t1\nmapinview\t0\nhasbeacon\t0\n"
                "hasdetector\t1\ngrid\n";
    for (int r = 0; r <= 20; ++r)
        for (int c = 0; c <= 21; ++c)
            expected << (r * 22 + c) % 200 << (c == 21 ? "\n" : " ");
    expected << "placed\t97\t9\nplaced\t129\t229\n";
    EXPECT_EQ(r.out, expected.str());
}

// A saved game that kept its maze's number prints it as the last header line, the
// form "quorvel3d --maze" takes; every other line stays as it was.
TEST_F(Inspectors, SavePrintsTheMazeNumberOnlyWhenTheGameKeptIt) {
    SavedGame g = sample();
    const ToolRun without = run("save " + write("Old1.sav", encodeSave(g)));
    ASSERT_EQ(without.status, 0) << without.err;
    EXPECT_EQ(without.out.find("maze\t"), std::string::npos);

    g.maze.seed = 4294967295u;
    const ToolRun with = run("save " + write("New1.sav", encodeSave(g)));
    ASSERT_EQ(with.status, 0) << with.err;
    std::string expected = without.out;
    expected.insert(expected.find("hasdetector\t1\n") + 14, "maze\t1-4294967295\n");
    EXPECT_EQ(with.out, expected);
    EXPECT_EQ(with.out.find("maze\t1-4294967295\ngrid\n") + 18, with.out.find("grid\n"));
}

TEST_F(Inspectors, SaveRefusesWhatTheGameRefuses) {
    const std::vector<std::uint8_t> good = encodeSave(sample());
    struct Case {
        std::string name;
        std::vector<std::uint8_t> bytes;
        std::string err;
    };
    const Case cases[] = {
        {"sig.sav", changed(good, 4, 'X'), "File Error: # is not a valid Quorvel Save File!\n"},
        {"empty.sav", {}, "File Error: # is not a valid Quorvel Save File!\n"},
        {"size.sav", changed(good, 16, 0xFF),
         "Data Error: # has is corrupt or has been altered!\n"},
        {"row131.sav", changed(good, 8, 131), "Data Error: # contains invalid data!\n"},
        {"col131.sav", changed(good, 12, 131), "Data Error: # contains invalid data!\n"},
        {"short.sav", std::vector<std::uint8_t>(good.begin(), good.begin() + 20000),
         "Data Error: # has is corrupt or has been altered!\n"},
        {"facing.sav", changed(good, 264, 9), "Data Error: # contains invalid data!\n"},
    };
    for (const Case& c : cases) {
        const std::string path = write(c.name, c.bytes);
        const ToolRun r = run("save " + path);
        std::string err = c.err;
        err.replace(err.find('#'), 1, path);
        expectRefused(r, err, c.name);
    }
    const std::string missing = (dir / "none.sav").string();
    expectRefused(run("save " + missing), "Load Error: Unable to read " + missing + "!\n", missing);

    EXPECT_EQ(run("save").status, 2);
    EXPECT_EQ(run("save a b").status, 2);
}

TEST_F(Inspectors, SaveOnlyReads) {
    const std::string path = write("ro.sav", encodeSave(sample()));
    fs::permissions(path, fs::perms::owner_read);
    const auto before = fs::last_write_time(path);
    EXPECT_EQ(run("save " + path).status, 0);
    EXPECT_EQ(fs::last_write_time(path), before);
    EXPECT_EQ(fs::file_size(path), saveRecordSize);
}

TEST_F(Inspectors, ScoresPrintTheBuiltInTableLevelByLevel) {
    const ToolRun r = run("scores --builtin");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream in(r.out);
    std::string line;
    int count = 0;
    std::getline(in, line);
    EXPECT_TRUE(line.starts_with("1\t1\t")) << line;
    EXPECT_NE(line.find("\t0.003379630\t0 days, 00:04:52\t"), std::string::npos) << line;
    ++count;
    while (std::getline(in, line)) {
        ++count;
        if (count == 18) {
            EXPECT_TRUE(line.starts_with("6\t3\t")) << line;
            EXPECT_NE(line.find("\t1.004641204\t1 day, 00:06:41\t"), std::string::npos) << line;
        }
    }
    EXPECT_EQ(count, 18);
}

TEST_F(Inspectors, ScoresPrintAFileExactly) {
    BestTimes table;
    BestTime t;
    t.name = "Ann";
    t.time = 0.5;
    t.gems = 8;
    t.timeText = "0 days, 12:00:00";
    t.steps = 900;
    t.food = 41;
    t.battery = 77;
    EXPECT_EQ(table.record(3, t), 1);
    const auto& image = table.image();
    const std::string path = write("quorvel3d.his", {image.begin(), image.end()});
    const ToolRun r = run("scores " + path);
    ASSERT_EQ(r.status, 0) << r.err;
    std::ostringstream expected;
    for (int level = 1; level <= 6; ++level)
        for (int rank = 1; rank <= 3; ++rank) {
            expected << level << '\t' << rank << '\t';
            if (level == 3 && rank == 1)
                expected << "Ann\t0.500000000\t0 days, 12:00:00\t8\t900\t41\t77\n";
            else
                expected << "Friend\t99.999999000\t99 days, 23:59:59\t0\t0\t0\t0\n";
        }
    EXPECT_EQ(r.out, expected.str());
}

TEST_F(Inspectors, ScoresRefuseWhatTheGameReplaces) {
    const std::vector<std::uint8_t> good(BestTimes().image().begin(), BestTimes().image().end());
    const std::string notValid =
        " is not a valid Quorvel Score File! Defuault scores will be used!\n";
    const std::string corrupt = " is corrupt or has been altered!  Defuault scores will be used!\n";
    struct Case {
        std::string name;
        std::vector<std::uint8_t> bytes;
        std::string title, text;
    };
    const Case cases[] = {
        {"sig.his", changed(good, 1, 'q'), "File Error", notValid},
        {"empty.his", {}, "File Error", notValid},
        {"size.his", changed(good, 16, 0xFF), "Data Error", corrupt},
        {"short.his", std::vector<std::uint8_t>(good.begin(), good.begin() + 300), "Data Error",
         corrupt},
    };
    for (const Case& c : cases) {
        const std::string path = write(c.name, c.bytes);
        expectRefused(run("scores " + path), c.title + ": " + path + c.text, c.name);
    }
    const std::string missing = (dir / "none.his").string();
    expectRefused(run("scores " + missing),
                  "File Error: Unable to read " + missing + "!  Defuault scores will be used!\n",
                  missing);
    EXPECT_FALSE(fs::exists(missing));

    EXPECT_EQ(run("scores").status, 2);
    EXPECT_EQ(run("scores --bultin").status, 2);
}

// Whatever stands under the name, the inspectors end at once: a folder, a pipe with
// no writer, an endless device or a sparse file of gigabytes is refused with the
// game's own "not a valid" line, also where memory is limited.
TEST_F(Inspectors, WhatIsNoSavedGameOrTableIsRefusedAtOnce) {
    const fs::path folder = dir / "folder.sav";
    fs::create_directory(folder);
    const fs::path pipe = dir / "pipe.sav";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const fs::path sparse = dir / "sparse.sav";
    std::ofstream(sparse) << "x";
    fs::resize_file(sparse, 3ULL << 30);

    const std::string saveText = " is not a valid Quorvel Save File!\n";
    const std::string scoresText =
        " is not a valid Quorvel Score File! Defuault scores will be used!\n";
    for (const std::string& path : {folder.string(), pipe.string(), std::string("/dev/zero"),
                                    std::string("/dev/urandom"), sparse.string()}) {
        for (const std::string& limit : {std::string(), std::string("ulimit -v 262144;")}) {
            expectRefused(quorvel::test::runTool("save " + path, limit + " timeout 10"),
                          "File Error: " + path + saveText, path + limit);
            expectRefused(quorvel::test::runTool("scores " + path, limit + " timeout 10"),
                          "File Error: " + path + scoresText, path + limit);
        }
    }
}

// The game reads one record of a longer file and so does the inspector: a saved game
// followed by gigabytes of nothing prints as the saved game alone.
TEST_F(Inspectors, OnlyTheRecordOfALongerFileIsRead) {
    const std::vector<std::uint8_t> record = encodeSave(sample());
    const std::string exact = write("exact.sav", record);
    const std::string longer = write("longer.sav", record);
    fs::resize_file(longer, 3ULL << 30);
    const ToolRun expected = run("save " + exact);
    ASSERT_EQ(expected.status, 0) << expected.err;
    const ToolRun r = quorvel::test::runTool("save " + longer, "ulimit -v 262144; timeout 10");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expected.out);
}

} // namespace
