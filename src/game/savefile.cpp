#include "savefile.h"

#include <cmath>

#include "bytes.h"

namespace quorvel {

namespace {

using namespace bytes;

// Offsets of the record.
constexpr std::size_t offsignature = 0; // length 4, then "QV3S"
constexpr std::size_t offversion = 5;   // major 1, minor 35
constexpr std::size_t offhighrow = 8;
constexpr std::size_t offhighcol = 12;
constexpr std::size_t offsize = 16;
constexpr std::size_t offposrow = 256;
constexpr std::size_t offposcol = 260;
constexpr std::size_t offfacing = 264;
constexpr std::size_t offmazesize = 268;
constexpr std::size_t offstepcount = 272;
constexpr std::size_t offcompassturn = 276;
constexpr std::size_t offlastrow = 280;
constexpr std::size_t offlastcol = 284;
constexpr std::size_t offelapsed = 288;
constexpr std::size_t offfood = 512;
constexpr std::size_t offgems = 516;
constexpr std::size_t offbattery = 520;
constexpr std::size_t offbatterysteps = 524;
constexpr std::size_t offflags = 528; // compass, gps, tracker, mapinview, beacon, detector
constexpr std::size_t offgrid = 768;
constexpr std::size_t offtally = 32512;

constexpr std::uint8_t signature[5] = {4, 'Q', 'V', '3', 'S'};
constexpr std::int32_t highestindex = gridsize - 1;

} // namespace

std::vector<std::uint8_t> encodesave(const SavedGame& game) {
    std::vector<std::uint8_t> out(saverecordsize, 0);
    const std::span<std::uint8_t> r(out);
    for (std::size_t i = 0; i < sizeof signature; ++i)
        r[offsignature + i] = signature[i];
    r[offversion] = 1;
    r[offversion + 1] = 35;
    put32(r, offhighrow, highestindex);
    put32(r, offhighcol, highestindex);
    put32(r, offsize, static_cast<std::int32_t>(saverecordsize));
    const Maze& m = game.maze;
    const GameState& s = game.state;
    put32(r, offposrow, m.posrow);
    put32(r, offposcol, m.poscol);
    put32(r, offfacing, m.facing);
    put32(r, offmazesize, m.mazesize);
    put32(r, offstepcount, s.stepcount);
    put32(r, offcompassturn, m.compassturn);
    put32(r, offlastrow, game.lastrow);
    put32(r, offlastcol, game.lastcol);
    putdouble(r, offelapsed, s.elapsed);
    put32(r, offfood, s.foodlevel);
    put32(r, offgems, s.gemscore);
    put32(r, offbattery, s.batterylevel);
    put32(r, offbatterysteps, s.batterysteps);
    const bool flags[6] = {s.hascompass, s.hasgps,    s.hastracker,
                           s.mapinview,  s.hasbeacon, s.hasdetector};
    for (int i = 0; i < 6; ++i)
        r[offflags + i] = flags[i] ? 1 : 0;
    for (std::size_t i = 0; i < m.grid.size(); ++i)
        r[offgrid + i] = m.grid[i];
    for (int code = 0; code < 256; ++code)
        put32(r, offtally + 4 * code, game.placedtally[code]);
    return out;
}

SaveProblem checksaveheader(std::span<const std::uint8_t> head) {
    // A short file reads as if the rest were zeros after a first byte of 4.
    std::uint8_t buffer[saveheadersize] = {4};
    for (std::size_t i = 0; i < head.size() && i < saveheadersize; ++i)
        buffer[i] = head[i];
    const std::span<const std::uint8_t> h(buffer);
    for (std::size_t i = 0; i < sizeof signature; ++i)
        if (h[offsignature + i] != signature[i]) return SaveProblem::notvalid;
    if (get32(h, offsize) != static_cast<std::int32_t>(saverecordsize)) return SaveProblem::corrupt;
    const std::int32_t highrow = get32(h, offhighrow), highcol = get32(h, offhighcol);
    if (highrow > highestindex || highcol > highestindex || highrow < 0 || highcol < 0)
        return SaveProblem::invaliddata;
    return SaveProblem::none;
}

SaveProblem decodesave(std::span<const std::uint8_t> file, SavedGame& game) {
    if (const SaveProblem p = checksaveheader(file.first(std::min(file.size(), saveheadersize)));
        p != SaveProblem::none)
        return p;
    // The header promised a whole record: a shorter file has been cut.
    if (file.size() < saverecordsize) return SaveProblem::corrupt;
    const std::span<const std::uint8_t> r = file.first(saverecordsize);

    SavedGame g;
    Maze& m = g.maze;
    GameState& s = g.state;
    m.posrow = get32(r, offposrow);
    m.poscol = get32(r, offposcol);
    m.facing = get32(r, offfacing);
    m.mazesize = get32(r, offmazesize);
    m.compassturn = get32(r, offcompassturn);
    s.stepcount = get32(r, offstepcount);
    g.lastrow = get32(r, offlastrow);
    g.lastcol = get32(r, offlastcol);
    s.elapsed = getdouble(r, offelapsed);
    s.foodlevel = get32(r, offfood);
    s.gemscore = get32(r, offgems);
    s.batterylevel = get32(r, offbattery);
    s.batterysteps = get32(r, offbatterysteps);
    bool* flags[6] = {&s.hascompass, &s.hasgps,    &s.hastracker,
                      &s.mapinview,  &s.hasbeacon, &s.hasdetector};
    for (int i = 0; i < 6; ++i)
        *flags[i] = r[offflags + i] != 0;

    // The game never writes these; a file holding them was made elsewhere, and playing
    // it would put the player outside the maze.
    const int n = m.mazesize;
    if (n < 20 || n > 120 || n % 20 != 0 || m.facing < 1 || m.facing > 4 || m.compassturn < 0 ||
        m.compassturn > 3 || m.posrow < 0 || m.posrow > n || m.poscol < 0 || m.poscol > n)
        return SaveProblem::invaliddata;
    if (!std::isfinite(s.elapsed) || s.elapsed < 0) s.elapsed = 0;

    // The grid: the rectangle the file holds; cells outside it stay open floor.
    const std::int32_t highrow = get32(r, offhighrow), highcol = get32(r, offhighcol);
    m.grid.fill(cellopen);
    for (int row = 0; row <= highrow; ++row)
        for (int col = 0; col <= highcol; ++col)
            m.grid[row * gridsize + col] =
                r[offgrid + static_cast<std::size_t>(row) * gridsize + col];
    for (int code = 0; code < 256; ++code)
        g.placedtally[code] = get32(r, offtally + 4 * code);

    game = g;
    return SaveProblem::none;
}

std::pair<std::string, std::string> saveproblemdialog(SaveProblem problem,
                                                      const std::string& path) {
    switch (problem) {
    case SaveProblem::none: break;
    case SaveProblem::notvalid: return {"File Error", path + " is not a valid Quorvel Save File!"};
    case SaveProblem::corrupt: return {"Data Error", path + " has is corrupt or has been altered!"};
    case SaveProblem::invaliddata: return {"Data Error", path + " contains invalid data!"};
    case SaveProblem::unreadable: return {"Load Error", "Unable to read " + path + "!"};
    }
    return {};
}

} // namespace quorvel
