#pragma once
// Texts the player reads that plain C++ makes (the rules' end screens, the file
// formats' errors) in the player's language. The program installs the lookup once it
// knows the language (Qt's translations); until then, and in English, a text is given
// back exactly as written. Qt's lupdate gathers every gameText call into the .ts files.

#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel {

/// Marks a literal for the .ts files where it is only named (a table); gameText says it.
#define GAME_TEXT_NOOP(context, text) text

/// Finds text of context in the player's language; nullptr gives back text itself.
using GameTextLookup = std::string (*)(const char* context, const char* text);

/// Installs the lookup gameText uses (nullptr: English as written). Set before any
/// window exists, from the user-interface thread.
void setGameTextLookup(GameTextLookup lookup);

/// text, a literal of context, in the player's language.
std::string gameText(const char* context, const char* text);

/// form with "%1", "%2", ... replaced by values in one pass, as a translated form takes its
/// arguments (a value's own "%2" stays as it is).
std::string fillIn(std::string_view form, std::initializer_list<std::string_view> values);
inline std::string fillIn(std::string_view form, std::string_view value) {
    return fillIn(form, {value});
}

} // namespace quorvel
