#pragma once
// What watching a run found, in words.

#include <optional>
#include <string>

#include "game/run.h"
#include "game/runplayer.h"

namespace quorvel {

/// The words of the end of a watch: the result reached, or where the run left its record.
std::string watchVerdict(const RunRecord& run, const RunOutcome& reached,
                         const std::optional<RunDeparture>& departure);

} // namespace quorvel
