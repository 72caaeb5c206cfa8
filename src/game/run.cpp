#include "game/run.h"

#include <array>
#include <cmath>

#include "game/bytes.h"
#include "game/clock.h"
#include "game/levels.h"
#include "game/maze.h"
#include "game/state.h"

namespace quorvel {

namespace {

using namespace bytes;

constexpr std::array<std::uint8_t, 4> magic = {'Q', 'V', '3', 'R'};
constexpr std::uint16_t formatVersion = 1;
constexpr std::size_t headerSize = 38; // up to the player's name
constexpr std::size_t eventSize = 17;  // time, action, value, digest
constexpr std::size_t longestName = 1024;

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void putF64(std::vector<std::uint8_t>& out, double v) {
    std::array<std::uint8_t, 8> b{};
    putDouble(b, 0, v);
    out.insert(out.end(), b.begin(), b.end());
}
std::uint16_t get16(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint16_t>(in[at] | in[at + 1] << 8);
}
std::uint32_t getU32(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint32_t>(get32(in, at));
}

// The CRC-32 of zlib and PNG, a byte at a time from a table: a run file of tens of
// megabytes is checked in a few hundredths of a second.
constexpr std::array<std::uint32_t, 256> crcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
        table[n] = c;
    }
    return table;
}();

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t b : bytes)
        crc = (crc >> 8) ^ crcTable[(crc ^ b) & 0xFFu];
    return ~crc;
}

bool knownAction(std::uint8_t a) {
    return a >= static_cast<std::uint8_t>(RunAction::newMaze) &&
           a <= static_cast<std::uint8_t>(RunAction::quit);
}

// A time of the game clock: finite and not negative.
bool clockTime(double t) {
    return std::isfinite(t) && t >= 0;
}

// Within a game's possible length: the clock stops at its cap, and a game that reaches
// it keeps no run.
bool withinCap(double t) {
    return t <= clockCapDays;
}

} // namespace

std::uint32_t runChecksum(std::span<const std::uint8_t> bytes) {
    return crc32Of(bytes);
}

std::uint32_t packQuitAnswers(const QuitAnswers& a) {
    return (a.confirmed ? 1u : 0u) | (a.saveWanted ? 2u : 0u) | (a.saved ? 4u : 0u);
}

QuitAnswers unpackQuitAnswers(std::uint32_t value) {
    return {(value & 1u) != 0, (value & 2u) != 0, (value & 4u) != 0};
}

std::uint32_t runDigest(const Maze& maze, const GameState& s) {
    // FNV-1a over the values the rules decide.
    std::uint32_t h = 2166136261u;
    const auto mix = [&](std::int64_t v) {
        for (int i = 0; i < 8; ++i) {
            h ^= static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i));
            h *= 16777619u;
        }
    };
    for (const std::int64_t v :
         {std::int64_t{maze.posRow}, std::int64_t{maze.posCol}, std::int64_t{maze.facing},
          std::int64_t{s.foodLevel}, std::int64_t{s.gemScore}, std::int64_t{s.stepCount},
          std::int64_t{s.batteryLevel}, std::int64_t{s.batterySteps}})
        mix(v);
    mix((s.hasCompass ? 1 : 0) | (s.hasGps ? 2 : 0) | (s.hasTracker ? 4 : 0) |
        (s.hasBeacon ? 8 : 0) | (s.hasDetector ? 16 : 0));
    return h;
}

std::vector<std::uint8_t> encodeRun(const RunRecord& run) {
    std::vector<std::uint8_t> out(magic.begin(), magic.end());
    put16(out, formatVersion);
    put16(out, runRulesVersion);
    out.push_back(static_cast<std::uint8_t>(run.maze.level));
    putU32(out, run.maze.state);
    out.push_back(static_cast<std::uint8_t>(run.outcome.result));
    putF64(out, run.outcome.elapsed);
    putU32(out, static_cast<std::uint32_t>(run.outcome.gems));
    putU32(out, static_cast<std::uint32_t>(run.outcome.steps));
    putU32(out, static_cast<std::uint32_t>(run.outcome.food));
    putU32(out, static_cast<std::uint32_t>(run.outcome.battery));
    for (const std::string* text : {&run.player, &run.theme}) {
        const std::size_t n = std::min(text->size(), longestName);
        put16(out, static_cast<std::uint16_t>(n));
        out.insert(out.end(), text->begin(), text->begin() + static_cast<std::ptrdiff_t>(n));
    }
    putU32(out, static_cast<std::uint32_t>(run.events.size()));
    for (const RunEvent& e : run.events) {
        putF64(out, e.time);
        out.push_back(static_cast<std::uint8_t>(e.action));
        putU32(out, e.value);
        putU32(out, e.digest);
    }
    putU32(out, runChecksum(out));
    return out;
}

RunReadProblem decodeRun(std::span<const std::uint8_t> in, RunRecord& run) {
    const auto refuse = [](std::string text) { return RunReadProblem{std::move(text)}; };
    if (in.size() < headerSize + 2 + 2 + 4 + 4 ||
        !std::equal(magic.begin(), magic.end(), in.begin()))
        return refuse("not a run file");
    if (in.size() > runMaxFileBytes) return refuse("too large to be a run file");
    if (get16(in, 4) != formatVersion) return refuse("a run file of another format version");
    if (runChecksum(in.first(in.size() - 4)) != getU32(in, in.size() - 4))
        return refuse("damaged: its checksum does not match");
    if (get16(in, 6) != runRulesVersion)
        return refuse("played by another version of the rules (" + std::to_string(get16(in, 6)) +
                      ", this game plays " + std::to_string(runRulesVersion) + ")");

    RunRecord r;
    r.maze.level = in[8];
    r.maze.state = getU32(in, 9);
    if (!isLevel(r.maze.level)) return refuse("damaged: no level " + std::to_string(r.maze.level));
    if (in[13] > static_cast<std::uint8_t>(RunResult::lost))
        return refuse("damaged: no such result");
    r.outcome.result = static_cast<RunResult>(in[13]);
    r.outcome.elapsed = getDouble(in, 14);
    r.outcome.gems = get32(in, 22);
    r.outcome.steps = get32(in, 26);
    r.outcome.food = get32(in, 30);
    r.outcome.battery = get32(in, 34);
    if (!clockTime(r.outcome.elapsed)) return refuse("damaged: its playing time is no time");
    if (!withinCap(r.outcome.elapsed))
        return refuse("damaged: its playing time is longer than the game's clock runs");

    std::size_t at = headerSize;
    const std::size_t body = in.size() - 4;
    for (std::string* text : {&r.player, &r.theme}) {
        if (at + 2 > body) return refuse("cut short");
        const std::size_t n = get16(in, at);
        at += 2;
        if (n > longestName || at + n > body) return refuse("damaged: a name runs past its end");
        text->assign(reinterpret_cast<const char*>(in.data() + at), n);
        at += n;
    }
    if (at + 4 > body) return refuse("cut short");
    const std::size_t count = getU32(in, at);
    at += 4;
    if (count > runMaxEvents || count * eventSize != body - at)
        return refuse("damaged: its events do not fill it");
    r.events.reserve(count);
    for (std::size_t i = 0; i < count; ++i, at += eventSize) {
        RunEvent e;
        e.time = getDouble(in, at);
        if (!knownAction(in[at + 8]))
            return refuse("damaged: event " + std::to_string(i + 1) +
                          " is no action the rules know");
        e.action = static_cast<RunAction>(in[at + 8]);
        e.value = getU32(in, at + 9);
        e.digest = getU32(in, at + 13);
        if (!clockTime(e.time))
            return refuse("damaged: event " + std::to_string(i + 1) + " has no time");
        if (!withinCap(e.time))
            return refuse("damaged: event " + std::to_string(i + 1) +
                          " comes later than the game's clock runs");
        r.events.push_back(e);
    }
    if (r.events.empty() || r.events.front().action != RunAction::newMaze ||
        r.events.front().value != r.maze.state)
        return refuse("damaged: it does not start with its maze");
    run = std::move(r);
    return {};
}

const char* runActionName(RunAction action) {
    switch (action) {
    case RunAction::newMaze: return "new maze";
    case RunAction::seeded: return "seeding";
    case RunAction::resumed: return "resume";
    case RunAction::begin: return "begin";
    case RunAction::end: return "end";
    case RunAction::turnLeft: return "turn left";
    case RunAction::turnRight: return "turn right";
    case RunAction::stepForward: return "step forward";
    case RunAction::stepBack: return "step back";
    case RunAction::useBattery: return "use battery";
    case RunAction::startRunning: return "run";
    case RunAction::runTick: return "run tick";
    case RunAction::clockTick: return "clock tick";
    case RunAction::funKey: return "fun key";
    case RunAction::quit: return "quit";
    }
    return "?";
}

} // namespace quorvel
