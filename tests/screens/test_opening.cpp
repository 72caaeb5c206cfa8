// The opening screen through its real window, offscreen: naming the player, the
// settings it keeps, the theme list and preview, the load buttons, the keys, and
// "Enter" opening the game on a freshly made maze.

#include <chrono>
#include <deque>
#include <fstream>
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "commandline.h"
#include "enhcombo.h"
#include "inifile.h"
#include "progfolder.h"
#include "session.h"
#include "settingsfile.h"
#include "testapp.h"
#include "testfolder.h"
#include "tfmap.h"
#include "tfmwinner.h"
#include "tform1.h"
#include "tform2.h"
#include "theme.h"

using namespace quorvel;

namespace {

// Records what the screen asks of sound and music.
class RecordingSound : public SoundService {
  public:
    std::vector<std::string> calls;
    void playsoundfx(const std::string& theme, const std::string& name, const std::string&,
                     int mode) override {
        calls.push_back("fx " + theme + " " + name + " " + std::to_string(mode));
    }
    void playintro() override { calls.push_back("intro"); }
    void stopsound() override { calls.push_back("stop"); }
    void playmusic(const std::string& theme, const std::string& name) override {
        calls.push_back("music " + theme + " " + name);
    }
    void stopmusic() override {}
    void closemusic() override {}
    void savesoundsettings(const std::string& player) override {
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

// Lets queued work run until cond holds (or a generous limit passes).
bool waitfor(const std::function<bool()>& cond, int ms = 10000) {
    QElapsedTimer t;
    t.start();
    while (!cond() && t.elapsed() < ms)
        QTest::qWait(5);
    return cond();
}

void writefile(const std::string& path, const std::string& bytes = "x") {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A theme folder with all 36 view pictures, each a small picture of one colour.
void maketheme(const std::string& name, QColor colour) {
    const std::string folder = progfolder() + name + "/";
    QDir().mkpath(QString::fromStdString(folder));
    QImage picture(8, 8, QImage::Format_RGB888);
    picture.fill(colour);
    for (const std::string& file : groupfiles(PictureGroup::strips))
        picture.save(QString::fromStdString(folder + file), "BMP");
}

class Opening : public ::testing::Test {
  protected:
    test::TestFolder folder;
    Session session;
    RecordingSound* sound = nullptr;
    std::unique_ptr<Tform1> form1;
    std::unique_ptr<Tform2> form2;
    std::unique_ptr<Tfmwinner> winner;
    std::unique_ptr<TfMap> map;
    bool ended = false;

    void SetUp() override {
        test::ensureapp();
        readcommandline({});
        auto recording = std::make_unique<RecordingSound>();
        sound = recording.get();
        session.sound = std::move(recording);
    }

    // The windows in their start-up order, wired as the program wires them.
    void create() {
        form1 = std::make_unique<Tform1>(session);
        form2 = std::make_unique<Tform2>(session);
        winner = std::make_unique<Tfmwinner>(session);
        map = std::make_unique<TfMap>();
        form2->setwindows(form1.get(), map.get(), winner.get());
        form1->setwindows(form2.get(), map.get());
        form1->endprogram = [this] { ended = true; };
    }

    // Shows the opening screen and waits for its setup to have run.
    void showopening() {
        if (!form1) create();
        sound->calls.clear();
        form1->show();
        ASSERT_TRUE(waitfor([this] { return sound->called("intro"); }));
    }

    // Where a key pressed now arrives: the focused control of the opening screen.
    QWidget* focused() {
        waitfor([] { return QApplication::focusWidget() != nullptr; }, 2000);
        QWidget* w = QApplication::focusWidget();
        return w ? w : form1.get();
    }

    void TearDown() override {
        if (map) map->hide();
        if (form2 && form2->isVisible()) {
            form1->setwindows(nullptr, nullptr);
            form2->setwindows(nullptr, nullptr, nullptr);
            form2->hide();
        }
        if (form1) form1->hide();
        readcommandline({});
    }

    std::string inistring(const std::string& section, const std::string& key) {
        return IniFile::load(settingspath()).readstring(section, key, "<none>");
    }
};

TEST_F(Opening, NewPlayerIsAskedOnceAndStartsOnLevelTwoWithTheBuiltInTheme) {
    ModalScript script({typename_("Alice")});
    showopening();
    ASSERT_EQ(script.seen.size(), 1u);
    EXPECT_EQ(script.seen[0].kind, "name");
    EXPECT_EQ(script.seen[0].title, "Welcome to Quorvel 3-D");
    EXPECT_EQ(script.seen[0].text, "Please enter your name (up to 12 characters).");
    EXPECT_EQ(script.seen[0].offered, "Friend");

    EXPECT_EQ(session.playername, "Alice");
    EXPECT_EQ(form1->lblyourname->text(), "Alice");
    EXPECT_TRUE(form1->btnlevel[1]->isChecked());
    EXPECT_EQ(form1->levelcaption(), "A &little harder now...");
    EXPECT_EQ(form1->boxtheme->currentText(), "Back to basics <Default>");
    EXPECT_EQ(form1->boxtheme->itemText(0), "Back to basics <Default>");
    EXPECT_EQ(form1->lbltheme2->text(), "Back to basics <Default>");
    EXPECT_EQ(session.themename, "Back to basics <Default>");
    for (QLabel* piece : form1->previews) {
        EXPECT_TRUE(piece->isVisibleTo(form1.get()));
        EXPECT_FALSE(piece->pixmap().isNull());
    }
    EXPECT_TRUE(waitfor([this] { return QApplication::focusWidget() == form1->BitBtn2; }));

    // The name is known now; a second showing does not ask again.
    form1->hide();
    EXPECT_EQ(inistring("Settings", "Player"), "Alice");
    EXPECT_TRUE(IniFile::load(settingspath()).haskey("Players", "Alice"));
    EXPECT_EQ(inistring("Alice.Settings", "Skill"), "2");
    EXPECT_EQ(inistring("Alice.Settings", "Theme"), "Back to basics <Default>");
    showopening();
    EXPECT_EQ(script.seen.size(), 1u);
}

TEST_F(Opening, NameBoxRefusesLongNamesAndForbiddenCharactersThenTakesTwelve) {
    const QString tooLong = "Abcdefghijklm"; // 13 characters
    ModalScript script({typename_(tooLong), ok(), typename_("Mr.Jones"), ok(), typename_("Ann Lee"),
                        ok(), typename_(""), typename_("Abcdefghijkl")});
    showopening();
    ASSERT_TRUE(script.done());
    ASSERT_EQ(script.seen.size(), 8u);
    EXPECT_EQ(script.seen[1].kind, "message");
    EXPECT_EQ(script.seen[1].title, "Quorvel 3-D.");
    EXPECT_EQ(script.seen[1].text, "The name you enter must not be over 12 characters.");
    EXPECT_EQ(script.seen[2].offered, "Friend"); // and the box comes back with Friend
    const QString badchar = "The name you enter can not contain \\ / : * ? \" < > | . or spaces";
    EXPECT_EQ(script.seen[3].text, badchar);
    EXPECT_EQ(script.seen[4].offered, "Friend");
    EXPECT_EQ(script.seen[5].text, badchar);
    // An empty name is simply asked again, offering Friend, without a message.
    EXPECT_EQ(script.seen[6].kind, "name");
    EXPECT_EQ(script.seen[7].kind, "name");
    EXPECT_EQ(script.seen[7].offered, "Friend");
    EXPECT_EQ(session.playername, "Abcdefghijkl");
    // Nothing was stored before the name was accepted.
    EXPECT_FALSE(IniFile::load(settingspath()).haskey("Players", "Friend"));
}

TEST_F(Opening, CancellingTheNameBoxTakesTheLastPlayerOffered) {
    IniFile ini;
    ini.writestring("Settings", "Player", "Zoe");
    ini.save(settingspath());
    ModalScript script({cancel()});
    showopening();
    ASSERT_EQ(script.seen.size(), 1u);
    EXPECT_EQ(script.seen[0].offered, "Zoe");
    EXPECT_EQ(session.playername, "Zoe");
}

TEST_F(Opening, NamesTheSettingsFileCouldNotKeepApartAreRefused) {
    // "=" and a leading "[" would split or merge a player's sections.
    ModalScript script({typename_("a=b"), ok(), typename_("[x"), ok(), typename_("Kim")});
    showopening();
    ASSERT_TRUE(script.done());
    EXPECT_EQ(script.seen[1].kind, "message");
    EXPECT_EQ(script.seen[2].offered, "Friend");
    EXPECT_EQ(script.seen[3].kind, "message");
    EXPECT_EQ(session.playername, "Kim");
    EXPECT_FALSE(IniFile::load(settingspath()).haskey("Players", "a=b"));
}

TEST(HasBadChar, ForbidsTheFileAndSwitchCharactersOnly) {
    for (const char* bad :
         {"a b", "a\"b", "a*b", "a.b", "a/b", "a:b", "a<b", "a>b", "a?b", "a\\b", "a|b"})
        EXPECT_TRUE(hasbadchar(bad)) << bad;
    for (const char* good : {"Bob", "O'Neil", "Jean-Luc", "R2D2", "Ren\xC3\xA9", "a_b!"})
        EXPECT_FALSE(hasbadchar(good)) << good;
}

TEST_F(Opening, CommandLineNameIsTakenWithoutAsking) {
    readcommandline({"-ubob"});
    ModalScript script({});
    showopening();
    EXPECT_TRUE(script.seen.empty());
    EXPECT_EQ(session.playername, "bob");
    EXPECT_EQ(inistring("Settings", "Player"), "bob");

    form1->hide();
    session.playername.clear(); // as on a new run
    readcommandline({"/UJohn%bSmith"});
    showopening();
    EXPECT_TRUE(script.seen.empty());
    EXPECT_EQ(session.playername, "John Smith");
}

TEST_F(Opening, UnusableCommandLineNameIsExplainedThenAsked) {
    readcommandline({"/U=bob"});
    ModalScript script({ok(), typename_("Bob")});
    showopening();
    ASSERT_EQ(script.seen.size(), 2u);
    EXPECT_EQ(script.seen[0].kind, "message");
    EXPECT_TRUE(
        script.seen[0].text.startsWith("The name given on the command line can not be used."));
    EXPECT_EQ(script.seen[1].kind, "name");
    EXPECT_EQ(session.playername, "Bob");
}

TEST_F(Opening, LoadButtonsFollowThePlayersSavedGames) {
    const std::string saves = savedgamesfolder();
    QDir().mkpath(QString::fromStdString(saves));
    writefile(saves + "bob3.sav");
    writefile(saves + "bob5.sav");
    writefile(saves + "bob2.map");                             // a map file alone is no save
    QDir().mkpath(QString::fromStdString(saves + "bob4.sav")); // nor is a folder
    writefile(saves + "carol1.sav");
    session.playername = "bob";
    showopening();
    for (int level = 1; level <= 6; ++level) {
        const bool shown = level == 3 || level == 5;
        EXPECT_EQ(form1->btnld[level - 1]->isVisibleTo(form1.get()), shown) << level;
        if (shown) {
            EXPECT_EQ(form1->btnld[level - 1]->toolTip(), "Load saved game");
        }
        EXPECT_EQ(form1->btnld[level - 1]->text(), QString("&%1").arg(level));
    }

    // A load button picks its level and asks for the game; a failed load stays here.
    std::vector<std::pair<std::string, int>> asked;
    form1->loadgame = [&](const std::string& player, int level) {
        asked.emplace_back(player, level);
        return false;
    };
    form1->btnld[4]->click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_pair(std::string("bob"), 5));
    EXPECT_TRUE(form1->btnlevel[4]->isChecked());
    EXPECT_EQ(form2->game().maze().mazesize, 100);
    EXPECT_FALSE(form2->game().state().newgame);
    EXPECT_TRUE(form1->isVisible());
    EXPECT_FALSE(form2->isVisible());

    // Another player's buttons are that player's.
    ModalScript script({typename_("carol")});
    form1->btnchangeplayer->click();
    EXPECT_EQ(session.playername, "carol");
    EXPECT_EQ(form1->lblyourname->text(), "carol");
    for (int level = 1; level <= 6; ++level)
        EXPECT_EQ(form1->btnld[level - 1]->isVisibleTo(form1.get()), level == 1) << level;
    // "New Player" stored the old player's choice first.
    EXPECT_EQ(inistring("bob.Settings", "Skill"), "5");
}

TEST_F(Opening, StoredLevelAndThemeAreAppliedAndBadValuesFallBack) {
    maketheme("Granite", Qt::darkGray);
    IniFile ini;
    ini.writeinteger("bob.Settings", "Skill", 4);
    ini.writestring("bob.Settings", "Theme", "granite"); // the list's search ignores case
    ini.writeinteger("amy.Settings", "Skill", 9);
    ini.writestring("amy.Settings", "Theme", "Gone");
    ini.save(settingspath());
    session.playername = "bob";
    showopening();
    EXPECT_TRUE(form1->btnlevel[3]->isChecked());
    EXPECT_EQ(form1->boxtheme->currentText(), "Granite");
    EXPECT_EQ(session.themename, "Granite");
    EXPECT_EQ(form1->Lbllevel2->text(), "<u>N</u>ow we're getting there...");

    form1->hide();
    session.playername = "amy";
    showopening();
    EXPECT_TRUE(form1->btnlevel[1]->isChecked());
    EXPECT_EQ(form1->boxtheme->currentText(), "Back to basics <Default>");
}

TEST_F(Opening, EscEndsTheProgramSavingTheSoundSettings) {
    session.playername = "bob";
    showopening();
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(form1->isVisible());
    EXPECT_TRUE(ended);
    EXPECT_TRUE(sound->called("savesound bob"));
    EXPECT_TRUE(sound->called("stop"));
    EXPECT_EQ(inistring("bob.Settings", "Skill"), "2"); // hiding saved the settings

    // The Exit button does the same.
    ended = false;
    showopening();
    form1->btnend->click();
    EXPECT_TRUE(ended);
}

TEST_F(Opening, LetterMTogglesTheIntroFromAnyControl) {
    session.playername = "bob";
    showopening();
    ASSERT_TRUE(form1->btnintro->isChecked());
    sound->calls.clear();
    QTest::keyClick(form1->BitBtn2, Qt::Key_M, Qt::NoModifier);
    EXPECT_FALSE(form1->btnintro->isChecked());
    EXPECT_TRUE(session.sound->nointro);
    EXPECT_TRUE(sound->called("stop"));

    sound->calls.clear();
    form1->boxtheme->setFocus();
    QTest::keyClicks(form1->boxtheme, "M");
    EXPECT_TRUE(form1->btnintro->isChecked());
    EXPECT_FALSE(session.sound->nointro);
    EXPECT_TRUE(sound->called("intro"));

    QTest::keyClick(form1->btnlevel[2], Qt::Key_M, Qt::NoModifier);
    EXPECT_FALSE(form1->btnintro->isChecked());
    EXPECT_TRUE(form1->isVisible()); // no other key was taken for it
}

TEST_F(Opening, ThemeListShowsOnlyWholeThemes) {
    maketheme("Granite", Qt::darkGray);
    maketheme("Broken", Qt::red);
    QFile::remove(QString::fromStdString(progfolder() + "Broken/door7.bmp"));
    session.playername = "bob";
    showopening();
    QStringList listed;
    for (int i = 0; i < form1->boxtheme->count(); ++i)
        listed << form1->boxtheme->itemText(i);
    EXPECT_EQ(listed, QStringList({"Back to basics <Default>", "Granite"}));

    // Choosing a theme shows its pictures.
    form1->boxtheme->setCurrentIndex(1);
    form1->boxthemeChange();
    EXPECT_EQ(session.themename, "Granite");
    EXPECT_EQ(form1->lbltheme2->text(), "Granite");
    const QImage piece = form1->previews[0]->pixmap().toImage();
    ASSERT_FALSE(piece.isNull());
    EXPECT_EQ(piece.pixelColor(2, 2), QColor(Qt::darkGray));
}

TEST_F(Opening, ThemeThatLostAPictureIsResetOnEnter) {
    maketheme("Granite", Qt::darkGray);
    IniFile ini;
    ini.writestring("bob.Settings", "Theme", "Granite");
    ini.save(settingspath());
    session.playername = "bob";
    showopening();
    ASSERT_EQ(session.themename, "Granite");
    const qint64 shown = form1->previews[3]->pixmap().cacheKey();

    QFile::remove(QString::fromStdString(progfolder() + "Granite/middle12.bmp"));
    form1->preview(); // the preview keeps the pictures it had
    EXPECT_EQ(form1->previews[3]->pixmap().cacheKey(), shown);

    ModalScript script({ok()});
    QTest::keyClick(form1->BitBtn2, Qt::Key_Return);
    ASSERT_EQ(script.seen.size(), 1u);
    EXPECT_EQ(script.seen[0].title, "Quorvel 3-D.");
    EXPECT_EQ(script.seen[0].text.toStdString(),
              "Either the theme entered was not a valid path or\n"
              "     One or more files were missing or corrupt.\n"
              "\n"
              "      The theme has been reset to the defalt.\n"
              "                    < Back to basics <Default> >.");
    EXPECT_EQ(session.themename, "Back to basics <Default>");
    EXPECT_EQ(form1->boxtheme->currentText(), "Back to basics <Default>");
    EXPECT_TRUE(form2->isVisible());
    EXPECT_TRUE(sound->called("fx Back to basics <Default> start 2"));
    EXPECT_EQ(inistring("bob.Settings", "Theme"), "Back to basics <Default>");
}

TEST_F(Opening, EnterOpensTheGameOnAFreshMazeAndTheGameComesBackHere) {
    session.playername = "bob";
    int besttimesread = 0;
    std::vector<std::string> stories;
    create();
    form1->loadbesttimes = [&] { ++besttimesread; };
    form1->startstory = [&](const std::string& theme) { stories.push_back(theme); };
    showopening();
    EXPECT_EQ(besttimesread, 1);
    form1->btnlevel[0]->click();
    EXPECT_EQ(form1->levelcaption(), "Nice -n- &Easy...");

    sound->calls.clear();
    QTest::keyClick(form1->btnlevel[0], Qt::Key_Return); // Enter is the default button
    EXPECT_TRUE(form2->isVisible());
    EXPECT_FALSE(form1->isVisible());
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(waitfor([this] { return QApplication::activeWindow() == form2.get(); }));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const Maze& maze = form2->game().maze();
    EXPECT_EQ(maze.mazesize, 20);
    EXPECT_TRUE(form2->game().state().newgame);
    EXPECT_LT(maze.at(maze.posrow, maze.poscol), 128); // the player stands on open floor
    int exits = 0;
    for (int r = 0; r <= 20; ++r)
        exits += maze.at(r, 20) == cellexit;
    EXPECT_EQ(exits, 1);
    ASSERT_GE(sound->calls.size(), 3u);
    EXPECT_EQ(sound->calls[0], "stop");
    EXPECT_TRUE(sound->called("fx Back to basics <Default> start 2"));
    EXPECT_TRUE(sound->called("music Back to basics <Default> Music"));
    EXPECT_EQ(stories, std::vector<std::string>({"Back to basics <Default>"}));
    EXPECT_EQ(inistring("bob.Settings", "Skill"), "1"); // stored before the game began

    // A theme installed while playing is listed when the game returns here.
    maketheme("Granite", Qt::darkGray);
    sound->calls.clear();
    form2->hide();
    ASSERT_TRUE(waitfor([this] { return sound->called("intro"); }));
    EXPECT_TRUE(form1->isVisible());
    EXPECT_EQ(form1->boxtheme->count(), 2);
    EXPECT_EQ(besttimesread, 2);
    EXPECT_TRUE(form1->btnlevel[0]->isChecked());
}

TEST_F(Opening, EveryLevelMakesAMazeOfItsSize) {
    session.playername = "bob";
    showopening();
    for (int level : {2, 6}) {
        form1->btnlevel[level - 1]->click();
        QElapsedTimer t;
        t.start();
        form1->BitBtn2->click();
        std::printf("level %d maze made and shown in %lld ms\n", level,
                    static_cast<long long>(t.elapsed()));
        ASSERT_TRUE(form2->isVisible());
        EXPECT_EQ(form2->game().maze().mazesize, 20 * level);
        form2->hide();
        ASSERT_TRUE(waitfor([this] { return form1->isVisible(); }));
    }
}

} // namespace
