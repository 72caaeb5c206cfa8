// The saved-game reader on any bytes: never crashes, and a record it takes encodes
// back to bytes it reads the same way.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "game/savefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::span<const std::uint8_t> file(data, size);
    checkSaveHeader(file.first(size < saveHeaderSize ? size : saveHeaderSize));
    SavedGame game;
    const SaveProblem problem = decodeSave(file, game);
    saveProblemDialog(problem, "fuzz.sav");
    if (problem != SaveProblem::none) return 0;
    const std::vector<std::uint8_t> again = encodeSave(game);
    SavedGame second;
    if (decodeSave(again, second) != SaveProblem::none || encodeSave(second) != again) std::abort();
    return 0;
}
