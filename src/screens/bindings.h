#pragma once
// The rule by which the settings file moves a player's inputs (the [Controller]
// section's buttons, the [Keys] section's keys): each action has its own input, an
// entry may give it another. A missing entry, or one naming no input, keeps the action's
// own; when two entries name one input, the first keeps it and the later one keeps its
// own. An action whose input an entry took takes the input the taker left free, and so
// on down the chain, so a file that moves inputs in a circle gives each action the one
// it asked for, and no two actions ever share one.

#include <vector>

namespace quorvel {

/// No input (an entry that names none, or an action left without one).
inline constexpr int noInput = -1;

/// The input of each action: ownInputs[a] is action a's own, named[a] the input its
/// entry names (noInput when none). Inputs are any non-negative numbers (a button, a key).
std::vector<int> resolveBindings(const std::vector<int>& ownInputs, const std::vector<int>& named);

} // namespace quorvel
