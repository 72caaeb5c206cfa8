#pragma once
// What watching a run found, in words.

#include <optional>
#include <string>

#include "game/run.h"
#include "game/runplayer.h"

namespace quorvel {

/// The words of the end of a watch: the result reached, or where the run left its record;
/// in the player's language when translated (what the rules say of a departure stays
/// English), else as written, as the program prints it for other programs.
std::string watchVerdict(const RunRecord& run, const RunOutcome& reached,
                         const std::optional<RunDeparture>& departure, bool translated = false);

} // namespace quorvel
