#include "game/mazenumber.h"

#include <limits>

#include "game/levels.h"
#include "game/maze.h"
#include "text/gametext.h"

namespace quorvel {

namespace {

constexpr std::string_view mazeOption = "--maze";
constexpr std::string_view expectedForm =
    "expected LEVEL-STATE, as 3-12345 (level 1 to 6, state 0 to 4294967295)";
/// How much of a refused text the line repeats.
constexpr std::size_t shownLength = 40;

/// A whole decimal number of digits only, at most most; none for anything else.
std::optional<std::uint64_t> decimal(std::string_view digits, std::uint64_t most) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > most) return std::nullopt; // also keeps the sum from overflowing
    }
    return value;
}

} // namespace

std::string formatMazeNumber(const MazeNumber& number) {
    return std::to_string(number.level) + "-" + std::to_string(number.state);
}

std::optional<MazeNumber> parseMazeNumber(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const auto level = decimal(text.substr(0, dash), levelCount);
    const auto state = decimal(text.substr(dash + 1), std::numeric_limits<std::uint32_t>::max());
    if (!level || !state || !isLevel(static_cast<int>(*level))) return std::nullopt;
    return MazeNumber{static_cast<int>(*level), static_cast<std::uint32_t>(*state)};
}

std::optional<MazeNumber> mazeNumberOf(const Maze& maze) {
    const int level = maze.level();
    if (!maze.seed || !isLevelMazeSize(maze.mazeSize)) return std::nullopt;
    return MazeNumber{level, *maze.seed};
}

std::string mazeNumberText(const Maze& maze) {
    const std::optional<MazeNumber> number = mazeNumberOf(maze);
    return number ? formatMazeNumber(*number) : std::string();
}

std::string mazeNumberHint(std::string_view number) {
    return fillIn(gameText("quorvel::GameScreen",
                           "The number of this maze: share it, or play the maze again with\n"
                           "quorvel3d %1 %2"),
                  {mazeOption, number});
}

std::string badMazeNumberText(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, shownLength)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    if (text.size() > shownLength) shown += "...";
    return "bad maze number '" + shown + "': " + std::string(expectedForm);
}

} // namespace quorvel
