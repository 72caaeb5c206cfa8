#pragma once
// The subcommands of quorvel3d-tool. Each takes its own arguments (after the
// subcommand's name), prints to the streams it is given and returns the exit status:
// 0 done, 1 a file the game would refuse (its dialog on the error stream) or output
// that could not be written, 2 bad input (one line on the error stream saying what is
// wrong).

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::tool {

using Args = std::vector<std::string>;

int mazeCommand(const Args& args, std::ostream& out, std::ostream& err);
int viewCommand(const Args& args, std::ostream& out, std::ostream& err);
int renderCommand(const Args& args, std::ostream& out, std::ostream& err);
int themeCommand(const Args& args, std::ostream& out, std::ostream& err);
int saveCommand(const Args& args, std::ostream& out, std::ostream& err);
int scoresCommand(const Args& args, std::ostream& out, std::ostream& err);
int replayCommand(const Args& args, std::ostream& out, std::ostream& err);

/// Text from a file as a terminal may show it: control characters (C0, DEL and C1) and
/// bytes that are no UTF-8 become \xHH, and a backslash \\; the rest as it is.
std::string printable(std::string_view text);

/// Thrown by the argument helpers; main prints its text and exits with status 2.
struct BadInput {
    std::string what;
};

/// Thrown when output cannot be written; main prints its text and exits with status 1.
struct WriteFailure {
    std::string what;
};

} // namespace quorvel::tool
