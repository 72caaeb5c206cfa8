// The command line on any arguments: it is normalised as the game reads it (every
// "-" or "/" a switch mark, the letter after it in upper case), every switch decodes,
// and a player's name written with the %-escapes comes back exactly from /U.

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

#include "app/commandline.h"

namespace {

std::string escaped(const std::string& name) {
    std::string out;
    for (const char c : name) {
        switch (c) {
        case ' ': out += "%b"; break;
        case '"': out += "%q"; break;
        case '%': out += "%p"; break;
        case '-': out += "%d"; break;
        case '/': out += "%s"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    FuzzedDataProvider in(data, size);
    const std::string name = in.ConsumeRandomLengthString(80);
    std::vector<std::string> args;
    while (in.remaining_bytes() > 0 && args.size() < 8)
        args.push_back(in.ConsumeRandomLengthString(120));

    const std::string line = readCommandLine(args);
    if (line != commandline()) std::abort();
    if (!line.empty() && (static_cast<unsigned char>(line.front()) <= ' ' ||
                          static_cast<unsigned char>(line.back()) <= ' '))
        std::abort();
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        if (line[i] == '-') std::abort();
        if (line[i] == '/' && line[i + 1] >= 'a' && line[i + 1] <= 'z') std::abort();
    }
    for (int letter = 0; letter < 256; ++letter) {
        const std::string value = getSwitch(static_cast<char>(letter));
        if (value.size() > line.size()) std::abort();
    }
    if (decodeSwitch(line).size() > line.size()) std::abort();

    // A name travels through /U unchanged when its escaped form fits the 255
    // characters of a switch and does not begin or end with a blank or control byte.
    const std::string value = escaped(name);
    if (!value.empty() && value.size() <= 255 && static_cast<unsigned char>(value.front()) > ' ' &&
        static_cast<unsigned char>(value.back()) > ' ') {
        readCommandLine({"/U" + value});
        if (getSwitch('U') != name || getSwitch('u') != name) std::abort();
        readCommandLine({"-u" + value});
        if (getSwitch('U') != name) std::abort();
    }
    return 0;
}
