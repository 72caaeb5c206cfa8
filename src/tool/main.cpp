// quorvel3d-tool: the command-line companion of Quorvel 3-D, over the same core as
// the game, for players, theme authors and tests.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <new>
#include <string_view>

#include "text/textutil.h"
#include "tool/command.h"

namespace {

using namespace quorvel::tool;

struct Command {
    std::string_view name;
    int (*run)(const Args&, std::ostream&, std::ostream&);
};

// One line a subcommand.
constexpr Command commands[] = {
    {"maze", mazeCommand},     {"view", viewCommand}, {"render", renderCommand},
    {"theme", themeCommand},   {"save", saveCommand}, {"scores", scoresCommand},
    {"replay", replayCommand},
};

constexpr std::string_view helpText = R"(Usage: quorvel3d-tool COMMAND [OPTIONS]

Commands:
  maze --level L --seed S
      Generates the maze the game would make for level L (1..6) from generator
      state S (decimal, or hexadecimal with 0x; the state before the first draw).
      Prints "level L size N seed S", then "start ROW COL facing F compassturn T
      rejected K" (K mazes rejected before this one), then rows 0..N, each the
      decimal cell codes of columns 0..N+1 separated by single spaces.
  view --level L --seed S [--row R --col C --facing F]
      Generates the same maze and prints the view plan for a position (default:
      the start cell and facing): "strips A B C D E F", "case
      normal|exit3|exit2|exit1|onexit", "boxes o1 o2 o3 c1 c2 c3" (open box at
      distance 1..3, closed box at distance 1..3, each 0 or 1), "ahead CODE".
  theme DIR [--messages] [--player NAME]
      Reports what the folder DIR supplies as a theme, one item a line: "theme
      NAME" (the folder's own name as the theme box shows it: a name that is not
      UTF-8 read as Windows-1252), "valid yes|no", "missing FILE" (only when not
      valid: the first missing view picture, tested door1..12, wall1..12,
      middle1..12), "panel yes|no" (valid and all 14 panel pictures there), "map
      yes|no", "story yes|no", "music FILE|none" (music.mid, else music.rmi). Then
      "unreadable FILE: REASON" for each picture of the theme (the view, box, exit,
      map and panel pictures, in that order) and each sound (*.wav, by name) that
      is there but cannot be read whole, REASON being one of "empty file",
      "truncated", "not a BMP picture", "a kind of BMP it cannot read", "too
      large", "cannot be opened" or, for sounds, "too long" (over five minutes)
      and "not a sound it can decode". The game draws the whole group of such a
      picture with its built-in pictures ("valid", "panel" and "map" only tell
      which files are there); such a sound is not played, or a truncated or too
      long one only its first part. Then, with the
      theme's words loaded, "word KEY=VALUE" for each key of theme.ini's Items
      section and "hint KEY=VALUE" for each key of its Hints section.
      With --messages, for every message key K (0..35): "key K KEYWORD COUNT" and
      each variant the game keeps, filled for the player NAME (default "Friend")
      and item code K, on its own line after two spaces.

  render --level L --seed S [--row R --col C --facing F] [--battery B
         --batterysteps T] [--theme DIR] [--scale K] --out FILE.png|-
      Composes the 240 x 240 first-person view the player would see at that
      position (default: the start) with the built-in pictures, or with the
      pictures of the theme folder DIR (each group of pictures wholly from the
      theme or wholly built in, as in the game), and writes it as a PNG file,
      or with --out - to standard output.
      Scale K is 1 (default) or 2: with 2 the view is composed as a screen of
      twice the density shows it, 480 x 480, from the built-in pictures drawn
      at twice the resolution (a theme's pictures scaled up).
      Battery B is 0..100 (default 100), T the steps counted towards the next
      1 % of drain (default 0); the view darkens as the game darkens it, with
      a drain of 1 % per two steps. Standing on the exit facing it shows the
      ending picture at full light. Prints "rendered FILE: row R col C facing
      F case CASE darkness D"; with --out - that line goes to standard error
      (FILE being "-"), so standard output holds the picture alone. The file
      is replaced whole or not at all; a link is followed and the file it
      leads to is replaced (the link stays). A FILE that is a device, a pipe,
      a folder or a socket is refused and left as it was.
  save FILE
      Prints what the saved game FILE holds, one "NAME<TAB>VALUE" line each for
      posrow, poscol, facing, mazesize, stepcount, compassturn, lastrow, lastcol,
      elapsed (days, %.9f), foodlevel, gemscore, batterylevel, batterysteps,
      hascompass, hasgps, hastracker, mapinview, hasbeacon, hasdetector; then,
      only when the saved game kept it, "maze<TAB>L-S", the maze's number (level
      L from generator state S, as "maze --level L --seed S" makes it and
      "quorvel3d --maze L-S" plays it); then
      "grid" and rows 0..mazesize of columns 0..mazesize+1 as "maze" prints them;
      then "placed<TAB>CODE<TAB>COUNT" for each cell code the maze held at its start.
  scores FILE|--builtin
      Prints the 18 results of the best-times file FILE (or of the table built into
      the game), level by level, best first: "LEVEL<TAB>RANK<TAB>NAME<TAB>TIME<TAB>
      TIMETEXT<TAB>GEMS<TAB>STEPS<TAB>FOOD<TAB>BATTERY", TIME in days (%.9f).
  replay FILE
      Plays the run FILE (a game's recording, from the program folder's Replays
      or beside a saved game) again with the rules alone. Prints what the run
      recorded, one "NAME<TAB>VALUE" line each: maze (its number L-S), player,
      theme, result (won, lost or unfinished), time (days, %.9f, then the clock's
      text), gems, steps, events; then "verified" (status 0), or "departs at
      event N: WHY", the first event the game could not have recorded there
      (status 1). Names print control characters and bytes that are no UTF-8
      as \xHH, and a backslash as \\. "verified" means: the game could have
      recorded the run (one maze; play begun again only after a saved quit;
      every event one the game takes there as the run has it; clock ticks a
      second apart, none missing while the clock runs; run steps a fifth of a
      second apart; nothing earlier than the event before it), and played again
      it reaches the recorded result, time, gems and steps. It does not say who
      played it: a run file written by a program, checksum and all, can still be
      verified. A file that is no run file, or whose maze, version of the rules
      or checksum does not match, is refused with one line on standard error
      (status 1).

  save and scores only read, and only plain files: a folder, a pipe or a device
  is refused as the game refuses it, without waiting on it, and of a longer file
  only the first record (34304 bytes) or table (39424 bytes) is read, as the game
  reads it. A file the game would refuse prints the game's dialog as "Title:
  text" on standard error and exits with status 1.

Options:
  --help       this text
  --version    the version

Bad input prints one line on standard error and exits with status 2; so does
the tool given no arguments at all. Any other failure prints one line on
standard error and exits with status 1: output that cannot be written (a
missing folder, a full disk, a refused FILE, a standard output that takes
nothing more) or running out of memory.
)";

constexpr std::string_view usageLine =
    "Usage: quorvel3d-tool COMMAND [OPTIONS]; try 'quorvel3d-tool --help'\n";

/// Runs one subcommand; exceptions other than BadInput and WriteFailure are left to main.
int runCommand(const Command& c, const Args& args) {
    try {
        return c.run(args, std::cout, std::cerr);
    } catch (const BadInput& bad) {
        std::cerr << "quorvel3d-tool " << c.name << ": " << bad.what << "\n";
        return 2;
    } catch (const WriteFailure& failure) {
        std::cerr << "quorvel3d-tool " << c.name << ": " << failure.what << "\n";
        return 1;
    }
}

int run(const Args& all) {
    if (all.empty()) {
        std::cerr << usageLine;
        return 2;
    }
    if (all[0] == "--help" || all[0] == "-h") {
        std::cout << helpText;
        return 0;
    }
    if (all[0] == "--version") {
        std::cout << "quorvel3d-tool " << quorvel::versionText() << "\n";
        return 0;
    }
    for (const Command& c : commands)
        if (all[0] == c.name) return runCommand(c, Args(all.begin() + 1, all.end()));
    std::cerr << "quorvel3d-tool: unknown command '" << all[0] << "' (see --help)\n";
    return 2;
}

/// True when all that was printed reached standard output. Output lost to a full
/// disk is a failure, not a success; it is then told on standard error.
bool standardOutputDelivered() {
    errno = 0;
    std::cout.flush();
    if (std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    const int cause = errno;
    std::fprintf(stderr, "quorvel3d-tool: cannot write to standard output%s%s\n", cause ? ": " : "",
                 cause ? std::strerror(cause) : "");
    return false;
}

} // namespace

// Nothing escapes: whatever fails ends as one line on standard error and status 1.
int main(int argc, char** argv) {
    try {
        const int status = run(Args(argv + 1, argv + argc));
        // A failed command has said why already.
        return status != 0 || standardOutputDelivered() ? status : 1;
    } catch (const std::bad_alloc&) {
        std::fputs("quorvel3d-tool: out of memory\n", stderr);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorvel3d-tool: %s\n", e.what());
    } catch (...) {
        std::fputs("quorvel3d-tool: failed\n", stderr);
    }
    return 1;
}
