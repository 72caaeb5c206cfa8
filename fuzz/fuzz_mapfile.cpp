// The map-file reader on any bytes: never crashes, and a picture it takes writes back
// to a file that reads as the same picture.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "view/overheadmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto picture = decodeBmp(bytes);
    if (!picture) return 0;
    if (picture->rgb.size() != static_cast<std::size_t>(picture->width) * picture->height * 3)
        std::abort();
    const auto again = decodeBmp(encodeBmp(*picture));
    if (!again || again->width != picture->width || again->height != picture->height ||
        again->rgb != picture->rgb)
        std::abort();
    return 0;
}
