#include "app/commandline.h"

#include <algorithm>
#include <array>

#include "text/gametext.h"
#include "text/textutil.h"

namespace quorvel {

namespace {

std::string& kept() {
    static std::string value;
    return value;
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string normalise(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args)
        line += " " + a;
    line = trimText(line);
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        if (line[i] == '-' || line[i] == '/') {
            line[i] = '/';
            line[i + 1] = upper(line[i + 1]);
        }
    }
    return line;
}

} // namespace

const std::string& readCommandLine(const std::vector<std::string>& args) {
    kept() = normalise(args);
    return kept();
}

const std::string& commandline() {
    return kept();
}

std::string getSwitch(char letter) {
    return getSwitch(kept(), letter);
}

std::string getSwitch(std::string_view line, char letter) {
    if (line.empty()) return {};
    const std::string mark{'/', upper(letter)};
    const std::size_t at = line.find(mark);
    if (at == std::string_view::npos) return {};
    std::string_view value = line.substr(at + 2);
    // At most 255 characters, counted in whole characters of the UTF-8 text.
    std::size_t bytes = 0;
    for (std::size_t chars = 0; bytes < value.size(); ++bytes) {
        if ((static_cast<unsigned char>(value[bytes]) & 0xC0) != 0x80 && chars++ == 255) break;
    }
    value = value.substr(0, bytes);
    value = value.substr(0, value.find('/'));
    return decodeSwitch(value);
}

std::string decodeSwitch(std::string_view text) {
    const std::string t = trimText(text);
    std::string out;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '%') {
            out += t[i];
            continue;
        }
        if (++i == t.size()) break; // a "%" at the very end is dropped
        switch (t[i]) {
        case 'b': out += ' '; break;
        case 'q': out += '"'; break;
        case 'p': out += '%'; break;
        case 'd': out += '-'; break;
        case 's': out += '/'; break;
        default: break; // unknown codes yield nothing
        }
    }
    return out;
}

// ---- the program's own options -------------------------------------------------------

namespace {

std::string setAction(ProgramOptions& options, ProgramOptions::Action action) {
    options.action = action;
    return {};
}

/// Qt's own options (Qt Gui, Qt Widgets and the X11 plug-in), which Qt reads with one
/// dash or two, and whether the next argument is their value.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<QtOption, 23> qtOptions = {{
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowicon", true},
    {"icon", true},
    {"qwindowtitle", true},
    {"title", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"visual", true},
    {"style", true},
    {"stylesheet", true},
    {"reverse", false},
    {"widgetcount", false},
    {"sync", false},
    {"nograb", false},
    {"dograb", false},
    {"testability", false},
    {"qmljsdebugger", false},
}};

const QtOption* qtOption(std::string_view word) {
    for (const QtOption& o : qtOptions)
        if (o.name == word) return &o;
    return nullptr;
}

/// The option a word names, exactly or as the unambiguous start of one; sets
/// `refusal` when it names none or several.
const GnuOption* findOption(std::string_view word, std::string& refusal) {
    std::vector<const GnuOption*> matches;
    for (const GnuOption& o : gnuOptions()) {
        if (o.name == word) return &o;
        if (o.name.substr(0, word.size()) == word) matches.push_back(&o);
    }
    if (matches.size() == 1) return matches.front();
    if (matches.empty()) {
        refusal = "unrecognized option '--" + std::string(word) + "'";
    } else {
        refusal = "option '--" + std::string(word) + "' is ambiguous; possibilities:";
        for (const GnuOption* o : matches)
            refusal += " '--" + std::string(o->name) + "'";
    }
    return nullptr;
}

/// Splits "-name", "--name" or "--name=value" into the name and what follows "=".
struct Word {
    std::string_view name;
    std::string_view value;
    bool hasValue = false;
};
Word splitWord(std::string_view arg) {
    arg.remove_prefix(arg.substr(0, 2) == "--" ? 2 : 1);
    Word w;
    const std::size_t eq = arg.find('=');
    w.name = arg.substr(0, eq);
    if (eq != std::string_view::npos) {
        w.value = arg.substr(eq + 1);
        w.hasValue = true;
    }
    return w;
}

/// The first word of the game's own arguments (Qt's options and their values left out)
/// that belongs to no switch: the switch reader skips whatever comes before the first
/// switch mark of the joined command line. Empty when there is none.
std::string strayWord(const std::vector<std::string>& words) {
    const std::string line = normalise(words);
    if (line.empty() || (line.size() > 1 && line[0] == '/')) return {};
    for (const std::string& w : words)
        if (std::string word = trimText(w); !word.empty()) return word;
    return {};
}

} // namespace

const std::vector<GnuOption>& gnuOptions() {
    static const std::vector<GnuOption> options = {
        {"help", "", GAME_TEXT_NOOP("quorvel::CommandLine", "show this help and end"),
         [](ProgramOptions& o, std::string_view) {
             return setAction(o, ProgramOptions::Action::help);
         }},
        {"version", "", GAME_TEXT_NOOP("quorvel::CommandLine", "show the version and end"),
         [](ProgramOptions& o, std::string_view) {
             return setAction(o, ProgramOptions::Action::version);
         }},
        {"maze", "L-S",
         GAME_TEXT_NOOP("quorvel::CommandLine", "play maze number L-S at once: level L (1 to 6)\n"
                                                "from generator state S (0 to 4294967295); a word\n"
                                                "that belongs to no switch is refused"),
         [](ProgramOptions& o, std::string_view value) {
             const std::optional<MazeNumber> number = parseMazeNumber(value);
             if (!number) return badMazeNumberText(value);
             o.maze = number; // given twice, the last one counts
             return std::string();
         }},
        {"speech", "",
         "start with spoken play on, for this run and a\n"
         "player first named in it (as when the desktop\n"
         "runs a screen reader on a first start)",
         [](ProgramOptions& o, std::string_view) {
             o.speech = true;
             return std::string();
         }},
        {"replay", "FILE",
         GAME_TEXT_NOOP("quorvel::CommandLine", "watch the run kept in FILE (one of the Replays\n"
                                                "folder) and say whether it reaches its recorded\n"
                                                "result; Space pauses, Right plays one event,\n"
                                                "1 2 4 set the speed, Esc stops"),
         [](ProgramOptions& o, std::string_view value) {
             if (value.empty()) return std::string("option '--replay' names no file");
             o.replay = std::string(value);
             return std::string();
         }},
    };
    return options;
}

ProgramOptions readProgramOptions(const std::vector<std::string>& args) {
    ProgramOptions options;
    const auto refuse = [&options](std::string line) {
        // The line names what the user typed; control bytes in it would reach the
        // terminal as they are, so they are shown as '?'.
        for (char& c : line)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
        options.action = ProgramOptions::Action::refuse;
        options.refusal = std::move(line);
        options.passOn.clear();
        return options;
    };
    bool optionsEnded = false;
    std::vector<std::string> gameWords; // what the switch reader will see
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.passOn.push_back(arg);
            gameWords.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const Word word = splitWord(arg);
        const bool gnu = arg[1] == '-';
        if (const QtOption* qt = qtOption(word.name)) {
            options.passOn.push_back(arg);
            if (qt->takesValue && !word.hasValue && i + 1 < args.size())
                options.passOn.push_back(args[++i]); // the value, whatever it looks like
            continue;
        }
        if (!gnu) { // the game's own switches (-u, /U) are read later
            options.passOn.push_back(arg);
            gameWords.push_back(arg);
            continue;
        }
        std::string refusal;
        const GnuOption* option = findOption(word.name, refusal);
        if (!option) return refuse(refusal);
        const std::string name = "'--" + std::string(option->name) + "'";
        std::string_view value = word.value;
        if (option->argument.empty() && word.hasValue)
            return refuse("option " + name + " doesn't allow an argument");
        if (!option->argument.empty() && !word.hasValue) {
            if (i + 1 >= args.size()) return refuse("option " + name + " requires an argument");
            value = args[++i];
        }
        if (std::string problem = option->apply(options, value); !problem.empty())
            return refuse(problem);
        if (options.action != ProgramOptions::Action::play) {
            options.passOn.clear();
            return options;
        }
    }
    if (options.maze && options.replay)
        return refuse("options '--maze' and '--replay' do not go together");
    // A maze number or a run opens at once, so nothing else on the command line may go
    // unread: a word no switch takes is a mistake the player should hear of.
    if (options.maze || options.replay)
        if (const std::string stray = strayWord(gameWords); !stray.empty())
            return refuse("extra operand '" + stray + "' with " +
                          (options.maze ? "--maze" : "--replay"));
    return options;
}

std::string versionLine() {
    return "Quorvel 3-D " + versionText();
}

std::string usageText(std::string_view program, const UsageTranslation& translate) {
    const auto tr = [&translate](const char* text) {
        return translate ? translate("quorvel::CommandLine", text) : std::string(text);
    };
    static constexpr const char* head = GAME_TEXT_NOOP(
        "quorvel::CommandLine", "Usage: %1 [OPTION]... [-uNAME] [QT-OPTION]...\n"
                                "Quorvel 3-D: a random 3-D maze, seen in first person.\n"
                                "\n"
                                "Options:\n");
    std::string text = tr(head);
    if (const std::size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, program);
    for (const GnuOption& o : gnuOptions()) {
        std::string name = "      --" + std::string(o.name);
        if (!o.argument.empty()) name += "=" + std::string(o.argument);
        name.resize(std::max<std::size_t>(name.size() + 2, 24), ' ');
        // A summary too long for one line is written in lines of its own, each
        // continued under the first.
        std::string summary = tr(o.summary.data());
        for (std::size_t at = 0; (at = summary.find('\n', at)) != std::string::npos; at += 25)
            summary.insert(at + 1, 24, ' ');
        text += name + summary + "\n";
    }
    // The rest in paragraphs, each translated whole.
    static constexpr std::array rest = {
        GAME_TEXT_NOOP(
            "quorvel::CommandLine",
            "  -uNAME, /UNAME        play as NAME without being asked for a name (the\n"
            "                        letter u in either case)\n"
            "      --                end the options: what follows is passed on as it is\n"),
        GAME_TEXT_NOOP(
            "quorvel::CommandLine",
            "Every \"-\" and \"/\" in the rest of the command line starts a switch, so a\n"
            "player's name writes these as escapes:\n"
            "  %b a blank   %q a double quote   %p a percent sign   %d a minus   %s a slash\n"
            "For example -uJohn%bSmith plays as \"John Smith\", /UAnn%dMarie as \"Ann-Marie\".\n"),
        GAME_TEXT_NOOP(
            "quorvel::CommandLine",
            "Qt's own options, with one dash or two, are passed on to Qt; among them:\n"
            "  -platform NAME        the window system: xcb (X11), wayland, or offscreen\n"
            "                        and minimal, which need no display\n"
            "  -display DISPLAY      the X display to open (xcb)\n"
            "  -style STYLE, -stylesheet FILE, -platformtheme NAME, -reverse,\n"
            "  -qwindowgeometry GEOMETRY, -qwindowtitle TITLE, -qwindowicon FILE,\n"
            "  -platformpluginpath PATH, -plugin NAME, -session ID, -name NAME\n"),
        GAME_TEXT_NOOP(
            "quorvel::CommandLine",
            "On a Wayland desktop with XWayland (both WAYLAND_DISPLAY and DISPLAY set) the\n"
            "game runs through X11 (Qt's xcb platform), where it can place its map window\n"
            "beside the game screen and carry a locked map along, which no Wayland client\n"
            "may do. Set QT_QPA_PLATFORM or give -platform to choose otherwise.\n"),
        GAME_TEXT_NOOP(
            "quorvel::CommandLine",
            "Environment:\n"
            "  QUORVEL3D_HOME        the folder of the settings, saved games, best times\n"
            "                        and themes; else the program's own folder when it is\n"
            "                        writable, else $XDG_DATA_HOME/quorvel3d\n"
            "  DISPLAY, WAYLAND_DISPLAY  the display to open\n"
            "  QT_QPA_PLATFORM       Qt's platform, as -platform\n"
            "  SDL_AUDIODRIVER       SDL's audio driver (dummy plays nothing)\n"
            "  SDL_SOUNDFONTS        the General MIDI SoundFont of the music\n"),
        GAME_TEXT_NOOP("quorvel::CommandLine",
                       "Exit status: 0 when the game ends (or another copy is running already),\n"
                       "1 when it cannot start, 2 for a bad command line.\n"),
    };
    for (std::size_t i = 0; i < rest.size(); ++i)
        text += (i == 0 ? "" : "\n") + tr(rest[i]);
    return text;
}

} // namespace quorvel
