// The game in the player's language: the desktop's variables choose it, every shipped
// translation is finished and keeps its arguments and keys, and in each language every
// window shows its texts whole (or cut with an ellipsis and readable whole) with no
// English left where a translation has words of its own.

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <map>

#include "files/programfolder.h"
#include "files/resourcefile.h"
#include "game/besttimes.h"
#include "resources/resources.h"
#include "screenfixture.h"
#include "screens/aboutbox.h"
#include "screens/besttimesscreen.h"
#include "screens/helpwindow.h"
#include "screens/openingscreen.h"
#include "screens/statisticsscreen.h"
#include "screens/storywindow.h"
#include "screenshot.h"
#include "theme/messages.h"
#include "widgets/elidedtext.h"
#include "widgets/language.h"
#include "widgets/messagedialog.h"

namespace quorvel::test {
namespace {

const char* const languages[] = {"de", "fr", "es"};

TEST(Language, TheDesktopsVariablesChooseItAsGettextDoes) {
    const std::vector<std::pair<std::map<std::string, std::string>, std::string>> cases = {
        {{}, ""},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "fr_CA.UTF-8@euro"}}, "fr"},
        {{{"LC_MESSAGES", "es_ES.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "es"},
        {{{"LC_ALL", "C.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, ""}, // LC_ALL rules
        {{{"LANGUAGE", "en"}, {"LANG", "de_DE.UTF-8"}}, ""},           // English asked for
        {{{"LANGUAGE", "pt_BR:es:de"}, {"LANG", "fr_FR"}}, "es"},      // the first one shipped
        {{{"LANGUAGE", "pt:nl"}, {"LANG", "de_AT.UTF-8"}}, "de"},      // none shipped: the locale
        {{{"LANGUAGE", ":"}, {"LANG", "xx_XX"}}, ""},                  // unknown: English
        {{{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, "de"},
    };
    for (const auto& [variables, expected] : cases) {
        const auto lookup = [&variables = variables](const char* name) {
            const auto it = variables.find(name);
            return it == variables.end() ? std::string() : it->second;
        };
        EXPECT_EQ(chooseLanguage(lookup), expected) << variables.size() << " " << expected;
    }
}

struct Message {
    QString context, source, translation;
    bool finished = false;
};

std::vector<Message> readTs(const QString& language) {
    QFile file(QStringLiteral(QUORVEL_TRANSLATIONS_DIR "/quorvel3d_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::vector<Message> out;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message") out.push_back({context, {}, {}, true});
        if (xml.name() == u"source") out.back().source = xml.readElementText();
        if (xml.name() == u"translation") {
            out.back().finished = xml.attributes().value("type").isEmpty();
            out.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return out;
}

// The "%1".."%9" of a text and whether it marks a key with "&", which a translation
// keeps, so no argument is lost and every caption still answers Alt and a letter.
QString argumentsAndKey(const QString& text) {
    QStringList marks;
    for (const auto& m : QRegularExpression("%[1-9]").globalMatch(text))
        marks << m.captured();
    marks.sort();
    const bool key = QString(text).remove("&&").contains(QRegularExpression("&\\w"));
    return marks.join(' ') + (key ? " &" : "");
}

TEST(Language, EveryTranslationIsFinishedAndKeepsItsArgumentsAndKeys) {
    const std::vector<Message> english = readTs("de");
    ASSERT_GT(english.size(), 300u);
    for (const char* language : languages) {
        const std::vector<Message> messages = readTs(language);
        EXPECT_EQ(messages.size(), english.size()) << language; // the same texts everywhere
        for (const Message& m : messages) {
            const std::string what = std::string(language) + " " + m.context.toStdString() + " \"" +
                                     m.source.toStdString() + "\"";
            EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << what;
            EXPECT_EQ(argumentsAndKey(m.translation).toStdString(),
                      argumentsAndKey(m.source).toStdString())
                << what;
        }
        // The built-in theme's messages keep tokens the catalogue knows, or they would
        // say nothing.
        ensureApp();
        initResources();
        installTranslations(language);
        Random rng;
        MessageCatalogue words(rng);
        for (int key = 0; key < messageKeyCount; ++key) {
            const std::size_t all = words.variants(key).size();
            words.dropBadVariants(key);
            EXPECT_EQ(words.variants(key).size(), all) << language << " " << key;
        }
        installTranslations("");
    }
}

// The English texts a language says in words of its own.
QSet<QString> translatedAway(const char* language) {
    QSet<QString> out;
    for (const Message& m : readTs(language))
        if (m.translation != m.source) out.insert(m.source);
    return out;
}

QString plain(const QLabel* label) {
    if (label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label->text()))
        return label->text();
    QTextDocument doc;
    doc.setHtml(label->text());
    return doc.toPlainText();
}

bool cutWithEllipsis(const QLabel* label) {
    const QString shown = label->text();
    return (shown.contains(QChar(0x2026)) || shown.contains("...")) && wholeText(label) != shown &&
           (!label->toolTip().isEmpty() || !label->accessibleName().isEmpty());
}

// Every shown text of window fits its control, or is cut with an ellipsis and readable
// whole; none is an English text the language has words for.
void expectSaidWhole(QWidget* window, const QSet<QString>& english, const std::string& where) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        const std::string what = where + "/" + w->objectName().toStdString();
        for (const QString& said : {w->toolTip(), w->accessibleName(), w->accessibleDescription()})
            EXPECT_FALSE(english.contains(said))
                << what << " says \"" << said.toStdString() << "\"";
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            const QString text = plain(label);
            EXPECT_FALSE(english.contains(label->text()))
                << what << " \"" << text.toStdString() << "\"";
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(room.width()), room.height() + 1)
                    << what << " \"" << text.toStdString() << "\"";
                continue;
            }
            int widest = 0;
            for (const QString& line : text.split('\n'))
                widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
            EXPECT_TRUE(widest <= room.width() + 1 || cutWithEllipsis(label))
                << what << " \"" << text.toStdString() << "\" needs " << widest << " of "
                << room.width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w);
                   button && !button->text().isEmpty()) {
            EXPECT_FALSE(english.contains(button->text()))
                << what << " \"" << button->text().toStdString() << "\"";
            const QString text = QString(button->text()).remove(QRegularExpression("&(?!&)"));
            const bool pushed = qobject_cast<QPushButton*>(button) != nullptr;
            int needed = button->fontMetrics().horizontalAdvance(text) + (pushed ? 4 : 0);
            if (!button->icon().isNull()) needed += button->iconSize().width() + 4;
            if (qobject_cast<QRadioButton*>(button))
                needed += button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + 4;
            EXPECT_LE(needed, button->width()) << what << " \"" << text.toStdString() << "\"";
        }
    }
}

// Every window of the game, made while language is in force, open and looked at.
void expectEveryWindowSaidWhole(const char* language) {
    const QSet<QString> english = language[0] ? translatedAway(language) : QSet<QString>();
    const std::string tag = language[0] ? language : "en";
    const auto look = [&](QWidget* window, const char* name) {
        expectSaidWhole(window, english, tag + ":" + name);
        screenShot(window, (tag + "-" + name).c_str());
    };
    ManualClock clock{46000.5};
    Session session;
    session.clock = &clock;
    session.namedPlayer = "Tester";
    session.playerName = "Tester";
    OpeningScreen opening(session);
    opening.show();
    look(&opening, "opening");
    whenModal([&](QWidget* box) {
        look(box, "namebox");
        QTest::keyClick(box, Qt::Key_Return);
    });
    opening.askPlayerName();
    opening.hide();

    GameScreen form(session);
    MapWindow map;
    EndScreen end(session);
    QWidget none;
    form.setWindows(&none, &map, &end);
    GameSession play(session, form.game(), map.overheadMap());
    connectGame(play, form, map);
    form.game().newMaze(3, 77);
    map.setupMap(&form, form.game().maze(), session.playerName);
    form.show();
    map.show();
    form.postGameMessage(msgFood, Colour::white, MessageLevel::critical);
    look(&form, "game");
    look(&map, "map");
    for (const EndKind kind : {EndKind::win, EndKind::lose, EndKind::quit}) {
        whenModal([&](QWidget* modal) {
            look(modal, kind == EndKind::win ? "win" : kind == EndKind::lose ? "lose" : "quit");
            modal->close();
        });
        EndScreenSetup setup;
        setup.kind = kind;
        setup.caption = "Winner!";
        setup.rank = 2;
        setup.mazeNumber = "3-77";
        end.showEnd(setup);
    }
    for (const int kind : {dkQuestionCancel, dkError}) {
        whenModal([&](QWidget* modal) {
            look(modal, kind == dkError ? "error" : "question");
            modal->close();
        });
        messageDialog()->showDialog(kind, "", "?");
    }
    form.game().state().gameOver = true;
    form.close();
    map.hide();

    std::string table;
    ASSERT_TRUE(readResource("scores", "BIN", table));
    const BestTimes best = BestTimes::fromFile(
        std::span(reinterpret_cast<const std::uint8_t*>(table.data()), table.size()));
    StatisticsScreen stats(session);
    BestTimesScreen times(stats);
    times.fillTimes(best);
    stats.fillEntry(1, levelTitle(1), best.entry(1, 1));
    HelpWindow help;
    AboutBox about(programFolder());
    const std::pair<QWidget*, const char*> windows[] = {
        {&stats, "stats"}, {&times, "times"}, {&help, "help"}, {&about, "about"}};
    for (const auto& [window, name] : windows) {
        window->show();
        look(window, name);
        window->hide();
    }
    // The help pages in the language, from their first title on.
    const std::map<std::string, QString> firstTitles = {
        {"en", "General Information"},
        {"de", "Allgemeines"},
        {"fr", QString::fromUtf8("Généralités")},
        {"es", QString::fromUtf8("Información general")}};
    EXPECT_TRUE(help.pageViewer->toPlainText().startsWith(firstTitles.at(tag))) << tag;
}

TEST(Language, EveryWindowSaysItsTextsWholeInEachLanguage) {
    ensureApp();
    initResources();
    for (const char* language : {"", "de", "fr", "es"}) {
        TestFolder folder;
        installTranslations(language);
        expectEveryWindowSaidWhole(language);
    }
    installTranslations("");
}

} // namespace
} // namespace quorvel::test
