// The saved-game reader on any bytes: never crashes, and a record it takes encodes
// back to bytes it reads the same way.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "savefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::span<const std::uint8_t> file(data, size);
    checksaveheader(file.first(size < saveheadersize ? size : saveheadersize));
    SavedGame game;
    const SaveProblem problem = decodesave(file, game);
    saveproblemdialog(problem, "fuzz.sav");
    if (problem != SaveProblem::none) return 0;
    const std::vector<std::uint8_t> again = encodesave(game);
    SavedGame second;
    if (decodesave(again, second) != SaveProblem::none || encodesave(second) != again) std::abort();
    return 0;
}
