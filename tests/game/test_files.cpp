// The saved-game record and the best-times table, in memory, byte for byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "game/besttimes.h"
#include "game/generator.h"
#include "game/random.h"
#include "game/savefile.h"

namespace quorvel {
namespace {

SavedGame sample() {
    SavedGame g;
    Random rng(77);
    generateAccepted(g.maze, rng, 3);
    g.maze.posRow = 7;
    g.maze.posCol = 9;
    g.maze.facing = 4;
    g.state.stepCount = 1234;
    g.state.foodLevel = 87;
    g.state.gemScore = 13;
    g.state.batteryLevel = 42;
    g.state.batterySteps = 1;
    g.state.hasGps = true;
    g.state.mapInView = true;
    g.state.hasDetector = true;
    g.state.elapsed = 1.0 / 24; // 0 days, 01:00:00
    g.lastRow = 7;
    g.lastCol = 8;
    g.placedTally[cellFood] = 100;
    g.placedTally[255] = -3;
    return g;
}

TEST(SaveFile, RecordLayoutIsFixed) {
    const std::vector<std::uint8_t> r = encodeSave(sample());
    ASSERT_EQ(r.size(), 34304u);
    EXPECT_EQ((std::vector<std::uint8_t>(r.begin(), r.begin() + 20)),
              (std::vector<std::uint8_t>{4, 'Q', 'V', '3', 'S', 1, 35,   0,    130, 0,
                                         0, 0,   130, 0,   0,   0, 0x00, 0x86, 0,   0}));
    EXPECT_EQ(r[256], 7);    // posrow
    EXPECT_EQ(r[260], 9);    // poscol
    EXPECT_EQ(r[264], 4);    // facing
    EXPECT_EQ(r[268], 60);   // mazesize
    EXPECT_EQ(r[272], 0xD2); // stepcount 1234 = 0x04D2
    EXPECT_EQ(r[273], 0x04);
    EXPECT_EQ(r[512], 87);
    EXPECT_EQ(r[516], 13);
    EXPECT_EQ(r[520], 42);
    EXPECT_EQ(r[524], 1);
    EXPECT_EQ((std::vector<std::uint8_t>(r.begin() + 528, r.begin() + 534)),
              (std::vector<std::uint8_t>{0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(r[768 + 0], 129); // grid (0, 0) is the frame
    EXPECT_EQ(r[32512 + 4 * cellFood], 100);
    EXPECT_EQ(r[32512 + 4 * 255], 0xFD); // -3
    EXPECT_EQ((std::vector<std::uint8_t>(r.begin() + 296, r.begin() + 304)),
              (std::vector<std::uint8_t>{'Q', 'V', '3', 'N', 77, 0, 0, 0})); // maze number
    for (const std::size_t zero :
         {20u, 255u, 304u, 511u, 534u, 767u, 17929u, 32511u, 33536u, 34303u})
        EXPECT_EQ(r[zero], 0) << zero;
}

// The record put together byte by byte from the layout table, field by field, and
// compared with what the encoder makes over all 34304 bytes.
TEST(SaveFile, EveryByteFollowsTheLayoutTable) {
    SavedGame g = sample();
    g.maze.compassTurn = 3;
    g.maze.grid[5 * 131 + 2] = 'F'; // not symmetric, so rows and columns cannot swap
    g.state.stepCount = 0x01020304;
    g.state.foodLevel = -2;
    g.state.hasCompass = true;
    g.state.hasGps = false;
    g.state.mapInView = true;
    g.state.hasBeacon = true;
    g.state.hasDetector = false;
    g.state.elapsed = 2.75; // 2 days, 18:00:00: 0x4006000000000000
    g.lastRow = -1;
    g.lastCol = 0x0A0B;

    std::vector<std::uint8_t> want(34304, 0);
    const auto put = [&want](std::size_t at, std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i)
            want[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    const auto put32 = [&put](std::size_t at, std::int32_t value) {
        put(at, static_cast<std::uint32_t>(value), 4);
    };
    put(0, 4, 1);
    want[1] = 0x51, want[2] = 0x56, want[3] = 0x33, want[4] = 0x53; // QV3S
    want[5] = 1, want[6] = 0x23;
    put32(8, 130);
    put32(12, 130);
    put32(16, 34304);
    put32(256, 7);          // posrow
    put32(260, 9);          // poscol
    put32(264, 4);          // facing
    put32(268, 60);         // mazesize
    put32(272, 0x01020304); // stepcount
    put32(276, 3);          // compassturn
    put32(280, -1);         // lastrow: none
    put32(284, 0x0A0B);     // lastcol
    put(288, 0x4006000000000000ull, 8);
    want[296] = 'Q', want[297] = 'V', want[298] = '3', want[299] = 'N'; // the maze's number:
    put32(300, 77);                                                     // its first state
    put32(512, -2);                                                     // foodlevel
    put32(516, 13);                                                     // gemscore
    put32(520, 42);                                                     // batterylevel
    put32(524, 1);                                                      // batterysteps
    // hascompass, hasgps, hastracker, mapinview, hasbeacon, hasdetector
    for (const auto& [at, flag] :
         {std::pair{528u, 1}, {529u, 0}, {530u, 0}, {531u, 1}, {532u, 1}, {533u, 0}})
        want[at] = static_cast<std::uint8_t>(flag);
    for (int r = 0; r < 131; ++r)
        for (int c = 0; c < 131; ++c)
            want[768 + static_cast<std::size_t>(r * 131 + c)] = g.maze.at(r, c);
    put32(32512 + 4 * cellFood, 100);
    put32(32512 + 4 * 255, -3);

    const std::vector<std::uint8_t> got = encodeSave(g);
    ASSERT_EQ(got.size(), want.size());
    EXPECT_EQ(want[768 + 5 * 131 + 2], 'F');
    int shown = 0;
    for (std::size_t i = 0; i < want.size() && shown < 8; ++i)
        if (got[i] != want[i]) {
            ADD_FAILURE() << "byte " << i << " is " << int(got[i]) << ", not " << int(want[i]);
            ++shown;
        }
}

TEST(SaveFile, RoundTripsEveryField) {
    const SavedGame in = sample();
    SavedGame out;
    ASSERT_EQ(decodeSave(encodeSave(in), out), SaveProblem::none);
    EXPECT_EQ(out.maze.grid, in.maze.grid);
    EXPECT_EQ(out.maze.posRow, 7);
    EXPECT_EQ(out.maze.mazeSize, 60);
    EXPECT_EQ(out.maze.compassTurn, in.maze.compassTurn);
    EXPECT_EQ(out.state.foodLevel, 87);
    EXPECT_TRUE(out.state.hasGps && out.state.mapInView && out.state.hasDetector);
    EXPECT_FALSE(out.state.hasCompass || out.state.hasTracker || out.state.hasBeacon);
    EXPECT_DOUBLE_EQ(out.state.elapsed, 1.0 / 24);
    EXPECT_EQ(out.lastCol, 8);
    EXPECT_EQ(out.placedTally, in.placedTally);
    EXPECT_EQ(encodeSave(out), encodeSave(in));
}

// The maze's number rides in the zero-filled area after the elapsed time: marker and
// state, nothing else changed; a record without the marker (an older game) has none.
TEST(SaveFile, KeepsTheMazeNumberWhereOlderRecordsHaveZeros) {
    SavedGame in = sample();
    for (const std::uint32_t state : {0u, 12345u, 4294967295u}) {
        in.maze.seed = state;
        const std::vector<std::uint8_t> r = encodeSave(in);
        EXPECT_EQ((std::vector<std::uint8_t>(r.begin() + 296, r.begin() + 300)),
                  (std::vector<std::uint8_t>{'Q', 'V', '3', 'N'}));
        EXPECT_EQ(r[300] | r[301] << 8 | r[302] << 16 | std::uint32_t{r[303]} << 24, state);
        SavedGame out;
        ASSERT_EQ(decodeSave(r, out), SaveProblem::none);
        EXPECT_EQ(out.maze.seed, std::optional<std::uint32_t>(state));
    }

    // Without a number the area stays zero, byte for byte as before.
    in.maze.seed.reset();
    const std::vector<std::uint8_t> old = encodeSave(in);
    EXPECT_TRUE(std::all_of(old.begin() + 296, old.begin() + 512, [](auto b) { return b == 0; }));
    in.maze.seed = 12345;
    std::vector<std::uint8_t> numbered = encodeSave(in);
    std::fill(numbered.begin() + 296, numbered.begin() + 304, 0);
    EXPECT_EQ(numbered, old);

    SavedGame loaded;
    loaded.maze.seed = 99; // a number left from an earlier game does not survive a load
    ASSERT_EQ(decodeSave(old, loaded), SaveProblem::none);
    EXPECT_EQ(loaded.maze.seed, std::nullopt);

    // Other bytes there, without the whole marker, are no number either.
    std::vector<std::uint8_t> other = encodeSave(in);
    other[299] = 'S';
    ASSERT_EQ(decodeSave(other, loaded), SaveProblem::none);
    EXPECT_EQ(loaded.maze.seed, std::nullopt);
}

TEST(SaveFile, RefusesDamagedFilesWithTheRightProblemAndTouchesNothing) {
    const std::vector<std::uint8_t> good = encodeSave(sample());
    SavedGame untouched;
    untouched.state.foodLevel = 55;
    const auto refuse = [&](std::vector<std::uint8_t> file) {
        SavedGame g = untouched;
        const SaveProblem p = decodeSave(file, g);
        EXPECT_EQ(g.state.foodLevel, 55);
        return p;
    };
    EXPECT_EQ(refuse({}), SaveProblem::notValid); // an empty file
    EXPECT_EQ(refuse(std::vector<std::uint8_t>(good.begin(), good.begin() + 256)),
              SaveProblem::corrupt);
    EXPECT_EQ(refuse(std::vector<std::uint8_t>(good.begin(), good.end() - 1)),
              SaveProblem::corrupt);
    // One byte changed: the signature, the size, a highest row past the grid, a negative
    // highest column (its top byte), then sizes, facings and places the game never writes.
    const struct {
        std::size_t at;
        std::uint8_t value;
        SaveProblem problem;
    } changes[] = {{4, 'X', SaveProblem::notValid},     {16, 0xFF, SaveProblem::corrupt},
                   {8, 131, SaveProblem::invalidData},  {12 + 3, 0xFF, SaveProblem::invalidData},
                   {268, 30, SaveProblem::invalidData}, {268, 140, SaveProblem::invalidData},
                   {264, 0, SaveProblem::invalidData},  {264, 5, SaveProblem::invalidData},
                   {276, 4, SaveProblem::invalidData},  {256, 61, SaveProblem::invalidData}};
    std::vector<std::uint8_t> bad;
    for (const auto& change : changes) {
        bad = good;
        bad[change.at] = change.value;
        EXPECT_EQ(refuse(bad), change.problem) << change.at << "=" << int(change.value);
    }
    // A longer file is read as its record.
    bad = good;
    bad.resize(40000, 0xEE);
    SavedGame g;
    EXPECT_EQ(decodeSave(bad, g), SaveProblem::none);
}

// Counters the game never writes: a lost game's food (0 or less), a battery outside
// 0..100, negative gems or steps, and counts so large that the next food box, gem or
// step would overflow. Playing such a file would go on with no food, or worse.
TEST(SaveFile, RefusesCountersTheGameNeverWrites) {
    const auto withValue = [](std::size_t at, std::int32_t value) {
        std::vector<std::uint8_t> file = encodeSave(sample());
        const auto bits = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
        SavedGame g;
        return decodeSave(file, g);
    };
    const std::int32_t huge = 1 << 30, most = 2147483647;
    const std::pair<std::size_t, std::int32_t> refused[] = {
        {512, 0},  {512, -503316395}, {512, most}, {520, -1},   {520, 101},
        {516, -1}, {516, most},       {272, -1},   {272, most}, {524, -1}};
    for (const auto& [at, value] : refused)
        EXPECT_EQ(withValue(at, value), SaveProblem::invalidData) << at << "=" << value;
    const std::pair<std::size_t, std::int32_t> taken[] = {{512, 1},   {512, huge}, {520, 0},
                                                          {520, 100}, {516, 0},    {516, huge},
                                                          {272, 0},   {272, huge}, {524, 0}};
    for (const auto& [at, value] : taken)
        EXPECT_EQ(withValue(at, value), SaveProblem::none) << at << "=" << value;
}

TEST(SaveFile, ASmallerGridRectangleLeavesTheRestOpen) {
    std::vector<std::uint8_t> file = encodeSave(sample());
    file[8] = 60;
    file[12] = 60;
    SavedGame g;
    g.maze.grid.fill(cellWall);
    ASSERT_EQ(decodeSave(file, g), SaveProblem::none);
    EXPECT_EQ(g.maze.at(0, 0), cellWall);
    EXPECT_EQ(g.maze.at(60, 61), cellOpen);
    EXPECT_EQ(g.maze.at(61, 0), cellOpen);
}

TEST(SaveFile, ABadPlayingTimeStartsTheClockAtZero) {
    SavedGame in = sample();
    for (const double t : {-1.0, std::nan(""), static_cast<double>(INFINITY)}) {
        in.state.elapsed = t;
        SavedGame out;
        ASSERT_EQ(decodeSave(encodeSave(in), out), SaveProblem::none);
        EXPECT_EQ(out.state.elapsed, 0.0);
    }
}

BestTime result(const std::string& name, double time, int gems) {
    BestTime t;
    t.name = name;
    t.time = time;
    t.gems = gems;
    t.timeText = "0 days, 00:10:00";
    t.steps = 321;
    t.start[cellFood] = 9;
    t.end[cellFood] = 4;
    return t;
}

TEST(BestTimes, ADefaultTableHoldsFriendAtNinetyNineDays) {
    const BestTimes table;
    ASSERT_EQ(table.image().size(), 39424u);
    EXPECT_EQ(BestTimes::checkHeader(table.image()), BestTimesProblem::none);
    EXPECT_EQ(table.image()[5], 1);
    EXPECT_EQ(table.image()[6], 35);
    const BestTime e = table.entry(6, 3);
    EXPECT_EQ(e.name, "Friend");
    EXPECT_EQ(e.time, 99.999999);
    EXPECT_EQ(e.timeText, "99 days, 23:59:59");
    EXPECT_EQ(e.gems, 0);
    // The last entry ends at the last byte of the file.
    EXPECT_EQ(table.image()[bestTimesSize - 2176], 6); // "Friend" length byte
    // A capped game beats the default only with gems.
    EXPECT_EQ(table.rankOf(1, 99.999999, 0), 0);
    EXPECT_EQ(table.rankOf(1, 99.999999, 1), 1);
}

TEST(BestTimes, RanksByTimeThenGemsAndMakesRoom) {
    BestTimes table;
    // The level's three names after each result: each one pushed down goes one rank.
    const auto names = [&table] {
        return table.entry(2, 1).name + " " + table.entry(2, 2).name + " " + table.entry(2, 3).name;
    };
    EXPECT_EQ(table.record(2, result("C", 0.04, 0)), 1);
    EXPECT_EQ(table.record(2, result("B", 0.03, 0)), 1);
    EXPECT_EQ(names(), "B C Friend");
    EXPECT_EQ(table.record(2, result("A", 0.02, 5)), 1);
    EXPECT_EQ(names(), "A B C");
    EXPECT_EQ(table.record(2, result("D", 0.05, 9)), 0); // slower than rank 3: nothing changes
    EXPECT_EQ(table.record(2, result("E", 0.02, 6)), 1); // same time, more gems: above
    EXPECT_EQ(names(), "E A B");
    EXPECT_EQ(table.record(2, result("F", 0.02, 6)), 2); // same time, same gems: below
    EXPECT_EQ(names(), "E F A");
    EXPECT_EQ(table.entry(1, 1).name, "Friend"); // other levels untouched
    EXPECT_EQ(table.entry(3, 3).name, "Friend");
    const BestTime e = table.entry(2, 1);
    EXPECT_EQ(e.steps, 321);
    EXPECT_EQ(e.start[cellFood], 9u);
    EXPECT_EQ(e.end[cellFood], 4u);
    const std::size_t at = 256 + 6528;    // level 2, rank 1
    EXPECT_EQ(table.image()[at + 68], 6); // gem points stored twice
    EXPECT_EQ(table.record(0, result("G", 0.001, 0)), 0);
    EXPECT_EQ(table.record(7, result("G", 0.001, 0)), 0);
}

TEST(BestTimes, NamesAreCutToTwentyCharactersNeverInsideOne) {
    const std::string aUml = "\xC3\x84", omega = "\xCE\xA9", grin = "\xF0\x9F\x98\x80";
    auto times = [](const std::string& s, int n) {
        std::string out;
        for (int i = 0; i < n; ++i)
            out += s;
        return out;
    };
    const std::size_t level1rank1 = 256;
    BestTimes table;
    table.record(1, result("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 0.01, 0));
    EXPECT_EQ(table.entry(1, 1).name, "ABCDEFGHIJKLMNOPQRST");

    // Eleven letters are eleven letters, though their UTF-8 takes 22 bytes: the entry
    // holds them in Windows-1252, one byte each, as names were stored on Windows.
    table.record(1, result(times(aUml, 11), 0.009, 0));
    EXPECT_EQ(table.entry(1, 1).name, times(aUml, 11));
    EXPECT_EQ(table.image()[level1rank1], 11);
    EXPECT_EQ(table.image()[level1rank1 + 1], 0xC4);
    table.record(1, result(times(aUml, 25), 0.008, 0));
    EXPECT_EQ(table.entry(1, 1).name, times(aUml, 20));
    table.record(1, result("Zo\xC3\xAB", 0.007, 0)); // fits as it is: kept in UTF-8
    EXPECT_EQ(table.entry(1, 1).name, "Zo\xC3\xAB");
    EXPECT_EQ(table.image()[level1rank1], 4);
    table.record(1, result(std::string(19, 'A') + aUml, 0.0065, 0)); // 20 letters, 21 bytes
    EXPECT_EQ(table.entry(1, 1).name, std::string(19, 'A') + aUml);
    EXPECT_EQ(table.image()[level1rank1], 20);

    // Letters Windows-1252 has no byte for: as many whole ones as fit.
    table.record(2, result(times(omega, 15), 0.01, 0));
    EXPECT_EQ(table.entry(2, 1).name, times(omega, 10));
    table.record(2, result(times(grin, 6) + "!", 0.009, 0));
    EXPECT_EQ(table.entry(2, 1).name, times(grin, 5));
    table.record(2, result(times(aUml, 19) + omega, 0.008, 0));
    EXPECT_EQ(table.entry(2, 1).name, times(aUml, 10));

    // A file written on Windows reads with its names as its players typed them.
    std::vector<std::uint8_t> file(table.image().begin(), table.image().end());
    const std::string windows = "J\xFCrgen \x80";
    file[level1rank1] = static_cast<std::uint8_t>(windows.size());
    std::copy(windows.begin(), windows.end(), file.begin() + level1rank1 + 1);
    EXPECT_EQ(BestTimes::fromFile(file).entry(1, 1).name, "J\xC3\xBCrgen \xE2\x82\xAC");
}

TEST(BestTimes, HeadersAreCheckedBySignatureAndSize) {
    const BestTimes table;
    std::vector<std::uint8_t> file(table.image().begin(), table.image().end());
    EXPECT_EQ(BestTimes::checkHeader(file), BestTimesProblem::none);
    EXPECT_EQ(BestTimes::checkHeader({}), BestTimesProblem::notValid);
    file[3] = 'X';
    EXPECT_EQ(BestTimes::checkHeader(file), BestTimesProblem::notValid);
    file[3] = 'B';
    file[16] -= 1;
    EXPECT_EQ(BestTimes::checkHeader(file), BestTimesProblem::corrupt);
    file[16] += 1;
    file[5] = 0;
    file[6] = 9; // versions are never tested
    EXPECT_EQ(BestTimes::checkHeader(file), BestTimesProblem::none);
    // A short file reads with zeros beyond its end; a hostile length byte stays inside.
    file.resize(3000);
    file[256] = 255;
    const BestTimes shortFile = BestTimes::fromFile(file);
    EXPECT_EQ(shortFile.entry(1, 1).name.size(), 20u);
    EXPECT_EQ(shortFile.entry(6, 3).name, "");
}

} // namespace
} // namespace quorvel
