#include "theme/theme.h"

#include "text/textcodec.h"

#include <filesystem>
#include <system_error>

#include "files/filereader.h"
#include "files/inifile.h"
#include "files/programfolder.h"
#include "text/textutil.h"
#include "theme/messages.h"

namespace quorvel {

namespace fs = std::filesystem;

namespace {

// Theme texts are a few kilobytes; anything past this is no theme text.
constexpr std::size_t maxThemeText = 1 << 20;

std::vector<std::string> numbered(std::initializer_list<std::string_view> stems, int count) {
    std::vector<std::string> files;
    for (std::string_view stem : stems)
        for (int i = 1; i <= count; ++i)
            files.push_back(std::string(stem) + std::to_string(i) + ".bmp");
    return files;
}

bool isFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// The name on disk of the folder in base that the player knows as name: the folder of
// exactly that name, else one whose name is not UTF-8 (Latin-1 or Windows-1252 names
// from an archive unpacked here) and reads as name. Name itself when there is none.
std::string folderOnDisk(const std::string& base, std::string_view name) {
    const std::string exact(name);
    if (isFolder(base + exact)) return exact;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(base), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string onDisk = it->path().filename().string();
        if (!validUtf8(onDisk) && fromCp1252(onDisk) == name && isFolder(base + onDisk))
            return onDisk;
    }
    return exact;
}

// Reads a theme file that exists; nothing when it cannot be read or is no text.
std::optional<std::string> readThemeText(const std::string& path) {
    std::string bytes;
    if (path.empty() || !readWholeFile(path, bytes, maxThemeText)) return std::nullopt;
    return themeText(bytes);
}

} // namespace

const std::vector<std::string>& groupFiles(PictureGroup group) {
    static const std::vector<std::string> strips = numbered({"door", "wall", "middle"}, 12);
    static const std::vector<std::string> boxes = {"openbox1.bmp",  "openbox2.bmp",
                                                   "openbox3.bmp",  "closebox1.bmp",
                                                   "closebox2.bmp", "closebox3.bmp"};
    static const std::vector<std::string> exits = {"exita.bmp", "exitb.bmp", "exitc.bmp",
                                                   "ending.bmp"};
    static const std::vector<std::string> map = {"map.bmp"};
    static const std::vector<std::string> panel = {
        "food.bmp",   "gems.bmp",    "charge.bmp",   "compass.bmp", "gps.bmp",
        "beacon.bmp", "tracker.bmp", "detector.bmp", "message.bmp", "critical.bmp",
        "north.bmp",  "east.bmp",    "south.bmp",    "west.bmp"};
    switch (group) {
    case PictureGroup::strips: return strips;
    case PictureGroup::boxes: return boxes;
    case PictureGroup::exits: return exits;
    case PictureGroup::map: return map;
    case PictureGroup::panel: return panel;
    }
    return map;
}

std::string themeFolder(std::string_view root, std::string_view name) {
    if (name == builtinThemeName || !isFileSafeName(name) || !validUtf8(name)) return {};
    const std::string base = withTrailingSlash(root);
    return base + folderOnDisk(base, name) + "/";
}

std::string themeFolder(std::string_view name) {
    return themeFolder(programFolder(), name);
}

std::string themeFile(const std::string& folder, std::string_view filename) {
    if (folder.empty()) return {};
    const std::string exact = folder + std::string(filename);
    if (isFile(exact)) return exact;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (sameText(name, filename) && isFile(folder + name)) return folder + name;
    }
    return {};
}

std::string firstMissingView(const std::string& folder) {
    for (const std::string& file : groupFiles(PictureGroup::strips))
        if (themeFile(folder, file).empty()) return file;
    return {};
}

bool isThemeFolder(const std::string& folder) {
    return !folder.empty() && firstMissingView(folder).empty();
}

bool checkFiles(std::string_view root, std::string_view theme) {
    return isThemeFolder(themeFolder(root, theme));
}

bool isTheme(std::string_view name) {
    return isThemeFolder(themeFolder(name));
}

std::vector<std::string> listThemes(std::string_view root) {
    std::vector<std::string> themes{std::string(builtinThemeName)};
    const std::string base = withTrailingSlash(root);
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(base), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code dirCh;
        if (!it->is_directory(dirCh)) continue;
        const std::string onDisk = it->path().filename().string();
        const std::string name = decodePiece(onDisk);
        // Listed only when the name leads back to this folder: of two folders that
        // read alike, the one named in UTF-8 is the theme.
        const std::string folder = themeFolder(base, name);
        if (folder == base + onDisk + "/" && isThemeFolder(folder)) themes.push_back(name);
    }
    return themes;
}

std::vector<std::string> listThemes() {
    return listThemes(programFolder());
}

bool groupFromFolder(const std::string& folder, PictureGroup group) {
    if (!isThemeFolder(folder)) return false;
    for (const std::string& file : groupFiles(group))
        if (themeFile(folder, file).empty()) return false;
    return true;
}

bool groupFromTheme(std::string_view theme, PictureGroup group) {
    return groupFromFolder(themeFolder(theme), group);
}

std::string themeMusic(const std::string& folder) {
    for (std::string_view name : {"music.mid", "music.rmi"}) {
        std::string path = themeFile(folder, name);
        if (!path.empty()) return path;
    }
    return {};
}

std::string themeStory(const std::string& folder) {
    return themeFile(folder, "story.rtf");
}

std::string unreadableFileReason(FileRead result) {
    switch (result) {
    case FileRead::ok: return {};
    case FileRead::tooLarge: return "too large";
    case FileRead::unreadable: return "cannot be opened";
    case FileRead::missing:
    case FileRead::notAFile: break;
    }
    return "missing";
}

std::optional<std::string> themeText(std::string_view bytes) {
    std::string text = decodeReadOnlyText(bytes);
    if (text.find('\0') != std::string::npos) return std::nullopt;
    return text;
}

std::string themeTextProblem(const std::string& path) {
    std::string bytes;
    if (const FileRead read = readFile(path, maxThemeText, bytes); read != FileRead::ok)
        return unreadableFileReason(read);
    return themeText(bytes) ? std::string() : "not text";
}

std::optional<std::vector<std::string>> themeTextFile(const std::string& path) {
    const std::optional<std::string> text = readThemeText(path);
    if (!text) return std::nullopt;
    return themeTextLines(*text);
}

std::vector<std::string> themeTextLines(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    return {lines.begin(), lines.end()};
}

std::optional<IniFile> themeIni(const std::string& folder) {
    const std::optional<std::string> text = readThemeText(themeFile(folder, "theme.ini"));
    if (!text) return std::nullopt;
    return IniFile::parse(*text);
}

void loadThemeFolder(MessageCatalogue& catalogue, const std::string& folder) {
    catalogue.resetVocabulary();
    for (int key = 0; key < messageKeyCount; ++key) {
        const std::string file = themeFile(folder, std::string(messageKeyword(key)) + ".txt");
        if (auto lines = themeTextFile(file)) catalogue.setVariants(key, std::move(*lines));
        catalogue.dropBadVariants(key);
    }
    // A theme.ini names every word of its sections: a key it leaves out or leaves empty
    // makes that word empty. One that cannot be read counts as absent and the built-in
    // words stay.
    Vocabulary& words = catalogue.vocabulary();
    if (const std::optional<IniFile> ini = themeIni(folder)) setThemeWords(words, *ini);
    settleVocabulary(words);
}

void setThemeWords(Vocabulary& words, const IniFile& ini) {
    // A theme.ini with no item words at all (one of credits only) leaves every item its
    // built-in word: the messages would otherwise name nothing ("You found .").
    if (ini.hasSection("Items"))
        for (std::string_view key : itemsKeys())
            setVocabularyWord(words, "Items", key, ini.readString("Items", key, ""));
    for (std::string_view key : hintsKeys())
        setVocabularyWord(words, "Hints", key, ini.readString("Hints", key, ""));
}

void loadTheme(MessageCatalogue& catalogue, std::string_view name) {
    loadThemeFolder(catalogue, themeFolder(name));
}

} // namespace quorvel
