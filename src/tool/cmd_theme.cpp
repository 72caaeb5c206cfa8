// quorvel3d-tool theme: what a theme folder supplies, as the game would see it, for
// theme authors checking their work.

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <system_error>
#include <vector>

#include "game/random.h"
#include "sound/soundcheck.h"
#include "text/textcodec.h"
#include "text/textutil.h"
#include "theme/messages.h"
#include "theme/theme.h"
#include "theme/themepicture.h"
#include "tool/command.h"
#include "tool/options.h"

namespace quorvel::tool {

namespace {

const char* yesNo(bool b) {
    return b ? "yes" : "no";
}

// The file name alone of a path the theme functions found, as a player reads it.
std::string filename(const std::string& path) {
    return decodePiece(std::filesystem::path(path).filename().string());
}

// True when a file name ends in ".wav", in any case.
bool isWave(const std::string& name) {
    return name.size() > 4 && sameText(std::string_view(name).substr(name.size() - 4), ".wav");
}

// "unreadable FILE: REASON" for every picture of every group, every sound and every
// text the folder holds that the game cannot read whole: the group of such a picture
// is drawn built in, such a sound is not played (or only its first part), and such a
// text counts as absent (its built-in words stay).
void reportUnreadable(const std::string& folder, std::ostream& out) {
    for (PictureGroup group : {PictureGroup::strips, PictureGroup::boxes, PictureGroup::exits,
                               PictureGroup::map, PictureGroup::panel})
        for (const std::string& file : groupFiles(group)) {
            const std::string path = themeFile(folder, file);
            std::string problem;
            if (!path.empty() && readThemePicture(path, &problem).isNull())
                out << "unreadable " << filename(path) << ": " << problem << "\n";
        }
    std::vector<std::string> sounds;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code fileCheck;
        const std::string name = it->path().filename().string();
        if (isWave(name) && it->is_regular_file(fileCheck)) sounds.push_back(name);
    }
    std::sort(sounds.begin(), sounds.end());
    for (const std::string& name : sounds)
        if (const std::string problem = soundFileProblem(folder + name); !problem.empty())
            out << "unreadable " << decodePiece(name) << ": " << problem << "\n";
    std::vector<std::string> texts{"theme.ini"};
    for (int key = 0; key < messageKeyCount; ++key)
        texts.push_back(std::string(messageKeyword(key)) + ".txt");
    for (const std::string& file : texts) {
        const std::string path = themeFile(folder, file);
        if (const std::string problem = path.empty() ? "" : themeTextProblem(path);
            !problem.empty())
            out << "unreadable " << filename(path) << ": " << problem << "\n";
    }
}

} // namespace

int themeCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0].rfind("--", 0) == 0)
        throw BadInput{"needs a theme folder: theme DIR [--messages] [--player NAME]"};
    const Options options(Args(args.begin() + 1, args.end()), {"player"}, {"messages"});
    const std::string player = options.text("player").value_or("Friend");

    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path dir = fs::canonical(args[0], ec);
    if (ec || !fs::is_directory(dir, ec)) {
        err << "quorvel3d-tool theme: '" << args[0] << "' is not a folder\n";
        return 2;
    }
    const std::string folder = dir.string() == "/" ? "/" : dir.string() + "/";

    const std::string missing = firstMissingView(folder);
    // The name as given (a linked folder keeps its own name), "." and ".." resolved.
    fs::path given = fs::absolute(args[0], ec).lexically_normal();
    if (given.filename().empty()) given = given.parent_path();
    out << "theme " << decodePiece(given.filename().string()) << "\n"; // as the theme box shows it
    out << "valid " << yesNo(missing.empty()) << "\n";
    if (!missing.empty()) out << "missing " << missing << "\n";
    out << "panel " << yesNo(groupFromFolder(folder, PictureGroup::panel)) << "\n";
    out << "map " << yesNo(groupFromFolder(folder, PictureGroup::map)) << "\n";
    out << "story " << yesNo(!themeStory(folder).empty()) << "\n";
    const std::string music = themeMusic(folder);
    out << "music " << (music.empty() ? "none" : filename(music)) << "\n";
    reportUnreadable(folder, out);

    Random rng;
    MessageCatalogue catalogue(rng);
    loadThemeFolder(catalogue, folder);
    const Vocabulary& words = catalogue.vocabulary();
    for (std::string_view key : itemsKeys())
        out << "word " << key << "=" << *vocabularyWord(words, "Items", key) << "\n";
    for (std::string_view key : hintsKeys())
        out << "hint " << key << "=" << *vocabularyWord(words, "Hints", key) << "\n";

    if (options.has("messages")) {
        for (int key = 0; key < messageKeyCount; ++key) {
            const auto& variants = catalogue.variants(key);
            out << "key " << key << " " << messageKeyword(key) << " " << variants.size() << "\n";
            for (const std::string& v : variants)
                out << "  " << catalogue.fillTokens(v, player, key) << "\n";
        }
    }
    return 0;
}

} // namespace quorvel::tool
