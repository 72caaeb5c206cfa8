#include "game/savefile.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "game/bytes.h"
#include "game/levels.h"
#include "text/gametext.h"

namespace quorvel {

namespace {

using namespace bytes;

// Offsets of the record.
constexpr std::size_t offSignature = 0; // length 4, then "QV3S"
constexpr std::size_t offVersion = 5;   // major 1, minor 35
constexpr std::size_t offHighRow = 8;
constexpr std::size_t offHighCol = 12;
constexpr std::size_t offSize = 16;
constexpr std::size_t offPosRow = 256;
constexpr std::size_t offPosCol = 260;
constexpr std::size_t offFacing = 264;
constexpr std::size_t offMazeSize = 268;
constexpr std::size_t offStepCount = 272;
constexpr std::size_t offCompassTurn = 276;
constexpr std::size_t offLastRow = 280;
constexpr std::size_t offLastCol = 284;
constexpr std::size_t offElapsed = 288;
// The maze's number in the first bytes of the zero-filled area after the elapsed time:
// a marker, then the generator's first state. The level follows from the maze size.
// Readers that know nothing of it skip the area; a record without the marker (an older
// game, or a maze whose number was never known) has no number.
constexpr std::size_t offNumberMark = 296;
constexpr std::size_t offNumberState = 300;
constexpr std::size_t offFood = 512;
constexpr std::size_t offGems = 516;
constexpr std::size_t offBattery = 520;
constexpr std::size_t offBatterySteps = 524;
constexpr std::size_t offFlags = 528; // compass, gps, tracker, mapinview, beacon, detector
constexpr std::size_t offGrid = 768;
constexpr std::size_t offTally = 32512;

constexpr std::uint8_t signature[5] = {4, 'Q', 'V', '3', 'S'};
constexpr std::uint8_t numberMark[4] = {'Q', 'V', '3', 'N'};
constexpr std::int32_t highestIndex = gridSize - 1;

} // namespace

std::vector<std::uint8_t> encodeSave(const SavedGame& game) {
    std::vector<std::uint8_t> out(saveRecordSize, 0);
    const std::span<std::uint8_t> r(out);
    for (std::size_t i = 0; i < sizeof signature; ++i)
        r[offSignature + i] = signature[i];
    r[offVersion] = 1;
    r[offVersion + 1] = 35;
    put32(r, offHighRow, highestIndex);
    put32(r, offHighCol, highestIndex);
    put32(r, offSize, static_cast<std::int32_t>(saveRecordSize));
    const Maze& m = game.maze;
    const GameState& s = game.state;
    put32(r, offPosRow, m.posRow);
    put32(r, offPosCol, m.posCol);
    put32(r, offFacing, m.facing);
    put32(r, offMazeSize, m.mazeSize);
    put32(r, offStepCount, s.stepCount);
    put32(r, offCompassTurn, m.compassTurn);
    put32(r, offLastRow, game.lastRow);
    put32(r, offLastCol, game.lastCol);
    putDouble(r, offElapsed, s.elapsed);
    if (m.seed) {
        for (std::size_t i = 0; i < sizeof numberMark; ++i)
            r[offNumberMark + i] = numberMark[i];
        put32(r, offNumberState, static_cast<std::int32_t>(*m.seed));
    }
    put32(r, offFood, s.foodLevel);
    put32(r, offGems, s.gemScore);
    put32(r, offBattery, s.batteryLevel);
    put32(r, offBatterySteps, s.batterySteps);
    const bool flags[6] = {s.hasCompass, s.hasGps,    s.hasTracker,
                           s.mapInView,  s.hasBeacon, s.hasDetector};
    for (int i = 0; i < 6; ++i)
        r[offFlags + i] = flags[i] ? 1 : 0;
    for (std::size_t i = 0; i < m.grid.size(); ++i)
        r[offGrid + i] = m.grid[i];
    for (int code = 0; code < 256; ++code)
        put32(r, offTally + 4 * code, game.placedTally[code]);
    return out;
}

SaveProblem checkSaveHeader(std::span<const std::uint8_t> head) {
    // A short file reads as if the rest were zeros after a first byte of 4.
    std::uint8_t buffer[saveHeaderSize] = {4};
    for (std::size_t i = 0; i < head.size() && i < saveHeaderSize; ++i)
        buffer[i] = head[i];
    const std::span<const std::uint8_t> h(buffer);
    for (std::size_t i = 0; i < sizeof signature; ++i)
        if (h[offSignature + i] != signature[i]) return SaveProblem::notValid;
    if (get32(h, offSize) != static_cast<std::int32_t>(saveRecordSize)) return SaveProblem::corrupt;
    const std::int32_t highRow = get32(h, offHighRow), highCol = get32(h, offHighCol);
    if (highRow > highestIndex || highCol > highestIndex || highRow < 0 || highCol < 0)
        return SaveProblem::invalidData;
    return SaveProblem::none;
}

SaveProblem decodeSave(std::span<const std::uint8_t> file, SavedGame& game) {
    if (const SaveProblem p = checkSaveHeader(file.first(std::min(file.size(), saveHeaderSize)));
        p != SaveProblem::none)
        return p;
    // The header promised a whole record: a shorter file has been cut.
    if (file.size() < saveRecordSize) return SaveProblem::corrupt;
    const std::span<const std::uint8_t> r = file.first(saveRecordSize);

    SavedGame g;
    Maze& m = g.maze;
    GameState& s = g.state;
    m.posRow = get32(r, offPosRow);
    m.posCol = get32(r, offPosCol);
    m.facing = get32(r, offFacing);
    m.mazeSize = get32(r, offMazeSize);
    m.compassTurn = get32(r, offCompassTurn);
    s.stepCount = get32(r, offStepCount);
    g.lastRow = get32(r, offLastRow);
    g.lastCol = get32(r, offLastCol);
    s.elapsed = getDouble(r, offElapsed);
    if (std::equal(std::begin(numberMark), std::end(numberMark), r.begin() + offNumberMark))
        m.seed = static_cast<std::uint32_t>(get32(r, offNumberState));
    s.foodLevel = get32(r, offFood);
    s.gemScore = get32(r, offGems);
    s.batteryLevel = get32(r, offBattery);
    s.batterySteps = get32(r, offBatterySteps);
    bool* flags[6] = {&s.hasCompass, &s.hasGps,    &s.hasTracker,
                      &s.mapInView,  &s.hasBeacon, &s.hasDetector};
    for (int i = 0; i < 6; ++i)
        *flags[i] = r[offFlags + i] != 0;

    // The game never writes these; a file holding them was made elsewhere, and playing
    // it would put the player outside the maze.
    const int n = m.mazeSize;
    if (!isLevelMazeSize(n) || m.facing < 1 || m.facing > 4 || m.compassTurn < 0 ||
        m.compassTurn > 3 || m.posRow < 0 || m.posRow > n || m.posCol < 0 || m.posCol > n)
        return SaveProblem::invalidData;
    // Nor these counters: a game with no food left is lost and never saved, the battery
    // runs from 0 to 100, and no game comes near a thousand million food, gems or
    // steps (counts that large would overflow at the next food box, gem or step).
    const auto counted = [](std::int32_t value) { return value >= 0 && value <= (1 << 30); };
    if (s.foodLevel <= 0 || !counted(s.foodLevel) || s.batteryLevel < 0 || s.batteryLevel > 100 ||
        !counted(s.gemScore) || !counted(s.stepCount) || !counted(s.batterySteps))
        return SaveProblem::invalidData;
    if (!std::isfinite(s.elapsed) || s.elapsed < 0) s.elapsed = 0;

    // The grid: the rectangle the file holds; cells outside it stay open floor.
    const std::int32_t highRow = get32(r, offHighRow), highCol = get32(r, offHighCol);
    m.grid.fill(cellOpen);
    for (int row = 0; row <= highRow; ++row)
        for (int col = 0; col <= highCol; ++col)
            m.grid[row * gridSize + col] =
                r[offGrid + static_cast<std::size_t>(row) * gridSize + col];
    for (int code = 0; code < 256; ++code)
        g.placedTally[code] = get32(r, offTally + 4 * code);

    game = g;
    return SaveProblem::none;
}

std::pair<std::string, std::string> saveProblemDialog(SaveProblem problem,
                                                      const std::string& path) {
    switch (problem) {
    case SaveProblem::none: break;
    case SaveProblem::notValid:
        return {
            gameText("quorvel::Problems", "File Error"),
            fillIn(gameText("quorvel::Problems", "%1 is not a valid Quorvel Save File!"), path)};
    case SaveProblem::corrupt:
        return {
            gameText("quorvel::Problems", "Data Error"),
            fillIn(gameText("quorvel::Problems", "%1 has is corrupt or has been altered!"), path)};
    case SaveProblem::invalidData:
        return {gameText("quorvel::Problems", "Data Error"),
                fillIn(gameText("quorvel::Problems", "%1 contains invalid data!"), path)};
    case SaveProblem::unreadable:
        return {gameText("quorvel::Problems", "Load Error"),
                fillIn(gameText("quorvel::Problems", "Unable to read %1!"), path)};
    }
    return {};
}

} // namespace quorvel
