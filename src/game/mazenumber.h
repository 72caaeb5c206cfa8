#pragma once
// Maze numbers. A maze is fixed by its level and the state of the random stream
// before the generator's first draw, so "3-12345" (level 3 from state 12345) names
// one maze that any player can play again: `quorvel3d --maze 3-12345`, or
// `quorvel3d-tool maze --level 3 --seed 12345` to print it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct Maze;

struct MazeNumber {
    int level = 1;           ///< 1..6
    std::uint32_t state = 0; ///< the random stream's state before the generator's first draw

    friend bool operator==(const MazeNumber&, const MazeNumber&) = default;
};

/// "L-S" in decimal, as players share it: "3-12345".
std::string formatMazeNumber(const MazeNumber& number);

/// Reads "L-S": a level 1..6 and a state 0..4294967295, each in decimal digits only.
/// Anything else (a sign, a blank, an empty or missing part, trailing text) is no number.
std::optional<MazeNumber> parseMazeNumber(std::string_view text);

/// The number of a maze whose first state is known (generated here, or loaded from a
/// saved game that kept it); none for any other maze.
std::optional<MazeNumber> mazeNumberOf(const Maze& maze);

/// The number of a maze as "L-S", or an empty text when it is not known.
std::string mazeNumberText(const Maze& maze);

/// The hint beside a shown number "L-S": what it is for and how to play it.
std::string mazeNumberHint(std::string_view number);

/// What refuses text as a maze number, naming the expected form, for one line of the
/// program's refusal. Control characters in the text are shown as "?" and a long text
/// is cut, so the line stays one short line on any terminal.
std::string badMazeNumberText(std::string_view text);

} // namespace quorvel
