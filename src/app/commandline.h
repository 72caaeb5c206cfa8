#pragma once
// The command line as the game reads it: all arguments joined by blanks, with
// every "-" or "/" turned into the switch mark "/" and the letter after it into
// upper case, so -ubob and /Ubob both give the switch U the value "bob". Values
// use %-escapes for what the marks would break: %b blank, %q double quote,
// %p percent, %d minus, %s slash.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/mazenumber.h"

namespace quorvel {

/// Builds and keeps the command-line string from arguments 1..n (without the
/// program itself); runs once at start-up. Returns the string.
const std::string& readCommandLine(const std::vector<std::string>& args);
/// The string readCommandLine kept (empty before).
const std::string& commandline();
/// The decoded value of switch letter in the kept command line; empty when absent.
std::string getSwitch(char letter);
/// The same for a given command-line string.
std::string getSwitch(std::string_view commandline, char letter);
/// The escape decoding of a switch value (trimmed first).
std::string decodeSwitch(std::string_view text);

// ---- the program's own options, in the GNU way ---------------------------------------
// Arguments of the form "--word" or "--word=value" are the program's own options. They
// are read before any window system is touched and taken out of the command line
// before the switches above are read. Qt's own options pass on unchanged, with one
// dash or two ("-platform offscreen", "--platform offscreen"); "--" ends the options.

/// What the command line asks of the program as a whole.
struct ProgramOptions {
    enum class Action {
        play,    ///< start the game
        help,    ///< print the usage and end
        version, ///< print the version and end
        refuse,  ///< a bad command line: print `refusal` and end with status 2
    };
    Action action = Action::play;
    std::optional<MazeNumber> maze;    ///< --maze L-S: this maze at once (the last one given)
    std::optional<std::string> replay; ///< --replay FILE: watch this run at once (the last one)
    bool speech = false;               ///< --speech: spoken play on from the start
    std::string refusal;               ///< one line, without the program's name
    std::vector<std::string> passOn;   ///< every other argument, in order, for Qt and the switches
};

/// One of the program's options. To add one, add an entry to gnuOptions() and, when it
/// carries a value, a field to ProgramOptions that its apply function fills.
struct GnuOption {
    std::string_view name;     ///< without the leading "--"
    std::string_view argument; ///< the value's name in the usage; empty when it takes none
    std::string_view summary;  ///< for the usage; a "\n" starts a continued line
    /// Applies the option; returns a refusal (without the program's name) or empty.
    std::string (*apply)(ProgramOptions& options, std::string_view value);
};
/// The program's options, in the order the usage lists them.
const std::vector<GnuOption>& gnuOptions();

/// Reads the program's options from arguments 1..n. Options may be shortened while
/// they stay unambiguous ("--vers"); the first --help or --version ends the reading;
/// an unknown "--word", a value given to an option that takes none, or a missing
/// value refuses the command line. With --maze or --replay (which do not go together),
/// so does a word that belongs to no switch (one before the first switch, Qt's options
/// and their values aside), which the game would otherwise ignore. Whether --replay
/// names a run file is for the caller to find out.
ProgramOptions readProgramOptions(const std::vector<std::string>& args);
/// Gives a text of --help (context, English text) in the player's language.
using UsageTranslation = std::function<std::string(const char* context, const char* text)>;
/// The text --help prints, in English or through translate.
std::string usageText(std::string_view program, const UsageTranslation& translate = {});
/// The line --version prints: "Quorvel 3-D " and the game's versionText().
std::string versionLine();

} // namespace quorvel
