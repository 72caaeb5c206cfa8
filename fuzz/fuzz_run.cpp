// The run-file reader and the rules playing a run again, on any bytes: the checksum is
// made right first, so the fuzzer reaches the header, the events and the replay. Never
// crashes or hangs; a run it reads encodes back to the same bytes and plays to an end.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "game/run.h"
#include "game/runplayer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    std::vector<std::uint8_t> file(data, data + size);
    const std::uint32_t sum = runChecksum(file);
    for (int i = 0; i < 4; ++i)
        file.push_back(static_cast<std::uint8_t>(sum >> (8 * i)));
    RunRecord run;
    if (decodeRun(file, run)) return 0;
    if (encodeRun(run) != file) std::abort();
    verifyRun(run);
    return 0;
}
