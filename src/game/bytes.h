#pragma once
// Little-endian fields in the game's fixed-size binary files.

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace quorvel::bytes {

inline void put32(std::span<std::uint8_t> out, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
inline std::int32_t get32(std::span<const std::uint8_t> in, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(in[at + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}
inline void putDouble(std::span<std::uint8_t> out, std::size_t at, double v) {
    std::uint64_t u = 0;
    std::memcpy(&u, &v, sizeof u);
    for (int i = 0; i < 8; ++i)
        out[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
inline double getDouble(std::span<const std::uint8_t> in, std::size_t at) {
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i)
        u |= static_cast<std::uint64_t>(in[at + i]) << (8 * i);
    double v = 0;
    std::memcpy(&v, &u, sizeof v);
    return v;
}

/// A short string: one length byte, then `capacity` bytes holding the text's bytes
/// (zero after them). The caller gives bytes that fit; any beyond the capacity are dropped.
inline void putShortString(std::span<std::uint8_t> out, std::size_t at, std::string_view bytes,
                           std::size_t capacity) {
    const std::size_t n = bytes.size() < capacity ? bytes.size() : capacity;
    out[at] = static_cast<std::uint8_t>(n);
    for (std::size_t i = 0; i < capacity; ++i)
        out[at + 1 + i] = i < n ? static_cast<std::uint8_t>(bytes[i]) : 0;
}
/// Reads a short string; a length byte beyond the capacity reads as the capacity.
inline std::string getShortString(std::span<const std::uint8_t> in, std::size_t at,
                                  std::size_t capacity) {
    const std::size_t n = in[at] < capacity ? in[at] : capacity;
    return std::string(reinterpret_cast<const char*>(in.data() + at + 1), n);
}

} // namespace quorvel::bytes
