#pragma once
// Shared pieces of the sound tests: a Qt application for queued calls, a fresh
// program folder, and small valid wave and MIDI files to put in theme folders.

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "files/programfolder.h"

namespace quorvel::test {

inline void ensureCoreApp() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "test_audio";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
}

/// Lets the user-interface thread take the sound layer's notices until cond holds.
inline bool waitFor(const std::function<bool()>& cond,
                    std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!cond() && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return cond();
}

/// A program folder of its own for one test.
class SoundFolder {
  public:
    SoundFolder() {
        ::setenv("QUORVEL3D_HOME", m_home.c_str(), 1);
        setProgramFolders(m_home, "quorvel3d", m_home + "config/");
    }
    const std::string& home() const { return m_home; }
    /// Writes a file into the program folder (theme empty) or a theme folder.
    std::string write(const std::string& theme, const std::string& file,
                      const std::string& bytes) const {
        const std::string folder = theme.empty() ? m_home : m_home + theme + "/";
        std::filesystem::create_directories(folder);
        std::ofstream(folder + file, std::ios::binary) << bytes;
        return folder + file;
    }

  private:
    QTemporaryDir m_dir;
    std::string m_home = m_dir.path().toStdString() + "/";
};

inline void put(std::string& s, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

/// A 16-bit mono wave of a soft square tone lasting `ms` milliseconds.
inline std::string toneWave(int ms, std::uint32_t rate = 22050) {
    const auto n =
        static_cast<std::uint32_t>(std::uint64_t{rate} * static_cast<std::uint32_t>(ms) / 1000);
    std::string data;
    for (std::uint32_t i = 0; i < n; ++i)
        put(data, static_cast<std::uint16_t>((i / 25) % 2 ? 4000 : -4000), 2);
    std::string w = "RIFF";
    put(w, 36 + static_cast<std::uint32_t>(data.size()), 4);
    w += "WAVEfmt ";
    put(w, 16, 4);
    put(w, 1, 2);
    put(w, 1, 2);
    put(w, rate, 4);
    put(w, rate * 2, 4);
    put(w, 2, 2);
    put(w, 16, 2);
    w += "data";
    put(w, static_cast<std::uint32_t>(data.size()), 4);
    return w + data;
}

/// A Standard MIDI File of one piano note lasting `ticks` (480 a beat, 120 beats a minute).
inline std::string oneNoteMidi(std::uint32_t ticks) {
    std::string track;
    track += std::string("\x00\x90\x3C\x64", 4); // note on C4
    // delta time as a variable-length quantity
    std::string vlq(1, static_cast<char>(ticks & 0x7F));
    for (std::uint32_t v = ticks >> 7; v; v >>= 7)
        vlq.insert(vlq.begin(), static_cast<char>(0x80 | (v & 0x7F)));
    track += vlq + std::string("\x80\x3C\x00", 3);
    track += std::string("\x00\xFF\x2F\x00", 4);
    std::string smf("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 14);
    smf += "MTrk";
    for (int shift = 24; shift >= 0; shift -= 8)
        smf += static_cast<char>((track.size() >> shift) & 0xFF);
    return smf + track;
}

} // namespace quorvel::test
