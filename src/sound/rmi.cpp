#include "sound/rmi.h"

#include <cstdint>

namespace quorvel {

namespace {

void put32Le(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint32_t get32Le(std::string_view s, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
    return v;
}

bool isSmf(std::string_view bytes) {
    return bytes.substr(0, 4) == "MThd";
}

std::uint32_t get32Be(std::string_view s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

unsigned get16Be(std::string_view s, std::size_t at) {
    return (static_cast<unsigned char>(s[at]) << 8) | static_cast<unsigned char>(s[at + 1]);
}

} // namespace

std::string wrapRmi(std::string_view smf) {
    const bool pad = smf.size() % 2 != 0; // RIFF chunks are word-aligned
    std::string out = "RIFF";
    put32Le(out, static_cast<std::uint32_t>(4 + 8 + smf.size() + (pad ? 1 : 0)));
    out += "RMIDdata";
    put32Le(out, static_cast<std::uint32_t>(smf.size()));
    out += smf;
    if (pad) out += '\0';
    return out;
}

std::string midiFromBytes(std::string_view bytes) {
    if (isSmf(bytes)) return std::string(bytes);
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "RMID")
        return {};
    // Walk the chunks of the form (whatever the RIFF size claims) up to "data".
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t size = get32Le(bytes, at + 4);
        const std::size_t body = at + 8;
        if (id == "data") {
            const std::string_view smf = bytes.substr(body, static_cast<std::size_t>(size));
            return isSmf(smf) ? std::string(smf) : std::string();
        }
        const std::uint64_t next = body + size + (size % 2);
        if (next > bytes.size()) break;
        at = static_cast<std::size_t>(next);
    }
    return {};
}

bool validMidi(std::string_view smf) {
    if (smf.size() < 14 || !isSmf(smf)) return false;
    const std::uint64_t headerSize = get32Be(smf, 4);
    const unsigned format = get16Be(smf, 8);
    const unsigned tracks = get16Be(smf, 10);
    const unsigned division = get16Be(smf, 12);
    if (headerSize < 6 || format > 2 || tracks == 0 || division == 0) return false;
    std::uint64_t at = 8 + headerSize;
    unsigned found = 0;
    while (found < tracks) {
        if (at + 8 > smf.size()) return false;
        const std::uint64_t size = get32Be(smf, static_cast<std::size_t>(at + 4));
        if (at + 8 + size > smf.size()) return false;
        if (smf.substr(static_cast<std::size_t>(at), 4) == "MTrk") ++found;
        at += 8 + size;
    }
    return true;
}

} // namespace quorvel
