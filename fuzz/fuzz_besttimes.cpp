// The best-times reader on any bytes: the checks, the table taken from a file of any
// length, every entry read (levels and ranks out of range too) as UTF-8 names of at
// most 20 characters, and a result ranked and recorded into it.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "game/besttimes.h"
#include "text/textcodec.h"

namespace {

// A name or time text as entries give it: UTF-8 of at most 20 characters.
bool fieldOk(const std::string& text) {
    return quorvel::validUtf8(text) && quorvel::cutChars(text, 20).size() == text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::span<const std::uint8_t> file(data, size);
    BestTimes::checkHeader(file);
    bestTimesProblemDialog(checkBestTimes(file), "fuzz.his");
    BestTimes table = BestTimes::fromFile(file);
    for (int level = 0; level <= 7; ++level)
        for (int rank = 0; rank <= 4; ++rank) {
            const BestTime e = table.entry(level, rank);
            if (!fieldOk(e.name) || !fieldOk(e.timeText)) std::abort();
        }

    // A result taken from the first bytes: any time, NaN and infinities included.
    BestTime result;
    double time = 0;
    if (size >= sizeof time) std::memcpy(&time, data, sizeof time);
    result.time = time;
    result.gems = size >= 12 ? static_cast<std::int32_t>(data[8] | data[9] << 8) : 0;
    result.name = std::string(reinterpret_cast<const char*>(data), size < 40 ? size : 40);
    result.timeText = result.name;
    const int level = size > 0 ? data[size - 1] % 8 : 1;
    const int expected = table.rankOf(level, result.time, result.gems);
    const int rank = table.record(level, result);
    if (rank < 0 || rank > 3) std::abort();
    if (level >= 1 && level <= 6 && rank != expected) std::abort();
    if (rank > 0) {
        const BestTime stored = table.entry(level, rank);
        if (stored.gems != result.gems || !fieldOk(stored.name)) std::abort();
        if (BestTimes::checkHeader(table.image()) != BestTimesProblem::none) std::abort();
    }
    return 0;
}
