#pragma once
// Text in another encoding, converted by the C library's iconv, as `iconv -t` makes
// the files of authors who write theme texts with it.

#include <iconv.h>

#include <stdexcept>
#include <string>

namespace quorvel::test {

/// UTF-8 text in the encoding iconv knows by that name ("UTF-16LE": no byte-order mark).
inline std::string iconvFromUtf8(const std::string& utf8, const char* encoding) {
    const iconv_t cd = iconv_open(encoding, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no such encoding");
    std::string in = utf8, out(utf8.size() * 4 + 8, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t left = in.size(), room = out.size();
    const std::size_t done = iconv(cd, &from, &left, &to, &room);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible");
    out.resize(out.size() - room);
    return out;
}

} // namespace quorvel::test
