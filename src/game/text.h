#pragma once
// Small text helpers of the rules, ASCII only as the game's words are compared.

#include <string>
#include <string_view>

namespace quorvel {

std::string asciiLower(std::string_view s);
std::string asciiUpper(std::string_view s);
/// Equal without regard to ASCII case.
bool sameText(std::string_view a, std::string_view b);

} // namespace quorvel
