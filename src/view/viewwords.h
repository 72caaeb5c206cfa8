#pragma once
// The game in words, for players who cannot see the screen: what lies ahead (from the
// view scan, so no more than the view shows), the counters, the compass and what the
// tools held tell. Spoken play says them; screen readers read them as the view's and the
// panels' descriptions. Plain text, no Qt.

#include <string>
#include <string_view>

#include "game/host.h"
#include "game/maze.h"
#include "game/state.h"

namespace quorvel {

/// What the view shows straight ahead, in few words: "a wall", "three cells; left after
/// one; box ahead", "batteries two ahead", "the exit ahead", "standing in the exit".
std::string describeView(const Maze& maze);
/// The openings beside the player's own cell, which the view does not show: "Open left.",
/// "Open right.", "Open both sides."; empty between two walls.
std::string describeSides(const Maze& maze);
/// What lies ahead, then the openings beside: all the view tells after a move.
std::string describeViewAndSides(const Maze& maze);
/// Which way the exit or the wall map lies when a hint says it is near: "The exit is to
/// your left.", "The map is behind you."; empty when neither is beside or behind.
std::string describeHint(const Maze& maze);
/// A tool just found, in the game's own name for it: "Found the G.P.S."
std::string describeFind(Tool tool);
/// How far a run went: "Ran five cells."
std::string describeRun(int cellsRun);
/// "Food 87, battery 64 percent, gems 5, steps 120, time 0 days, 00:03:12."
std::string describeCounters(const GameState& state, std::string_view clockText);
/// "Facing north." with the compass; "No compass." without it.
std::string describeHeading(const Maze& maze, const GameState& state);
/// What the G.P.S., the beacon and the detector tell, each held one in turn: "G.P.S.: X
/// 12, Y 7. Beacon: the exit lies 5 cells east and 12 cells south. Detector: 23 boxes
/// left. Tracker: your trail is on the map."; "No G.P.S., beacon, detector or tracker."
/// without any of them.
std::string describeTools(const Maze& maze, const GameState& state);

/// A number in words up to twelve, in figures above: "one", "three", "15".
std::string countWord(int n);
/// The compass point 0..3 in words: "north", "east", "south", "west".
std::string_view compassPoint(int heading);

} // namespace quorvel
