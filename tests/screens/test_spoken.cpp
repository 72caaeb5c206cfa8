// Spoken play heard in process through a recording speaker: the switch and its setting,
// what a step, a turn, a find and the request keys say, dialogs and the end screen, the
// opening screen, and speech cut short by the next action.

#include <filesystem>
#include <fstream>

#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/settingsfile.h"
#include "game/besttimes.h"
#include "gamescreenparts.h"
#include "screenfixture.h"
#include "screens/besttimesscreen.h"
#include "screens/messagepanel.h"
#include "screens/openingscreen.h"
#include "screens/statisticsscreen.h"
#include "sound/systemspeaker.h"
#include "support/recordingspeaker.h"
#include "text/textutil.h"
#include "view/viewwords.h"
#include "widgets/accessibility.h"
#include "widgets/messagedialog.h"

namespace quorvel::test {
namespace {

class Spoken : public ScreenTest {
  protected:
    RecordingSpeaker* speaker = nullptr;

    void SetUp() override {
        ScreenTest::SetUp();
        auto recorder = std::make_unique<RecordingSpeaker>();
        speaker = recorder.get();
        session.speaker = std::move(recorder);
        dialogShown = [this](const std::string& words) { session.spoken.sayNow(words); };
    }
    void TearDown() override {
        ScreenTest::TearDown();
        dialogShown = nullptr;
    }

    void key(char letter) { QTest::keyClick(form.get(), letter); }
    void arrow(Qt::Key k) { QTest::keyRelease(form.get(), k); }
    std::string view() { return joinSentences({describeView(maze()), describeSides(maze())}); }
    std::string setting(const std::string& player) {
        return IniFile::load(settingsPath()).readString(player + ".SoundSettings", "Speech", "-");
    }
};

TEST_F(Spoken, VSwitchesItPerPlayerAndOffItSaysNothing) {
    newGame(1, 1234);
    key('i');
    arrow(Qt::Key_Right);
    EXPECT_TRUE(speaker->said.empty()); // off by default: silent
    EXPECT_EQ(setting("Tester"), "-");  // and nothing stored for it

    key('v');
    EXPECT_EQ(speaker->said.back(), "Spoken play on.");
    EXPECT_EQ(setting("Tester"), "1");
    key('V');
    EXPECT_EQ(speaker->said.back(), "Spoken play off.");
    EXPECT_EQ(setting("Tester"), "0");
    const std::size_t heard = speaker->said.size();
    key('a');
    arrow(Qt::Key_Left);
    EXPECT_EQ(speaker->said.size(), heard);

    // Each player's own switch; a player the file does not know keeps the one in force.
    saveSpeechSwitch("Ann", true);
    session.spoken.applyPlayer("Ann");
    EXPECT_TRUE(session.spoken.isOn());
    session.spoken.applyPlayer("Newcomer");
    EXPECT_TRUE(session.spoken.isOn());
    EXPECT_EQ(setting("Newcomer"), "1");
    session.spoken.applyPlayer("Tester");
    EXPECT_FALSE(session.spoken.isOn());
    EXPECT_EQ(speaker->said.size(), heard); // taken without a word
}

// With spoken play off, a screen reader hears each action's words from the object that
// takes the focus (two take it in turn), the same words again included; the keys are
// told once, as the game begins. With spoken play on the focus stays, so the words are
// not heard twice.
TEST_F(Spoken, ScreenReadersHearEachActionThroughTheFocusWhenSpokenPlayIsOff) {
    newGame(1, 1234);
    QWidget* focus = form->focusWidget();
    ASSERT_EQ(focus->objectName(), "playWords");
    EXPECT_EQ(readerName(focus).toStdString(),
              joinSentences({parts(form).messagePanel->messageLine(1).toStdString(), view()}));
    EXPECT_TRUE(readerDescription(focus).startsWith("Play with the keys"));
    const auto nextFocus = [&](const std::string& words) {
        EXPECT_NE(form->focusWidget(), focus);
        focus = form->focusWidget();
        EXPECT_EQ(form->focusProxy(), focus);
        EXPECT_EQ(readerName(focus).toStdString(), words);
        EXPECT_EQ(readerDescription(focus), "");
    };
    arrow(Qt::Key_Right);
    nextFocus(view());
    key('i');
    const std::string counters =
        describeCounters(state(), parts(form).clockLabel->text().toStdString());
    nextFocus(counters);
    key('i');
    nextFocus(counters);
    EXPECT_TRUE(speaker->said.empty());

    key('v');
    focus = form->focusWidget();
    const QString before = readerName(focus);
    arrow(Qt::Key_Right);
    EXPECT_EQ(speaker->said.back(), view());
    EXPECT_EQ(form->focusWidget(), focus);
    EXPECT_EQ(readerName(focus), before);
}

TEST_F(Spoken, AStepSaysItsMessagesThenWhatLiesAheadAsOne) {
    session.spoken.switchTo(true, "Tester");
    newGame(1, 1234);
    // The game begins: the start message, then the view.
    EXPECT_EQ(speaker->said.back(),
              joinSentences({parts(form).messagePanel->messageLine(1).toStdString(), view()}));

    faceOpenCell();
    EXPECT_EQ(speaker->said.back(), view()); // a turn: what lies ahead
    // A battery box ahead, stepped onto: its message, then the view, in one utterance.
    const Step a = aheadStep(maze().facing);
    maze().set(maze().posRow + a.dr, maze().posCol + a.dc, cellBattery);
    const std::size_t heard = speaker->said.size();
    arrow(Qt::Key_Up);
    ASSERT_EQ(speaker->said.size(), heard + 1);
    const std::string found = parts(form).messagePanel->messageLine(1).trimmed().toStdString();
    EXPECT_FALSE(found.empty());
    const std::string& words = speaker->said.back();
    EXPECT_NE(words.find(found), std::string::npos) << words;
    EXPECT_TRUE(words.ends_with(" Batteries here: U uses them. " + view())) << words;

    // Back and in again: the batteries wait there, the find is not said again; the view
    // from behind them says batteries, not a box.
    arrow(Qt::Key_Down);
    EXPECT_NE(speaker->said.back().find("batteries ahead"), std::string::npos)
        << speaker->said.back();
    arrow(Qt::Key_Up);
    EXPECT_TRUE(speaker->said.back().starts_with("Batteries here: U uses them. "))
        << speaker->said.back();
    // G says the panel's lines again, newest first.
    key('g');
    EXPECT_TRUE(speaker->speaking.starts_with(
        joinSentences({parts(form).messagePanel->messageLine(1).trimmed().toStdString(),
                       parts(form).messagePanel->messageLine(2).trimmed().toStdString()})))
        << speaker->speaking;

    // A tool found is named after the theme's message; a run says how far it went.
    maze().set(maze().posRow + a.dr, maze().posCol + a.dc, cellGps);
    arrow(Qt::Key_Up);
    EXPECT_NE(speaker->said.back().find(". Found the G.P.S. "), std::string::npos)
        << speaker->said.back();
    const int from = state().stepCount;
    key('r');
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->game().running(); }, 10000));
    EXPECT_TRUE(speaker->said.back().ends_with(describeRun(state().stepCount - from)))
        << speaker->said.back();
}

TEST_F(Spoken, RequestKeysSayTheCountersHeadingToolsAndViewAndCutInAtOnce) {
    newGame(1, 1234);
    key('v');
    state().hasCompass = true;
    state().hasDetector = true;
    key('i');
    EXPECT_EQ(speaker->speaking,
              describeCounters(state(), parts(form).clockLabel->text().toStdString()));
    key('h');
    EXPECT_EQ(speaker->speaking, describeHeading(maze(), state()));
    key('t');
    EXPECT_EQ(speaker->speaking, describeTools(maze(), state()));
    key('a');
    EXPECT_EQ(speaker->speaking, view());

    // The next action cuts in: a turn is taken at once and its view replaces the words.
    key('i');
    const int facing = maze().facing;
    arrow(Qt::Key_Right);
    EXPECT_EQ(maze().facing, rightOf(facing));
    EXPECT_EQ(speaker->speaking, view());
}

TEST_F(Spoken, DialogsSayTheirQuestionAndButtonsAndTheEndScreenItsLines) {
    newGame(1, 1234);
    key('v');
    std::string asked;
    whenModal([&](QWidget* modal) {
        asked = speaker->speaking;
        QTest::keyClick(modal, Qt::Key_N);
    });
    form->close();
    EXPECT_EQ(asked,
              "Quit game? Are you sure you want to stop playing? Yes: press Y. No: press N.");
    ASSERT_TRUE(form->isVisible());

    // Starving: the step's words, then the end screen's caption, message and button.
    faceOpenCell();
    state().foodLevel = 1;
    std::string ending;
    whenModal([&](QWidget* modal) {
        ending = speaker->speaking;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    arrow(Qt::Key_Up);
    EXPECT_NE(ending.find("You Lose. " + end->messageLine->text().toStdString()), std::string::npos)
        << ending;
    EXPECT_TRUE(ending.ends_with("Close: press Enter.")) << ending;
}

TEST_F(Spoken, RecordScreensReadTheirTablesRowByRow) {
    session.spoken.switchTo(true, "Tester");
    StatisticsScreen stats(session);
    BestTimesScreen times(stats);
    times.fillTimes(BestTimes());
    const std::string table = times.spokenWords();
    EXPECT_TRUE(table.starts_with("Best times. Nice-n-Easy: first, ")) << table;
    EXPECT_NE(table.find(". Only for the Strongest: first, "), std::string::npos) << table;
    EXPECT_TRUE(table.ends_with("Cancel: press Esc.")) << table;

    stats.fillEntry(2, "A real challenge", BestTimes().entry(3, 2));
    const std::string rows = stats.spokenWords();
    EXPECT_NE(rows.find("A real challenge. "), std::string::npos) << rows;
    EXPECT_NE(rows.find("Item, placed, found: " + stats.rows[0].item->text().toStdString() +
                        ", 0 placed, 0 found."),
              std::string::npos)
        << rows;
    EXPECT_TRUE(rows.ends_with("Close: press C.")) << rows;
}

TEST_F(Spoken, TheOpeningScreenSaysWhoPlaysWhatAndItsKeys) {
    saveSpeechSwitch("Ann", true);
    session.namedPlayer = "Ann";
    session.playerName.clear();
    OpeningScreen screen(session);
    screen.show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !speaker->said.empty(); }, 10000));
    const std::string words = speaker->said.back();
    EXPECT_EQ(words, screen.spokenWords());
    EXPECT_TRUE(words.starts_with("Quorvel 3-D. Player: Ann. Skill level: A little harder now, a "
                                  "maze of 40 by 40 cells. Theme: Back to basics <Default>. No "
                                  "saved games. Keys: Enter starts a new maze;"))
        << words;
    QTest::keyClick(screen.enterButton, Qt::Key_V);
    EXPECT_EQ(speaker->said.back(), "Spoken play off.");
    EXPECT_EQ(setting("Ann"), "0");
    screen.hide();
}

TEST_F(Spoken, WithoutASpeechServiceTheGameSaysSoOnceAndPlaysOn) {
    // No service, and the one the speech client starts fails after two seconds, however
    // busy the machine.
    const std::string starter = programFolder() + "speech-dispatcher";
    std::ofstream(starter) << "#!/bin/sh\nsleep 2\nexit 1\n";
    std::filesystem::permissions(starter, std::filesystem::perms::owner_all);
    qputenv("SPEECHD_CMD", QByteArray::fromStdString(starter));
    qputenv("SPEECHD_ADDRESS",
            "unix_socket:" + QByteArray::fromStdString(programFolder()) + "no-speech-service");
    const std::shared_ptr<void> unset(nullptr, [](void*) {
        qunsetenv("SPEECHD_ADDRESS");
        qunsetenv("SPEECHD_CMD");
    });
    session.speaker = std::make_unique<SilentSpeaker>();
    session.spoken.makeSpeaker = makeSystemSpeaker;
    newGame(1, 1234);
    std::vector<QString> told;
    const auto answer = [&](QWidget* modal) {
        if (auto* box = dynamic_cast<MessageDialog*>(modal)) told.push_back(box->textLabel->text());
        QTest::keyClick(modal, Qt::Key_Return);
    };
    whenModal(answer);
    QElapsedTimer took;
    took.start();
    key('v'); // connecting happens on the speech thread: the key returns at once
    EXPECT_LT(took.elapsed(), 1500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !told.empty(); }, 30000));
    EXPECT_TRUE(told[0].startsWith("Quorvel 3-D cannot speak")) << told[0].toStdString();
    key('v');
    key('v');
    arrow(Qt::Key_Right);
    QTest::qWait(300);
    EXPECT_EQ(told.size(), 1u);
    EXPECT_TRUE(form->isVisible());
}

} // namespace
} // namespace quorvel::test
