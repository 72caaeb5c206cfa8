// soundGen: synthesises the built-in sounds of Quorvel 3-D as 16-bit mono wave files
// and writes the built-in tune as a Standard MIDI File, into RESOURCES_DIR/sounds/,
// and lists them in RESOURCES_DIR/sounds.qrc under the resource names the game asks
// for: ":/WAVE/WALK", ..., ":/MIDI/MUSIC", and the step cues ":/CUE/SIDE" and
// ":/CUE/AHEAD" (apart from the effects, so no sound name can reach them). Fixed
// seeds: every run gives the same bytes.
//
//   soundGen RESOURCES_DIR

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>

#include "sounds.h"

using namespace soundGen;

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen RESOURCES_DIR\n");
        return 2;
    }
    const std::string root = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(root + "/sounds", ec);

    std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    const auto write = [&](const Sound& s, const std::string& type, const std::string& stem) {
        const std::string file = "sounds/" + stem + ".wav";
        if (!writeFile(root + "/" + file, waveBytes(s.samples))) {
            std::fprintf(stderr, "soundgen: cannot write %s/%s\n", root.c_str(), file.c_str());
            return false;
        }
        qrc += "    <file alias=\"" + type + "/" + s.name + "\">" + file + "</file>\n";
        std::printf("%-8s %6.3f s\n", stem.c_str(),
                    static_cast<double>(s.samples.size()) / samplerate);
        return true;
    };
    for (const Sound& s : makeSounds())
        if (!write(s, "WAVE", lower(s.name))) return 1;
    for (const Sound& s : makeCues())
        if (!write(s, "CUE", "cue" + lower(s.name))) return 1;
    if (!writeFile(root + "/sounds/music.mid", makeTune())) {
        std::fprintf(stderr, "soundgen: cannot write %s/sounds/music.mid\n", root.c_str());
        return 1;
    }
    qrc += "    <file alias=\"MIDI/MUSIC\">sounds/music.mid</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    if (!writeFile(root + "/sounds.qrc", qrc)) {
        std::fprintf(stderr, "soundgen: cannot write %s/sounds.qrc\n", root.c_str());
        return 1;
    }
    return 0;
}
