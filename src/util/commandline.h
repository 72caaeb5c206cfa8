#pragma once
// The command line as the game reads it: all arguments joined by blanks, with
// every "-" or "/" turned into the switch mark "/" and the letter after it into
// upper case, so -ubob and /Ubob both give the switch U the value "bob". Values
// use %-escapes for what the marks would break: %b blank, %q double quote,
// %p percent, %d minus, %s slash.

#include <string>
#include <string_view>
#include <vector>

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

} // namespace quorvel
