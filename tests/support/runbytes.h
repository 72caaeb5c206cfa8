#pragma once
// Run files changed by hand: the bytes of a run with the checksum the game would write
// after them, so a reader meets the change itself and not a checksum that gives it away.

#include <cstdint>
#include <vector>

#include "game/run.h"

namespace quorvel::test {

/// body with its checksum appended, as the game ends every run file.
inline std::vector<std::uint8_t> withRunChecksum(std::vector<std::uint8_t> body) {
    const std::uint32_t sum = runChecksum(body);
    for (int i = 0; i < 4; ++i)
        body.push_back(static_cast<std::uint8_t>(sum >> (8 * i)));
    return body;
}

} // namespace quorvel::test
