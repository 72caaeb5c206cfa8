#pragma once
// Wave files as sound editors write them, made by libsndfile itself (the tests link it):
// GSM 6.10 as the Windows sound recorder saves, 64-bit float, or any format it writes.

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sndfile.h>
#include <unistd.h>

namespace quorvel::test {

/// A mono file of a 440 Hz tone at half volume: `frames` frames at `rate` a second, in
/// libsndfile's `format` (SF_FORMAT_WAV | SF_FORMAT_GSM610); empty when it cannot write it.
inline std::string sndfileTone(int format, int rate, long frames) {
    char name[] = "/tmp/quorvel-wave-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return {};
    close(fd);
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    std::string bytes;
    if (SNDFILE* file = sf_open(name, SFM_WRITE, &info)) {
        std::vector<double> tone(static_cast<std::size_t>(frames));
        for (std::size_t i = 0; i < tone.size(); ++i)
            tone[i] = 0.5 * std::sin(2 * M_PI * 440.0 * static_cast<double>(i) / rate);
        sf_writef_double(file, tone.data(), frames);
        sf_close(file);
        std::ifstream in(name, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::remove(name);
    return bytes;
}

} // namespace quorvel::test
