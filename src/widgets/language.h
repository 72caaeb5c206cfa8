#pragma once
// The language of the game's texts. The desktop names it (LANGUAGE, then LC_ALL,
// LC_MESSAGES or LANG); English is the texts as written, German, French and Spanish
// come built in as Qt translations (":/i18n/quorvel3d_de.qm").

#include <functional>
#include <string>

#include <QString>

namespace quorvel {

/// A shipped translation's code ("de", "fr", "es") chosen from the desktop's variables
/// (read through variable), or "" for English: LANGUAGE's list in its order, then the
/// first set of LC_ALL, LC_MESSAGES and LANG. "en", "C" and a language without a
/// translation give English.
std::string chooseLanguage(const std::function<std::string(const char*)>& variable);

/// The language installTranslations put in force ("" for English).
std::string gameLanguage();

/// Installs the game's and Qt's own translations for language ("" installs none), so
/// tr() and Qt's standard buttons speak it; needs the application and the built-in
/// resources. Installing again replaces the language before.
void installTranslations(const std::string& language);

/// The game clock's text ("3 days, 04:05:06", as the rules and the best-times file keep
/// it) in the player's language; any other text as it is.
QString shownClockText(const std::string& text);

/// text of context in language, for what is written before the application exists
/// (--help); text itself in English or where no translation has it.
std::string translateEarly(const std::string& language, const char* context, const char* text);

} // namespace quorvel
