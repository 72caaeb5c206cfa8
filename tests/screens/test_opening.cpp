// The opening screen through its real window, offscreen: naming the player, the
// settings it keeps, the theme list and preview, the load buttons, the keys, and
// "Enter" opening the game on a freshly made maze.

#include <chrono>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "files/inifile.h"
#include "files/programfolder.h"
#include "game/generator.h"
#include "game/mazenumber.h"
#include "game/random.h"
#include "gamescreenparts.h"
#include "play/gamesession.h"
#include "play/session.h"
#include "screens/endscreen.h"
#include "screens/gamescreen.h"
#include "screens/gamewiring.h"
#include "screens/mapwindow.h"
#include "screens/openingscreen.h"
#include "support/modal.h"
#include "support/picturefiles.h"
#include "support/recordingspeaker.h"
#include "support/testapp.h"
#include "support/testfolder.h"
#include "theme/theme.h"
#include "widgets/dialogs.h"
#include "widgets/widecombobox.h"

using namespace quorvel;

namespace {

// Records what the screen asks of sound and music.
class RecordingSound : public SoundService {
  public:
    std::vector<std::string> calls;
    void playSound(const std::string& theme, const std::string& name, const std::string&,
                   SoundMode mode) override {
        calls.push_back("fx " + theme + " " + name + " " + std::to_string(static_cast<int>(mode)));
    }
    void playIntro() override { calls.push_back("intro"); }
    void stopSound() override { calls.push_back("stop"); }
    void playMusic(const std::string& theme, const std::string& name) override {
        calls.push_back("music " + theme + " " + name);
    }
    void stopMusic() override {}
    void closeMusic() override {}
    void playCue(const StepCue&) override {}
    void saveSoundSettings(const std::string& player) override {
        calls.push_back("savesound " + player);
    }
    bool called(const std::string& call) const {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }
};

// What one modal window showed.
struct Seen {
    QString kind; ///< "name" for the name box, "message" for a message box
    QString title, text, offered;
};

// Answers the modal windows that come up, in order, as a player would: each step gets
// the window and presses its keys. Every window met is recorded.
class ModalScript {
  public:
    using Step = std::function<void(QWidget*)>;
    std::vector<Seen> seen;

    explicit ModalScript(std::deque<Step> steps) : m_steps(std::move(steps)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
        m_timer.start(5);
    }
    bool done() const { return m_steps.empty(); }

  private:
    std::deque<Step> m_steps;
    QTimer m_timer;

    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->property("answered").toBool()) return;
        modal->setProperty("answered", true);
        seen.push_back(look(modal));
        if (m_steps.empty()) { // not expected: close it so the test can fail cleanly
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step(modal);
    }

    static Seen look(QWidget* modal) {
        Seen s;
        s.title = modal->windowTitle();
        if (auto* box = qobject_cast<QInputDialog*>(modal)) {
            s.kind = "name";
            s.text = box->labelText();
            s.offered = box->textValue();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            s.kind = "message";
            s.text = box->text();
        }
        return s;
    }
};

// The name box: the typed text replaces the offered one, then Enter.
ModalScript::Step typename_(const QString& name) {
    return [name](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    };
}
ModalScript::Step cancel() {
    return [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); };
}
ModalScript::Step ok() {
    return [](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Ok)->click();
    };
}

// A theme folder with all 36 view pictures, each a small picture of one colour.
void makeTheme(const std::string& name, QColor colour) {
    const std::string folder = programFolder() + name + "/";
    QDir().mkpath(QString::fromStdString(folder));
    QImage picture(8, 8, QImage::Format_RGB888);
    picture.fill(colour);
    for (const std::string& file : groupFiles(PictureGroup::strips))
        picture.save(QString::fromStdString(folder + file), "BMP");
}

class Opening : public ::testing::Test {
  protected:
    test::TestFolder folder;
    Session session;
    RecordingSound* sound = nullptr;
    std::unique_ptr<OpeningScreen> form1;
    std::unique_ptr<GameScreen> form2;
    std::unique_ptr<EndScreen> winner;
    std::unique_ptr<MapWindow> map;
    std::unique_ptr<GameSession> play;
    bool ended = false;

    void SetUp() override {
        test::ensureApp();
        auto recording = std::make_unique<RecordingSound>();
        sound = recording.get();
        session.sound = std::move(recording);
    }

    // The windows in their start-up order, wired as the program wires them.
    void create() {
        form1 = std::make_unique<OpeningScreen>(session);
        form2 = std::make_unique<GameScreen>(session);
        winner = std::make_unique<EndScreen>(session);
        map = std::make_unique<MapWindow>();
        play = std::make_unique<GameSession>(session, form2->game(), map->overheadMap());
        connectGame(*play, *form2, *map);
        form2->setWindows(form1.get(), map.get(), winner.get());
        form1->setWindows(form2.get(), map.get(), play.get());
        QObject::connect(form1.get(), &OpeningScreen::programEnding, [this] { ended = true; });
    }

    // Shows the opening screen (to player, when one is given) and waits for its setup to
    // have run.
    void showOpening(const char* player = nullptr) {
        if (player) session.playerName = player;
        if (!form1) create();
        sound->calls.clear();
        form1->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return sound->called("intro"); }, 10000));
    }

    // Closes the game screen and waits for the opening screen's setup to have run again.
    void backFromGame() {
        sound->calls.clear();
        form2->hide();
        ASSERT_TRUE(QTest::qWaitFor([this] { return sound->called("intro"); }, 10000));
    }

    // Where a key pressed now arrives: the focused control of the opening screen.
    QWidget* focused() {
        (void)QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000);
        QWidget* w = QApplication::focusWidget();
        return w ? w : form1.get();
    }

    void TearDown() override {
        if (map) map->hide();
        if (form2 && form2->isVisible()) {
            form1->setWindows(nullptr, nullptr, nullptr);
            form2->setWindows(nullptr, nullptr, nullptr);
            form2->hide();
        }
        if (form1) form1->hide();
    }

    std::string iniString(const std::string& section, const std::string& key) {
        return IniFile::load(settingsPath()).readString(section, key, "<none>");
    }
};

// A blind first start (--speech, or a screen reader running): the name box speaks, the
// speech key there switches speech without typing until a name is typed, Shift types
// the capital; the new player keeps spoken play, stored.
TEST_F(Opening, ABlindFirstStartSpeaksFromTheNameBoxOnAndVThereSwitchesSpeech) {
    auto recorder = std::make_unique<test::RecordingSpeaker>();
    test::RecordingSpeaker* speaker = recorder.get();
    session.speaker = std::move(recorder);
    session.spoken.startOn();
    dialogShown = [this](const std::string& words) { session.spoken.sayNow(words); };
    std::string greeted;
    QString afterV;
    bool offAfterV = false;
    ModalScript script({[&](QWidget* modal) {
        greeted = speaker->said.empty() ? "" : speaker->said.back();
        auto* edit = modal->findChild<QLineEdit*>();
        QTest::keyClick(edit, Qt::Key_V);
        offAfterV = !session.spoken.isOn();
        QTest::keyClick(edit, Qt::Key_V);
        afterV = edit->text();
        edit->selectAll();
        QTest::keyClick(edit, 'V', Qt::ShiftModifier); // Shift types the capital
        QTest::keyClicks(edit, "era");
        QTest::keyClick(edit, 'v'); // typing has begun: a letter as any other
        QTest::keyClick(edit, Qt::Key_Return);
    }});
    showOpening();
    dialogShown = nullptr;
    EXPECT_TRUE(greeted.starts_with("Welcome to Quorvel 3-D. Please enter your name")) << greeted;
    EXPECT_TRUE(offAfterV);
    EXPECT_EQ(afterV, "Friend");
    EXPECT_EQ(session.playerName, "Verav");
    EXPECT_TRUE(session.spoken.isOn());
    EXPECT_EQ(IniFile::load(settingsPath()).readString("Verav.SoundSettings", "Speech", "-"), "1");
}

TEST_F(Opening, NewPlayerIsAskedOnceAndStartsOnLevelTwoWithTheBuiltInTheme) {
    ModalScript script({typename_("Alice")});
    showOpening();
    ASSERT_EQ(script.seen.size(), 1u);
    EXPECT_EQ(script.seen[0].kind, "name");
    EXPECT_EQ(script.seen[0].title, "Welcome to Quorvel 3-D");
    EXPECT_EQ(script.seen[0].text, "Please enter your name (up to 12 characters).");
    EXPECT_EQ(script.seen[0].offered, "Friend");

    EXPECT_EQ(session.playerName, "Alice");
    EXPECT_EQ(form1->playerLabel->text(), "Alice");
    EXPECT_TRUE(form1->levelButtons[1]->isChecked());
    EXPECT_EQ(form1->levelCaption(), "A &little harder now...");
    EXPECT_EQ(form1->themeBox->currentText(), "Back to basics <Default>");
    EXPECT_EQ(form1->themeBox->itemText(0), "Back to basics <Default>");
    EXPECT_EQ(form1->themeCaption->text(), "Back to basics <Default>");
    EXPECT_EQ(session.themeName, "Back to basics <Default>");
    for (QLabel* piece : form1->previews) {
        EXPECT_TRUE(piece->isVisibleTo(form1.get()));
        EXPECT_FALSE(piece->pixmap().isNull());
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return QApplication::focusWidget() == form1->enterButton; }, 10000));

    // The name is known now; a second showing does not ask again.
    form1->hide();
    EXPECT_EQ(iniString("Settings", "Player"), "Alice");
    EXPECT_TRUE(IniFile::load(settingsPath()).hasKey("Players", "Alice"));
    EXPECT_EQ(iniString("Alice.Settings", "Skill"), "2");
    EXPECT_EQ(iniString("Alice.Settings", "Theme"), "Back to basics <Default>");
    showOpening();
    EXPECT_EQ(script.seen.size(), 1u);
}

TEST_F(Opening, NameBoxRefusesLongNamesAndForbiddenCharactersThenTakesTwelve) {
    const QString tooLong = "Abcdefghijklm"; // 13 characters
    ModalScript script({typename_(tooLong), ok(), typename_("Mr.Jones"), ok(), typename_("Ann Lee"),
                        ok(), typename_(""), typename_("Abcdefghijkl")});
    showOpening();
    ASSERT_TRUE(script.done());
    ASSERT_EQ(script.seen.size(), 8u);
    EXPECT_EQ(script.seen[1].kind, "message");
    EXPECT_EQ(script.seen[1].title, "Quorvel 3-D.");
    EXPECT_EQ(script.seen[1].text, "The name you enter must not be over 12 characters.");
    EXPECT_EQ(script.seen[2].offered, "Friend"); // and the box comes back with Friend
    const QString badChar = "The name you enter can not contain \\ / : * ? \" < > | . or spaces";
    EXPECT_EQ(script.seen[3].text, badChar);
    EXPECT_EQ(script.seen[4].offered, "Friend");
    EXPECT_EQ(script.seen[5].text, badChar);
    // An empty name is simply asked again, offering Friend, without a message.
    EXPECT_EQ(script.seen[6].kind, "name");
    EXPECT_EQ(script.seen[7].kind, "name");
    EXPECT_EQ(script.seen[7].offered, "Friend");
    EXPECT_EQ(session.playerName, "Abcdefghijkl");
    // Nothing was stored before the name was accepted.
    EXPECT_FALSE(IniFile::load(settingsPath()).hasKey("Players", "Friend"));
}

TEST_F(Opening, CancellingTheNameBoxTakesTheLastPlayerOffered) {
    IniFile ini;
    ini.writeString("Settings", "Player", "Zoe");
    ini.save(settingsPath());
    ModalScript script({cancel()});
    showOpening();
    ASSERT_EQ(script.seen.size(), 1u);
    EXPECT_EQ(script.seen[0].offered, "Zoe");
    EXPECT_EQ(session.playerName, "Zoe");
}

TEST_F(Opening, NamesTheSettingsFileCouldNotKeepApartAreRefusedSayingWhy) {
    // "=" and a leading "[" would split or merge a player's sections. The name box
    // itself says why and offers Friend, so cancelling ends the asking.
    ModalScript script({typename_("a=b"), typename_("[x"), cancel()});
    showOpening();
    ASSERT_TRUE(script.done());
    ASSERT_EQ(script.seen.size(), 3u);
    for (const Seen& seen : script.seen)
        EXPECT_EQ(seen.kind, "name");
    EXPECT_EQ(script.seen[1].text, "The name you enter can not be used: it may not contain =.\n\n"
                                   "Please enter your name (up to 12 characters).");
    EXPECT_EQ(script.seen[1].offered, "Friend");
    EXPECT_EQ(script.seen[2].text, "The name you enter can not be used: it may not begin with [."
                                   "\n\nPlease enter your name (up to 12 characters).");
    EXPECT_EQ(session.playerName, "Friend");
    EXPECT_FALSE(IniFile::load(settingsPath()).hasKey("Players", "a=b"));
}

TEST(HasBadChar, ForbidsTheFileAndSwitchCharactersOnly) {
    for (const char* bad :
         {"a b", "a\"b", "a*b", "a.b", "a/b", "a:b", "a<b", "a>b", "a?b", "a\\b", "a|b"})
        EXPECT_TRUE(hasBadChar(bad)) << bad;
    for (const char* good : {"Bob", "O'Neil", "Jean-Luc", "R2D2", "Ren\xC3\xA9", "a_b!"})
        EXPECT_FALSE(hasBadChar(good)) << good;
}

TEST_F(Opening, CommandLineNameIsTakenWithoutAsking) {
    session.namedPlayer = "bob";
    ModalScript script({});
    showOpening();
    EXPECT_TRUE(script.seen.empty());
    EXPECT_EQ(session.playerName, "bob");
    EXPECT_EQ(iniString("Settings", "Player"), "bob");

    form1->hide();
    session.playerName.clear(); // as on a new run
    session.namedPlayer = "John Smith";
    showOpening();
    EXPECT_TRUE(script.seen.empty());
    EXPECT_EQ(session.playerName, "John Smith");
}

TEST_F(Opening, LongNamesAreCutToFitTheHeaderButStoredWhole) {
    // A name from the command line is not held to twelve letters.
    const std::string name = "Wilhelmina_Wolfsbane_Wetherby_Worthington";
    const std::string theme = "Wonderful Winding Walls of the Western Wastes";
    makeTheme(theme, Qt::darkGreen);
    IniFile ini;
    ini.writeString(name + ".Settings", "Theme", theme);
    ini.save(settingsPath());
    session.namedPlayer = name;
    showOpening();
    EXPECT_EQ(session.playerName, name);
    EXPECT_EQ(session.themeName, theme);
    for (QLabel* line : {form1->playerLabel, form1->themeCaption}) {
        const std::string whole = line == form1->playerLabel ? name : theme;
        EXPECT_TRUE(line->text().endsWith(QChar(0x2026))) << whole;
        EXPECT_LE(line->fontMetrics().boundingRect(line->text()).right(), line->width()) << whole;
        EXPECT_EQ(line->toolTip().toStdString(), whole);
    }
    form1->hide(); // stores the player's level and theme
    EXPECT_EQ(iniString("Settings", "Player"), name);
    EXPECT_EQ(iniString(name + ".Settings", "Theme"), theme);

    // A short name chosen next shows whole, without the old hint.
    showOpening();
    ModalScript script({typename_("Ann")});
    form1->changePlayer();
    EXPECT_EQ(form1->playerLabel->text(), "Ann");
    EXPECT_TRUE(form1->playerLabel->toolTip().isEmpty());
}

TEST_F(Opening, UnusableCommandLineNameIsExplainedInTheNameBox) {
    const std::vector<std::pair<std::string, QString>> refused = {
        {"=bob", "it may not contain =."},
        {"a/b", "it may not contain /."},
        {std::string(201, 'x'), "it is too long."},
    };
    for (const auto& [arg, why] : refused) {
        session.namedPlayer = arg;
        session.playerName.clear(); // as on a new run
        ModalScript script({typename_("Bob")});
        showOpening();
        ASSERT_EQ(script.seen.size(), 1u) << arg;
        EXPECT_EQ(script.seen[0].kind, "name");
        EXPECT_EQ(script.seen[0].text,
                  "The name given on the command line can not be used: " + why +
                      "\n\nPlease enter your name (up to 12 characters).");
        EXPECT_EQ(session.playerName, "Bob");
        form1->hide();
    }
}

TEST_F(Opening, LoadButtonsFollowThePlayersSavedGames) {
    // In a program folder whose name is not UTF-8 (unpacked from an old archive) too.
    const std::string latin1 = folder.root() + "Spiele f\xFCr Bob/";
    setProgramFolders(latin1, "quorvel3d", folder.config());
    const std::string saves = savedGamesFolder();
    std::filesystem::create_directories(saves + "bob4.sav"); // a folder is no save
    test::putBytes(saves + "bob3.sav", "x");
    test::putBytes(saves + "bob5.sav", "x");
    test::putBytes(saves + "bob2.map", "x"); // nor is a map file alone
    test::putBytes(saves + "carol1.sav", "x");
    showOpening("bob");
    for (int level = 1; level <= 6; ++level) {
        const bool shown = level == 3 || level == 5;
        EXPECT_EQ(form1->loadButtons[level - 1]->isVisibleTo(form1.get()), shown) << level;
        if (shown) {
            EXPECT_EQ(form1->loadButtons[level - 1]->toolTip(), "Load saved game");
        }
        EXPECT_EQ(form1->loadButtons[level - 1]->text(), QString("&%1").arg(level));
    }

    // A load button picks its level and loads the player's game of it; one that cannot
    // be read is refused, and the player stays here.
    QString refused;
    test::whenModal([&](QWidget* box) {
        if (auto* label = box->findChild<QLabel*>("Label1")) refused = label->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    form1->loadButtons[4]->click();
    EXPECT_TRUE(refused.contains("bob5.sav")) << refused.toStdString();
    EXPECT_TRUE(form1->levelButtons[4]->isChecked());
    EXPECT_EQ(form2->game().maze().mazeSize, 100);
    EXPECT_FALSE(form2->game().state().newGame);
    EXPECT_TRUE(form1->isVisible());
    EXPECT_FALSE(form2->isVisible());
    // Enter then plays a fresh maze of that level; nothing of the refused game is in it.
    QTest::keyClick(form1->levelButtons[4], Qt::Key_Return);
    EXPECT_TRUE(form2->isVisible());
    EXPECT_TRUE(form2->game().state().newGame);
    EXPECT_EQ(form2->game().state().stepCount, 0);
    form2->hide();

    // Another player's buttons are that player's.
    ModalScript script({typename_("carol")});
    form1->changePlayerButton->click();
    EXPECT_EQ(session.playerName, "carol");
    EXPECT_EQ(form1->playerLabel->text(), "carol");
    for (int level = 1; level <= 6; ++level)
        EXPECT_EQ(form1->loadButtons[level - 1]->isVisibleTo(form1.get()), level == 1) << level;
    // "New Player" stored the old player's choice first.
    EXPECT_EQ(iniString("bob.Settings", "Skill"), "5");
}

TEST_F(Opening, StoredLevelAndThemeAreAppliedAndBadValuesFallBack) {
    makeTheme("Granite", Qt::darkGray);
    IniFile ini;
    ini.writeInteger("bob.Settings", "Skill", 4);
    ini.writeString("bob.Settings", "Theme", "granite"); // the list's search ignores case
    ini.writeInteger("amy.Settings", "Skill", 9);
    ini.writeString("amy.Settings", "Theme", "Gone");
    ini.save(settingsPath());
    showOpening("bob");
    EXPECT_TRUE(form1->levelButtons[3]->isChecked());
    EXPECT_EQ(form1->themeBox->currentText(), "Granite");
    EXPECT_EQ(session.themeName, "Granite");
    EXPECT_EQ(form1->levelLabel->text(), "&Now we're getting there...");

    form1->hide();
    session.playerName = "amy";
    showOpening();
    EXPECT_TRUE(form1->levelButtons[1]->isChecked());
    EXPECT_EQ(form1->themeBox->currentText(), "Back to basics <Default>");
}

TEST_F(Opening, EscEndsTheProgramSavingTheSoundSettings) {
    showOpening("bob");
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(form1->isVisible());
    EXPECT_TRUE(ended);
    EXPECT_TRUE(sound->called("savesound bob"));
    EXPECT_TRUE(sound->called("stop"));
    EXPECT_EQ(iniString("bob.Settings", "Skill"), "2"); // hiding saved the settings

    // The Exit button, in the type of the Enter button beside it, does the same.
    ended = false;
    showOpening();
    EXPECT_EQ(form1->exitButton->font(), form1->enterButton->font());
    form1->exitButton->click();
    EXPECT_TRUE(ended);
}

TEST_F(Opening, LetterMTogglesTheIntroFromAnyControl) {
    showOpening("bob");
    ASSERT_TRUE(form1->introButton->isChecked());
    sound->calls.clear();
    QTest::keyClick(form1->enterButton, Qt::Key_M, Qt::NoModifier);
    EXPECT_FALSE(form1->introButton->isChecked());
    EXPECT_TRUE(session.sound->noIntro);
    EXPECT_TRUE(sound->called("stop"));

    sound->calls.clear();
    form1->themeBox->setFocus();
    QTest::keyClicks(form1->themeBox, "M");
    EXPECT_TRUE(form1->introButton->isChecked());
    EXPECT_FALSE(session.sound->noIntro);
    EXPECT_TRUE(sound->called("intro"));

    QTest::keyClick(form1->levelButtons[2], Qt::Key_M, Qt::NoModifier);
    EXPECT_FALSE(form1->introButton->isChecked());
    EXPECT_TRUE(form1->isVisible()); // no other key was taken for it
}

TEST_F(Opening, ThemeListShowsOnlyWholeThemes) {
    makeTheme("Granite", Qt::darkGray);
    makeTheme("Broken", Qt::red);
    QFile::remove(QString::fromStdString(programFolder() + "Broken/door7.bmp"));
    showOpening("bob");
    QStringList listed;
    for (int i = 0; i < form1->themeBox->count(); ++i)
        listed << form1->themeBox->itemText(i);
    EXPECT_EQ(listed, QStringList({"Back to basics <Default>", "Granite"}));

    // Choosing a theme shows its pictures.
    form1->themeBox->setCurrentIndex(1);
    form1->chooseTheme();
    EXPECT_EQ(session.themeName, "Granite");
    EXPECT_EQ(form1->themeCaption->text(), "Granite");
    const QImage piece = form1->previews[0]->pixmap().toImage();
    ASSERT_FALSE(piece.isNull());
    EXPECT_EQ(piece.pixelColor(2, 2), QColor(Qt::darkGray));
}

TEST_F(Opening, ThemeFolderNamedInLatin1IsListedChosenAndFoundAgain) {
    // An archive unpacked here made the folder "Grès" in Latin-1; Qt cannot name it.
    const std::string onDisk = programFolder() + "Gr\xE8s/";
    const QString shown = QString::fromUtf8("Gr\xC3\xA8s");
    std::filesystem::create_directory(onDisk);
    const std::string bmp = test::pictureFile("BMP", Qt::darkGreen, {8, 8}, QImage::Format_RGB888);
    ASSERT_FALSE(bmp.empty());
    for (const std::string& file : groupFiles(PictureGroup::strips))
        std::ofstream(onDisk + file, std::ios::binary) << bmp;

    showOpening("bob");
    const int at = form1->themeBox->findText(shown);
    ASSERT_GT(at, 0);
    form1->themeBox->setCurrentIndex(at);
    form1->chooseTheme();
    EXPECT_EQ(form1->themeCaption->text(), shown);
    EXPECT_EQ(form1->previews[0]->pixmap().toImage().pixelColor(2, 2), QColor(Qt::darkGreen));

    form1->hide(); // stored in the settings file, in UTF-8, and found again
    EXPECT_EQ(iniString("bob.Settings", "Theme"), "Gr\xC3\xA8s");
    showOpening();
    EXPECT_EQ(form1->themeBox->currentText(), shown);
    EXPECT_EQ(session.themeName, "Gr\xC3\xA8s");
    form1->hide();
    std::filesystem::remove_all(onDisk);
}

TEST_F(Opening, ThemeWithAPictureCutShortPreviewsTheBuiltInPictures) {
    // The game draws the built-in view pictures for it, and the preview says so.
    makeTheme("Granite", Qt::darkGray);
    QFile cut(QString::fromStdString(programFolder() + "Granite/wall9.bmp"));
    ASSERT_TRUE(cut.resize(cut.size() - 10));
    showOpening("bob");
    form1->themeBox->setCurrentIndex(form1->themeBox->findText("Granite"));
    form1->chooseTheme();
    EXPECT_EQ(form1->previews[0]->pixmap().toImage(), form1->builtins[0]->pixmap().toImage());
    EXPECT_EQ(form1->previews[1]->pixmap().toImage(), form1->builtins[2]->pixmap().toImage());
}

TEST_F(Opening, ThemeThatLostAPictureIsResetOnEnter) {
    makeTheme("Granite", Qt::darkGray);
    IniFile ini;
    ini.writeString("bob.Settings", "Theme", "Granite");
    ini.save(settingsPath());
    showOpening("bob");
    ASSERT_EQ(session.themeName, "Granite");
    const qint64 shown = form1->previews[3]->pixmap().cacheKey();

    QFile::remove(QString::fromStdString(programFolder() + "Granite/middle12.bmp"));
    form1->preview(); // the preview keeps the pictures it had
    EXPECT_EQ(form1->previews[3]->pixmap().cacheKey(), shown);

    ModalScript script({ok()});
    QTest::keyClick(form1->enterButton, Qt::Key_Return);
    ASSERT_EQ(script.seen.size(), 1u);
    EXPECT_EQ(script.seen[0].title, "Quorvel 3-D.");
    EXPECT_EQ(script.seen[0].text.toStdString(),
              "Either the theme entered was not a valid path or\n"
              "     One or more files were missing or corrupt.\n"
              "\n"
              "      The theme has been reset to the defalt.\n"
              "                    < Back to basics <Default> >.");
    EXPECT_EQ(session.themeName, "Back to basics <Default>");
    EXPECT_EQ(form1->themeBox->currentText(), "Back to basics <Default>");
    EXPECT_TRUE(form2->isVisible());
    EXPECT_TRUE(sound->called("fx Back to basics <Default> start 2"));
    EXPECT_EQ(iniString("bob.Settings", "Theme"), "Back to basics <Default>");
}

TEST_F(Opening, EnterOpensTheGameOnAFreshMazeAndTheGameComesBackHere) {
    session.playerName = "bob";
    int bestTimesRead = 0;
    std::vector<std::string> stories;
    create();
    QObject::connect(form1.get(), &OpeningScreen::bestTimesNeeded, [&] { ++bestTimesRead; });
    QObject::connect(form1.get(), &OpeningScreen::storyWanted,
                     [&](const std::string& theme) { stories.push_back(theme); });
    showOpening();
    EXPECT_EQ(bestTimesRead, 1);
    form1->levelButtons[0]->click();
    EXPECT_EQ(form1->levelCaption(), "Nice -n- &Easy...");

    sound->calls.clear();
    QTest::keyClick(form1->levelButtons[0], Qt::Key_Return); // Enter is the default button
    EXPECT_TRUE(form2->isVisible());
    EXPECT_FALSE(form1->isVisible());
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return QApplication::activeWindow() == form2.get(); }, 10000));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const Maze& maze = form2->game().maze();
    EXPECT_EQ(maze.mazeSize, 20);
    EXPECT_TRUE(form2->game().state().newGame);
    EXPECT_LT(maze.at(maze.posRow, maze.posCol), 128); // the player stands on open floor
    int exits = 0;
    for (int r = 0; r <= 20; ++r)
        exits += maze.at(r, 20) == cellExit;
    EXPECT_EQ(exits, 1);
    ASSERT_GE(sound->calls.size(), 3u);
    EXPECT_EQ(sound->calls[0], "stop");
    EXPECT_TRUE(sound->called("fx Back to basics <Default> start 2"));
    EXPECT_TRUE(sound->called("music Back to basics <Default> Music"));
    EXPECT_EQ(stories, std::vector<std::string>({"Back to basics <Default>"}));
    EXPECT_EQ(iniString("bob.Settings", "Skill"), "1"); // stored before the game began

    // A theme installed while playing is listed when the game returns here.
    makeTheme("Granite", Qt::darkGray);
    ASSERT_NO_FATAL_FAILURE(backFromGame());
    EXPECT_TRUE(form1->isVisible());
    EXPECT_EQ(form1->themeBox->count(), 2);
    EXPECT_EQ(bestTimesRead, 2);
    EXPECT_TRUE(form1->levelButtons[0]->isChecked());
}

TEST_F(Opening, EveryLevelMakesAMazeOfItsSize) {
    showOpening("bob");
    for (int level : {2, 6}) {
        form1->levelButtons[level - 1]->click();
        EXPECT_TRUE(form1->levelLabel->text().contains(level == 2 ? "harder" : "Strongest"));
        EXPECT_EQ(form1->findChild<QRadioButton*>(QString("btnlevel%1").arg(level)),
                  form1->levelButtons[level - 1]);
        QElapsedTimer t;
        t.start();
        form1->enterButton->click();
        std::printf("level %d maze made and shown in %lld ms\n", level,
                    static_cast<long long>(t.elapsed()));
        ASSERT_TRUE(form2->isVisible());
        EXPECT_EQ(form2->game().maze().mazeSize, 20 * level);
        ASSERT_NO_FATAL_FAILURE(backFromGame());
    }
}

// The maze the generator makes for a level from a state.
Maze mazeOf(int level, std::uint32_t state) {
    Random rng(state);
    Maze maze;
    generateAccepted(maze, rng, level);
    return maze;
}

void expectSameMaze(const Maze& a, const Maze& b) {
    EXPECT_EQ(a.mazeSize, b.mazeSize);
    EXPECT_EQ(a.grid, b.grid);
    EXPECT_EQ(a.posRow, b.posRow);
    EXPECT_EQ(a.posCol, b.posCol);
    EXPECT_EQ(a.facing, b.facing);
    EXPECT_EQ(a.compassTurn, b.compassTurn);
}

// quorvel3d --maze 3-12345 /Ubob: bob plays that very maze at once, and the opening
// screen, never shown before, follows the game with bob's own level.
TEST_F(Opening, AMazeNumberStartsThatMazeAtOnceAndTheOpeningScreenFollows) {
    session.namedPlayer = "bob";
    ModalScript script({});
    int bestTimesRead = 0;
    int stories = 0;
    create();
    QObject::connect(form1.get(), &OpeningScreen::bestTimesNeeded, [&] { ++bestTimesRead; });
    QObject::connect(form1.get(), &OpeningScreen::storyWanted, [&] { ++stories; });
    form1->playMazeNumber({3, 12345});
    EXPECT_TRUE(script.seen.empty()); // nobody is asked for a name
    EXPECT_TRUE(form2->isVisible());
    EXPECT_TRUE(map->isVisible());
    EXPECT_FALSE(form1->isVisible());
    EXPECT_EQ(session.playerName, "bob");
    EXPECT_EQ(iniString("Settings", "Player"), "bob");
    EXPECT_EQ(bestTimesRead, 1); // a win is ranked against the table on disk
    EXPECT_EQ(stories, 1);
    EXPECT_EQ(sound->calls[0], "stop");
    EXPECT_TRUE(sound->called("fx Back to basics <Default> start 2"));

    const Maze& played = form2->game().maze();
    expectSameMaze(played, mazeOf(3, 12345));
    EXPECT_EQ(mazeNumberOf(played), (MazeNumber{3, 12345}));
    EXPECT_TRUE(form2->game().state().newGame);
    EXPECT_EQ(test::parts(form2).mazeNumberLine->text(), "Maze 3-12345");
    EXPECT_EQ(form1->levelCaption(), "A &real challenge..."); // as the statistics name it

    ASSERT_NO_FATAL_FAILURE(backFromGame());
    EXPECT_TRUE(form1->isVisible());
    EXPECT_TRUE(script.seen.empty());
    EXPECT_EQ(form1->playerLabel->text(), "bob");
    EXPECT_EQ(form1->selectedLevel(), 2); // the player's own choice, untouched
    EXPECT_EQ(bestTimesRead, 2);

    // Enter from here is an ordinary game again.
    form1->enterButton->click();
    ASSERT_TRUE(form2->isVisible());
    EXPECT_EQ(form2->game().maze().mazeSize, 40);
}

// Without switch U the last player plays unasked; only a first start, a last player's
// name the files cannot keep, or a refused switch U asks for a name.
TEST_F(Opening, AMazeNumberPlaysForTheLastPlayerAndAsksOnlyWhenThereIsNone) {
    create();
    {
        ModalScript first({typename_("Zed")});
        form1->playMazeNumber({1, 0});
        ASSERT_EQ(first.seen.size(), 1u);
        EXPECT_EQ(first.seen[0].kind, "name");
        EXPECT_EQ(first.seen[0].offered, "Friend");
    }
    EXPECT_EQ(session.playerName, "Zed");
    EXPECT_TRUE(form2->isVisible());
    expectSameMaze(form2->game().maze(), mazeOf(1, 0));

    const auto nextRun = [this] {
        map->hide();
        form2->setWindows(nullptr, nullptr, nullptr);
        form2->hide();
        session.playerName.clear();
        create();
    };
    nextRun();
    {
        ModalScript unasked({});
        form1->playMazeNumber({2, 7});
        EXPECT_TRUE(unasked.seen.empty());
    }
    EXPECT_EQ(session.playerName, "Zed");
    expectSameMaze(form2->game().maze(), mazeOf(2, 7));

    nextRun();
    IniFile ini = IniFile::load(settingsPath());
    ini.writeString("Settings", "Player", "../Zed");
    ASSERT_TRUE(ini.save(settingsPath()));
    {
        ModalScript badLast({typename_("Ann")});
        form1->playMazeNumber({2, 7});
        ASSERT_EQ(badLast.seen.size(), 1u);
        EXPECT_EQ(badLast.seen[0].offered, "../Zed");
    }
    EXPECT_EQ(session.playerName, "Ann");

    nextRun();
    session.namedPlayer = "a=b";
    {
        ModalScript refused({typename_("Bea")});
        form1->playMazeNumber({2, 7});
        ASSERT_EQ(refused.seen.size(), 1u);
        EXPECT_NE(refused.seen[0].text.indexOf("can not be used"), -1);
    }
    EXPECT_EQ(session.playerName, "Bea");
    EXPECT_TRUE(form2->isVisible());
}

// "Enter" still draws its maze's state from the clock; the number shown makes that
// very maze again.
TEST_F(Opening, EnterDrawsFromTheClockAndShowsTheNumberThatMakesTheMazeAgain) {
    showOpening("bob");
    form1->levelButtons[1]->click();
    std::vector<MazeNumber> numbers;
    for (int game = 0; game < 2; ++game) {
        form1->enterButton->click();
        ASSERT_TRUE(form2->isVisible());
        const Maze& played = form2->game().maze();
        const std::optional<MazeNumber> number = mazeNumberOf(played);
        ASSERT_TRUE(number);
        EXPECT_EQ(number->level, 2);
        expectSameMaze(played, mazeOf(number->level, number->state));
        EXPECT_EQ(test::parts(form2).mazeNumberLine->text().toStdString(),
                  "Maze " + formatMazeNumber(*number));
        numbers.push_back(*number);
        ASSERT_NO_FATAL_FAILURE(backFromGame());
    }
    EXPECT_NE(numbers[0].state, numbers[1].state);
}

// Keys typed at the opening screen after Enter, while the maze is made, and keys that
// reach it while it is hidden behind the game: none of them acts.
TEST_F(Opening, KeysTypedWhileTheMazeIsMadeReachNoWindow) {
    showOpening("bob");
    ASSERT_TRUE(form1->introButton->isChecked());
    QWidget* at = focused();
    for (const auto& [key, text] : {std::pair(Qt::Key_Return, ""), std::pair(Qt::Key_M, "m"),
                                    std::pair(Qt::Key_Escape, "\x1b")}) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(at, new QKeyEvent(type, key, Qt::NoModifier, text));
    }
    int stories = 0;
    QObject::connect(form1.get(), &OpeningScreen::storyWanted, [&] { ++stories; });
    form1->enterButton->click(); // the keys above arrive while the maze is made
    QCoreApplication::processEvents();
    ASSERT_TRUE(form2->isVisible());
    EXPECT_FALSE(form1->isVisible());
    EXPECT_TRUE(form1->introButton->isChecked());
    EXPECT_FALSE(ended);
    EXPECT_EQ(stories, 1);

    // Hidden behind the game, the screen takes no key: no second maze, no end, no intro.
    const auto grid = form2->game().maze().grid;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_M}) {
        QTest::keyClick(form1.get(), key);
        QTest::keyClick(form1->enterButton, key);
    }
    EXPECT_EQ(form2->game().maze().grid, grid);
    EXPECT_EQ(stories, 1);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(form1->introButton->isChecked());
    EXPECT_TRUE(form2->isVisible());

    // Back on the screen after the game, its keys work again.
    ASSERT_NO_FATAL_FAILURE(backFromGame());
    QTest::keyClick(focused(), Qt::Key_M, Qt::NoModifier);
    EXPECT_FALSE(form1->introButton->isChecked());
}

// Keys typed ahead as the program starts reach the screen before its setup has named
// the player. Enter may not start a game then: the setup would
// run while the maze is made, when no key reaches the name box, and the program could
// never go on.
TEST_F(Opening, NoGameStartsBeforeTheSetupHasNamedThePlayer) {
    create();
    int stories = 0;
    QObject::connect(form1.get(), &OpeningScreen::storyWanted, [&] { ++stories; });
    ModalScript script({typename_("Alice")});
    // A name box no key can reach is closed after a while, so the test ends.
    bool rescued = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&rescued] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            rescued = true;
            modal->hide();
        }
    });
    rescue.start(3000);
    form1->show(); // its setup is queued and has not run yet
    form1->enterButton->click();
    EXPECT_FALSE(form2->isVisible());
    EXPECT_EQ(stories, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return sound->called("intro"); }, 10000));
    EXPECT_FALSE(rescued);
    EXPECT_EQ(session.playerName, "Alice");
    EXPECT_TRUE(form1->isVisible());
    EXPECT_FALSE(form2->isVisible());

    // Once the player is known, Enter starts the game.
    form1->enterButton->click();
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(stories, 1);
}

} // namespace
