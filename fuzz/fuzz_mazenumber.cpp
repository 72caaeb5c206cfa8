// Maze numbers on any command line: --maze comes off it whole and nothing else does,
// the refusal is always one line a terminal shows as it is, and every number read
// writes back to text that reads as the same number.

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <vector>

#include "mazenumber.h"

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
    if (const std::optional<MazeNumber> number = parseMazeNumber(text)) {
        if (number->level < 1 || number->level > 6) std::abort();
        if (parseMazeNumber(formatMazeNumber(*number)) != number) std::abort();
    }
    checkLine(badMazeNumberLine(text));

    std::vector<std::string> args{"quorvel3d"};
    while (in.remaining_bytes() > 0 && args.size() < 10)
        args.push_back(in.ConsumeRandomLengthString(40));
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::vector<char*> before = argv;
    int argc = static_cast<int>(args.size());
    const MazeOption option = takeMazeOption(argc, argv.data());
    if (argc < 1 || argc > static_cast<int>(args.size()) || argv[argc] != nullptr) std::abort();
    if (!option.error.empty()) checkLine(option.error);
    // What is left is the arguments in their order, less the --maze options before a "--".
    std::size_t at = 0;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = before[i];
        if (i > 0 && options && arg == "--") options = false;
        if (i > 0 && options && arg == "--maze") {
            ++i;
            continue;
        }
        if (i > 0 && options && arg.starts_with("--maze=")) continue;
        if (at >= static_cast<std::size_t>(argc) || argv[at] != before[i]) std::abort();
        ++at;
    }
    if (at != static_cast<std::size_t>(argc)) std::abort();
    return 0;
}
