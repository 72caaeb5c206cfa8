// Maze numbers on any command line: every number read writes back to text that reads as
// the same number, --maze takes exactly what reads as a number, and a refusal is always
// one line a terminal shows as it is.

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "game/mazenumber.h"

namespace {

void checkLine(const std::string& line) {
    if (line.empty() || line.size() > 300) std::abort();
    for (const char c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    FuzzedDataProvider in(data, size);
    const std::string text = in.ConsumeRandomLengthString(64);
    const std::optional<MazeNumber> number = parseMazeNumber(text);
    if (number) {
        if (number->level < 1 || number->level > 6) std::abort();
        if (parseMazeNumber(formatMazeNumber(*number)) != number) std::abort();
    }
    checkLine(badMazeNumberText(text));

    // --maze with that text, among other arguments: taken when it is a number, the run
    // refused in one line when it is not.
    std::vector<std::string> args{"--maze=" + text};
    while (in.remaining_bytes() > 0 && args.size() < 10)
        args.push_back(in.ConsumeRandomLengthString(40));
    const ProgramOptions options = readProgramOptions(args);
    if (options.action == ProgramOptions::Action::refuse) checkLine(options.refusal);
    if (options.action == ProgramOptions::Action::play && !options.maze) std::abort();
    if (!number && options.action == ProgramOptions::Action::play) std::abort();
    return 0;
}
