#include "widgets/language.h"

#include <array>
#include <memory>
#include <string_view>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include "text/gametext.h"

namespace quorvel {

namespace {

constexpr std::array<std::string_view, 3> shippedLanguages = {"de", "fr", "es"};

enum class Pick { english, shipped, unknown };

/// The language part of a locale name ("de_AT.UTF-8@euro" gives "de").
std::string languageOf(std::string_view locale) {
    return std::string(locale.substr(0, locale.find_first_of("_.@")));
}

Pick pick(const std::string& language) {
    if (language == "en" || language == "C" || language == "POSIX") return Pick::english;
    for (const std::string_view shipped : shippedLanguages)
        if (language == shipped) return Pick::shipped;
    return Pick::unknown;
}

std::string translatedText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

QString gameTranslationFile(const std::string& language) {
    return QStringLiteral(":/i18n/quorvel3d_%1.qm").arg(QString::fromStdString(language));
}

std::string& languageInForce() {
    static std::string language;
    return language;
}

} // namespace

std::string chooseLanguage(const std::function<std::string(const char*)>& variable) {
    // LANGUAGE lists languages in the player's order, as gettext reads it.
    const std::string list = variable("LANGUAGE");
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t end = std::min(list.find(':', at), list.size());
        const std::string language = languageOf(std::string_view(list).substr(at, end - at));
        at = end + 1;
        if (language.empty()) continue;
        const Pick p = pick(language);
        if (p == Pick::english) return "";
        if (p == Pick::shipped) return language;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string locale = variable(name);
        if (locale.empty()) continue;
        const std::string language = languageOf(locale);
        return pick(language) == Pick::shipped ? language : "";
    }
    return "";
}

std::string gameLanguage() {
    return languageInForce();
}

void installTranslations(const std::string& language) {
    static std::unique_ptr<QTranslator> game, toolkit;
    // English as the program starts touches nothing of Qt's: it is the texts as written.
    if (language.empty() && languageInForce().empty()) return;
    languageInForce() = language;
    for (auto* installed : {&game, &toolkit})
        if (*installed) {
            QCoreApplication::removeTranslator(installed->get());
            installed->reset();
        }
    setGameTextLookup(nullptr);
    // Qt's own choices by language (the voice of spoken play among them) follow the game's.
    QLocale::setDefault(language.empty() ? QLocale::system()
                                         : QLocale(QString::fromStdString(language)));
    if (language.empty()) return;
    setGameTextLookup(translatedText);
    game = std::make_unique<QTranslator>();
    if (game->load(gameTranslationFile(language))) QCoreApplication::installTranslator(game.get());
    // Qt's own texts (the standard buttons, the input box), from the desktop's Qt.
    toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit.get());
}

QString shownClockText(const std::string& text) {
    static const QRegularExpression clock(QStringLiteral("^(\\d+) (day|days), (\\d\\d:\\d\\d:\\d\\d)$"));
    const QString whole = QString::fromStdString(text);
    const QRegularExpressionMatch m = clock.match(whole);
    if (!m.hasMatch()) return whole;
    const QString form = m.captured(2) == QLatin1String("day")
                             ? QCoreApplication::translate("quorvel::Clock", "%1 day, %2")
                             : QCoreApplication::translate("quorvel::Clock", "%1 days, %2");
    return form.arg(m.captured(1), m.captured(3));
}

std::string translateEarly(const std::string& language, const char* context, const char* text) {
    QTranslator translator;
    if (language.empty() || !translator.load(gameTranslationFile(language))) return text;
    const QString translated = translator.translate(context, text);
    return translated.isEmpty() ? std::string(text) : translated.toStdString();
}

} // namespace quorvel
