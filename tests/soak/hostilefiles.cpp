#include "hostilefiles.h"

#include <QImage>

#include <filesystem>
#include <fstream>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/besttimesfile.h"
#include "files/filereader.h"
#include "files/programfolder.h"
#include "files/savedgamefiles.h"
#include "game/besttimes.h"
#include "game/generator.h"
#include "game/random.h"
#include "game/savefile.h"
#include "play/savedgames.h"
#include "support/picturefiles.h"
#include "theme/theme.h"

namespace quorvel::soak {

namespace fs = std::filesystem;

namespace {

std::string bmpBytes(int width, int height, QColor colour) {
    return test::pictureFile("BMP", colour, {width, height}, QImage::Format_RGB888);
}

void put16(std::string& s, std::size_t at, unsigned v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A BMP header that promises a picture far larger than the file holds.
std::string giantBmpHeader(std::int32_t width, std::int32_t height) {
    std::string s(54, '\0');
    s[0] = 'B';
    s[1] = 'M';
    put32(s, 2, 54 + 16);
    put32(s, 10, 54);
    put32(s, 14, 40);
    put32(s, 18, static_cast<std::uint32_t>(width));
    put32(s, 22, static_cast<std::uint32_t>(height));
    put16(s, 26, 1);
    put16(s, 28, 24);
    return s + std::string(16, '\x7f');
}

// A short 8-bit mono wave of silence and a little noise.
std::string waveBytes(std::size_t samples) {
    std::string s(44, '\0');
    s.replace(0, 4, "RIFF");
    put32(s, 4, static_cast<std::uint32_t>(36 + samples));
    s.replace(8, 8, "WAVEfmt ");
    put32(s, 16, 16);
    put16(s, 20, 1);
    put16(s, 22, 1);
    put32(s, 24, 11025);
    put32(s, 28, 11025);
    put16(s, 32, 1);
    put16(s, 34, 8);
    s.replace(36, 4, "data");
    put32(s, 40, static_cast<std::uint32_t>(samples));
    for (std::size_t i = 0; i < samples; ++i)
        s += static_cast<char>(128 + static_cast<int>(i % 7) - 3);
    return s;
}

// A standard MIDI file of one short note.
std::string midiBytes() {
    std::string track = {'\x00', '\x90', '\x3c', '\x40', '\x30', '\x80',
                         '\x3c', '\x40', '\x00', '\xff', '\x2f', '\x00'};
    std::string s = "MThd";
    s += std::string("\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 10);
    s += "MTrk";
    std::string length(4, '\0');
    length[3] = static_cast<char>(track.size());
    return s + length + track;
}

std::string storyRtf(std::size_t paragraphs) {
    std::string s = "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}\\f0 ";
    for (std::size_t i = 0; i < paragraphs; ++i) {
        s += "{\\b Chapter " + std::to_string(i + 1) + "}\\par ";
        s += "The corridors went on and on, and the walls leaned closer with every step "
             "the lamp took into the dark. \\i Somewhere\\i0  a box rattled.\\par ";
    }
    return s + "}";
}

void writeGroup(const std::string& folder, PictureGroup group,
                const std::function<std::string(std::size_t)>& bytes) {
    const std::vector<std::string>& files = groupFiles(group);
    for (std::size_t i = 0; i < files.size(); ++i)
        writeBytes(folder + files[i], bytes(i));
}

// Every picture of every group.
void writeEveryGroup(const std::string& folder,
                     const std::function<std::string(std::size_t)>& bytes) {
    for (PictureGroup g : {PictureGroup::strips, PictureGroup::boxes, PictureGroup::exits,
                           PictureGroup::map, PictureGroup::panel})
        writeGroup(folder, g, bytes);
}

// The message files of a theme, one per message key word.
const std::vector<std::string>& messageWords() {
    static const std::vector<std::string> words = {
        "food",   "battery",  "gem5",     "gem3",     "gem1", "stone", "compass",  "gps",
        "beacon", "tracker",  "detector", "empty",    "open", "map",   "foodtrap", "gemtrap",
        "start",  "lose",     "win",      "quit",     "run",  "stop",  "blocked",  "usebatt",
        "hungry", "starving", "weakbatt", "deadbatt", "hint", "yell",  "laugh",    "cry",
        "jump",   "dance",    "random",   "exit"};
    return words;
}

const std::vector<std::string>& soundNames() {
    static const std::vector<std::string> names = {
        "walk",    "turn",   "blocked",  "start",   "run",      "stop",    "food",    "box",
        "gem",     "trap",   "hint",     "map",     "exit",     "win",     "lose",    "quit",
        "yell",    "laugh",  "cry",      "jump",    "dance",    "random1", "random2", "random3",
        "usebatt", "hungry", "starving", "warning", "stepback", "running"};
    return names;
}

// Whatever is at path removed: a file, a pipe, a link or a whole folder.
void clear(const std::string& path) {
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    if (fs::is_directory(st))
        fs::remove_all(path, ec);
    else if (fs::exists(st))
        fs::remove(path, ec);
}

} // namespace

void writeBytes(const std::string& path, const std::string& bytes) {
    clear(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string readBytes(const std::string& path) {
    std::string bytes;
    if (readFile(path, 64u << 20, bytes) != FileRead::ok) return {};
    return bytes;
}

EntryStamp stampOf(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return {};
    EntryStamp s;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = static_cast<std::uint64_t>(st.st_size);
    s.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.mode = st.st_mode;
    return s;
}

std::vector<std::string> makeHostileThemes(std::mt19937& rng) {
    const std::string root = programFolder();
    const auto noise = [&rng](std::size_t size, bool withNul) {
        std::string s(size, '\0');
        for (char& c : s)
            c = static_cast<char>(rng() & 0xFF);
        if (!withNul)
            for (char& c : s)
                if (c == '\0') c = '\x81';
        return s;
    };
    const auto colours = [](std::size_t i) {
        return bmpBytes(8, 8, QColor::fromHsv(static_cast<int>(i * 10 % 360), 160, 200));
    };
    std::vector<std::string> names;
    // The folder of a theme, made, and its name listed.
    const auto themeFolder = [&](const std::string& name) {
        names.push_back(name);
        fs::create_directories(root + name + "/");
        return root + name + "/";
    };

    // A sound theme: every group, words, a story, sounds and music.
    {
        const std::string folder = themeFolder("Plain Colours");
        writeEveryGroup(folder, colours);
        writeBytes(folder + "theme.ini", "[Items]\nFood=bread\nBattery=lamp oil\n"
                                         "[Credits]\nThemeBy=The soak\nMusic=One note\n");
        writeBytes(folder + "blocked.txt", "<name> bumps into the wall.\nOuch, <name>!\n");
        writeBytes(folder + "story.rtf", storyRtf(3));
        writeBytes(folder + "walk.wav", waveBytes(200));
        writeBytes(folder + "start.wav", waveBytes(400));
        writeBytes(folder + "music.mid", midiBytes());
    }
    // Every picture an empty file: listed, but drawn with the built-in pictures.
    {
        const std::string folder = themeFolder("Empty Pictures");
        writeEveryGroup(folder, [](std::size_t) { return std::string(); });
        writeBytes(folder + "story.rtf", "");
        writeBytes(folder + "theme.ini", "");
    }
    // Every picture, the story and a sound cut short.
    {
        const std::string folder = themeFolder("Cut Short");
        writeEveryGroup(folder, [&](std::size_t i) {
            const std::string whole = colours(i);
            return whole.substr(0, 20 + (i * 37) % (whole.size() - 20));
        });
        const std::string story = storyRtf(5);
        writeBytes(folder + "story.rtf", story.substr(0, story.size() / 2));
        const std::string wave = waveBytes(300);
        writeBytes(folder + "walk.wav", wave.substr(0, 60));
        writeBytes(folder + "start.wav", wave.substr(0, 30));
    }
    // Pictures that read, and every text, sound and the music binary noise.
    {
        const std::string folder = themeFolder("Binary Noise");
        writeGroup(folder, PictureGroup::strips, colours);
        writeBytes(folder + "theme.ini", noise(3000, false));
        std::size_t i = 0;
        for (const std::string& word : messageWords())
            writeBytes(folder + word + ".txt",
                       (i++ % 3 == 0 ? noise(500, true) : noise(500, false)) + "<name><");
        writeBytes(folder + "story.rtf", "{\\rtf1 " + noise(20000, true));
        for (const std::string& sound : soundNames())
            writeBytes(folder + sound + ".wav", "RIFF" + noise(700, true));
        writeBytes(folder + "music.mid", "MThd" + noise(900, true));
    }
    // A story of megabytes and words far too long for their places.
    {
        const std::string folder = themeFolder("Long Tale");
        writeGroup(folder, PictureGroup::strips, colours);
        const std::string longWord(4000, 'W');
        writeBytes(folder + "theme.ini",
                   "[Items]\nFood=" + longWord + "\nBattery=" + longWord + "\nCompass=" + longWord +
                       "\n[Hints]\nFood=" + longWord + "\n[Credits]\nThemeBy=" + longWord + "\n");
        writeBytes(folder + "win.txt", longWord + " <name> " + longWord + "\n");
        writeBytes(folder + "lose.txt", std::string(2000, ' ') + "<name>\n");
        writeBytes(folder + "story.rtf", storyRtf(12000));
    }
    // Pictures whose headers promise thousands of pixels a side.
    {
        const std::string folder = themeFolder("Giant Pictures");
        writeGroup(folder, PictureGroup::strips,
                   [](std::size_t i) { return giantBmpHeader(40000 + int(i), -40000); });
        writeGroup(folder, PictureGroup::boxes,
                   [](std::size_t) { return giantBmpHeader(0x7fffffff, 0x7fffffff); });
        writeGroup(folder, PictureGroup::panel, [](std::size_t) { return giantBmpHeader(-5, 3); });
    }
    // A folder named in Latin-1, as an archive made on Windows unpacks it.
    {
        const std::string folder = root + "Th\xe8me Latin/";
        fs::create_directories(folder);
        writeGroup(folder, PictureGroup::strips, colours);
        writeBytes(folder + "story.rtf", storyRtf(1));
        names.push_back("Th\xc3\xa8me Latin");
    }
    // Marks in the name and texts made of nothing but tokens.
    {
        const std::string folder = themeFolder("Tokens <name> & <box>");
        writeGroup(folder, PictureGroup::strips, colours);
        std::string soup;
        for (int k = 0; k < 300; ++k)
            soup += "<name><box><item><";
        for (const std::string& word : messageWords())
            writeBytes(folder + word + ".txt", soup + "\n<name>\n");
        writeBytes(folder + "theme.ini", "[Items]\nFood=<name>\nBattery=<box><box>\n");
    }
    return names;
}

// ---- damage ------------------------------------------------------------------------------

std::string Vandal::noise(std::size_t size) {
    std::string s(size, '\0');
    for (char& c : s)
        c = static_cast<char>(m_rng() & 0xFF);
    return s;
}

Damage Vandal::remember(std::string path, std::string kind, bool acceptable) {
    m_left[path] = {stampOf(path), acceptable};
    return {std::move(path), std::move(kind), acceptable};
}

Damage Vandal::written(const std::string& path, const std::string& bytes, std::string kind,
                       bool acceptable) {
    writeBytes(path, bytes);
    return remember(path, std::move(kind), acceptable);
}

Damage Vandal::pipeAs(const std::string& path, const std::string& what) {
    clear(path);
    ::mkfifo(path.c_str(), 0644);
    return remember(path, "pipe as " + what);
}

Damage Vandal::folderAs(const std::string& path, const std::string& what) {
    clear(path);
    fs::create_directories(path);
    return remember(path, "folder as " + what);
}

bool Vandal::isDamaged(const std::string& path) {
    const auto it = m_left.find(path);
    if (it == m_left.end()) return false;
    if (stampOf(path) == it->second.first) return true;
    m_left.erase(it);
    return false;
}

bool Vandal::isAcceptableDamage(const std::string& path) {
    return isDamaged(path) && m_left[path].second;
}

void Vandal::forgetReplaced() {
    for (auto it = m_left.begin(); it != m_left.end();)
        it = stampOf(it->first) == it->second.first ? std::next(it) : m_left.erase(it);
}

// A whole saved game of the level: the one in the folder when there is one, else a
// freshly made maze.
std::string Vandal::validSave(int level) {
    const std::string folder = savedGamesFolder();
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string path = entry.path().string();
        if (!entry.is_regular_file(ec) || path.size() < 4 || path.substr(path.size() - 4) != ".sav")
            continue;
        SavedGame record;
        if (isDamaged(path) || readSaveFile(path, record) != SaveProblem::none) continue;
        if (record.maze.level() == level) return readBytes(path);
    }
    SavedGame record;
    Random rng(static_cast<std::uint32_t>(m_rng()));
    record.maze.mazeSize = 20 * level;
    generateAccepted(record.maze, rng, level);
    const std::vector<std::uint8_t> bytes = encodeSave(record);
    return std::string(bytes.begin(), bytes.end());
}

Damage Vandal::damageSavedGame(const std::string& player, int level) {
    const std::string path = savedGamePath(player, level);
    if (path.empty()) return {};
    fs::create_directories(savedGamesFolder());
    std::string record = validSave(level);
    const auto flip = [&](std::size_t offset, std::size_t span) {
        record[offset + pick(span)] ^= static_cast<char>(1 + below(255));
    };
    switch (below(12)) {
    case 0: return written(path, "", "empty saved game");
    case 1: return written(path, noise(1 + pick(40000)), "saved game of noise");
    case 2: return written(path, record.substr(0, pick(saveRecordSize)), "saved game cut short");
    case 3: flip(1, 4); return written(path, record, "saved game signature");
    case 4: flip(16, 4); return written(path, record, "saved game size field");
    case 5:
        put32(record, 8 + 4 * pick(2),
              below(2) ? 131u : 0xFFFFFFFFu); // a highest row or column beyond the grid
        return written(path, record, "saved game highest index");
    case 6:
        for (int i = 1 + below(6); i > 0; --i)
            flip(256, 300); // position, facing, size, counters, tools
        return written(path, record, "saved game values", true);
    case 7:
        for (int i = 1 + below(40); i > 0; --i)
            flip(768, 17161); // the grid
        return written(path, record, "saved game grid", true);
    case 8: {
        const int other = 1 + (level + below(5)) % 6;
        return written(path, validSave(other == level ? level % 6 + 1 : other),
                       "saved game of another level", true);
    }
    case 9: return folderAs(path, "saved game");
    case 10: return pipeAs(path, "saved game");
    default: {
        // A whole record followed by gigabytes of nothing (a sparse file).
        writeBytes(path, record);
        if (::truncate(path.c_str(), 3ll << 30) != 0) writeBytes(path, record + "tail");
        return remember(path, "saved game with a huge tail", true);
    }
    }
}

Damage Vandal::damageMapFile(const std::string& player, int level) {
    const std::string path = savedMapPath(player + std::to_string(level));
    if (path.empty() || player.empty()) return {};
    fs::create_directories(savedGamesFolder());
    switch (below(7)) {
    case 0: return written(path, "", "empty map file");
    case 1: return written(path, "BM" + noise(pick(50000)), "map file of noise");
    case 2: {
        const std::string whole = bmpBytes(20 * level + 5, 20 * level + 5, Qt::darkRed);
        return written(path, whole.substr(0, pick(whole.size())), "map file cut short");
    }
    case 3: return written(path, giantBmpHeader(60000, 60000), "giant map file");
    case 4:
        return written(path, bmpBytes(1 + below(300), 1 + below(300), Qt::darkGreen),
                       "map file of another size", true);
    case 5: return pipeAs(path, "map file");
    default: return folderAs(path, "map file");
    }
}

Damage Vandal::damageBestTimes() {
    const std::string path = BestTimesFile::path();
    std::string table = readBytes(path);
    if (table.size() != bestTimesSize ||
        checkBestTimes({reinterpret_cast<const std::uint8_t*>(table.data()), table.size()}) !=
            BestTimesProblem::none) {
        const BestTimes fresh;
        table.assign(fresh.image().begin(), fresh.image().end());
    }
    switch (below(9)) {
    case 0: return written(path, "", "empty best times");
    case 1: return written(path, noise(1 + pick(50000)), "best times of noise");
    case 2: return written(path, table.substr(0, pick(table.size())), "best times cut short");
    case 3: table[1 + pick(3)] ^= 0x55; return written(path, table, "best times signature");
    case 4: {
        // Names, times and tallies of noise behind a good header.
        const std::string entries = noise(table.size() - bestTimesHeader);
        return written(path, table.substr(0, bestTimesHeader) + entries,
                       "best times entries of noise", true);
    }
    case 5: return pipeAs(path, "best times");
    case 6: return folderAs(path, "best times");
    case 7:
        writeBytes(path, table);
        ::chmod(path.c_str(), 0444);
        return remember(path, "read-only best times", true);
    default: clear(path); return {path, "best times removed", false};
    }
}

Damage Vandal::damageSettings() {
    const std::string path = settingsPath();
    m_settingsTouched = true;
    switch (below(7)) {
    case 0: return written(path, noise(1 + pick(5000)), "settings of noise");
    case 1: {
        std::string text = readBytes(path);
        text += "\n[Settings]\nPlayer=../../etc\n";
        for (const char* player : {"Ann", "Bob", "Friend", "Zo\xc3\xab"}) {
            const std::string p = player;
            text += "[" + p + ".Settings]\nSkill=99\nTheme=..\nTop20=-999999\nLeft20=2147483647\n";
            text += "Top40=banana\n[" + p + ".MapSettings]\nZoom20=99\nZoom40=-7\nLocked20=7\n";
            text += "Top20=999999\nLeft60=-2147483648\n[" + p + ".SoundSettings]\nNoSound=yes\n";
        }
        return written(path, text, "settings with absurd values");
    }
    case 2: {
        std::string utf16 = "\xff\xfe";
        for (char c : std::string("[Settings]\r\nPlayer=Ann\r\n[Ann.Settings]\r\nSkill=1\r\n")) {
            utf16 += c;
            utf16 += '\0';
        }
        return written(path, utf16, "settings in UTF-16");
    }
    case 3:
        return written(path, "[Settings\nPlayer\n=Ann\n[]\n==\n[Ann.Settings]]\nSkill==3\n",
                       "settings of broken lines");
    case 4: return pipeAs(path, "settings");
    default:
        clear(path);
        m_settingsTouched = false;
        return {path, "settings removed", false};
    }
}

Damage Vandal::troubleTheme(const std::vector<std::string>& themes) {
    // Give a taken picture back first, now and then.
    if (!m_takenPictures.empty() && below(2) == 0) {
        const auto [path, bytes] = m_takenPictures.back();
        m_takenPictures.pop_back();
        writeBytes(path, bytes);
        return {path, "theme picture given back", false};
    }
    if (themes.empty()) return {};
    const std::string folder = themeFolder(themes[pick(themes.size())]);
    if (folder.empty()) return {};
    const std::vector<std::string>& files = groupFiles(PictureGroup::strips);
    const std::string path = folder + files[pick(files.size())];
    m_takenPictures.emplace_back(path, readBytes(path));
    if (below(2) == 0) {
        clear(path);
        return {path, "theme picture taken away", false};
    }
    writeBytes(path, noise(pick(3000)));
    return {path, "theme picture garbled", false};
}

} // namespace quorvel::soak
