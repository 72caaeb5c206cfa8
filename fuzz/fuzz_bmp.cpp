// The BMP reader of theme pictures on any bytes: a picture comes out whole, with one
// colour for every pixel, or not at all, and always with a reason when not.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "theme/bmpfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    BmpPicture picture;
    const BmpProblem problem =
        decodeBmp(std::string_view(reinterpret_cast<const char*>(data), size), picture);
    if (problem == BmpProblem::none) {
        if (picture.width < 1 || picture.height < 1 || picture.width > maxBmpSide ||
            picture.height > maxBmpSide ||
            picture.rgb.size() != static_cast<std::size_t>(picture.width) * picture.height * 3)
            std::abort();
    } else if (!picture.rgb.empty() || bmpProblemText(problem).empty()) {
        std::abort();
    }
    return 0;
}
