// The game played by ear: a listener that knows nothing of the maze or the screen plays
// level-1 mazes from the opening screen to the exit, using only what spoken play says
// (heard through a recording speaker, in process) and the game's own keys. It keeps its
// own map by dead reckoning from the words for what lies ahead ("corridor, three cells;
// opening on the left after one"), turns to hear the ways it has not heard of, and walks
// to the nearest place with something unheard until the exit is ahead.

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/commandline.h"
#include "app/program.h"
#include "app/programwindows.h"
#include "files/settingsfile.h"
#include "screens/gamescreen.h"
#include "screens/openingscreen.h"
#include "play/session.h"
#include "support/recordingspeaker.h"
#include "support/testapp.h"
#include "support/testfolder.h"

namespace quorvel::test {
namespace {

using Cell = std::pair<int, int>;

// North, east, south, west of the listener's own map; a right turn is the next one.
constexpr std::array<Cell, 4> steps = {{{-1, 0}, {0, 1}, {1, 0}, {0, -1}}};
Cell plus(Cell c, int heading, int times = 1) {
    return {c.first + times * steps[heading].first, c.second + times * steps[heading].second};
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<std::string> split(const std::string& text, const std::string& by) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(by, from)) != std::string::npos; from = at + by.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

int numberWord(const std::string& word) {
    static const std::vector<std::string> words = {"no",   "one",    "two",   "three", "four",
                                                   "five", "six",    "seven", "eight", "nine",
                                                   "ten",  "eleven", "twelve"};
    for (std::size_t n = 0; n < words.size(); ++n)
        if (words[n] == word) return static_cast<int>(n);
    return std::atoi(word.c_str());
}

enum class Known { open, wall, exit };

// What the listener has heard of the maze, in its own coordinates from where it started.
class Listener {
  public:
    Cell at{0, 0};
    int heading = 0;
    std::map<Cell, Known> map{{{0, 0}, Known::open}};

    // Takes in one sentence that says what lies ahead; false when it says nothing of it.
    bool hear(const std::string& sentence) {
        if (sentence == "standing in the exit") return true;
        const std::vector<std::string> parts = split(sentence, "; ");
        const std::string& first = parts[0];
        if (first == "the exit ahead") {
            map[plus(at, heading)] = Known::exit;
            return true;
        }
        if (first == "a wall" || first == "a wall with the map of the maze") {
            map[plus(at, heading)] = Known::wall;
            return true;
        }
        if (!first.starts_with("corridor, ")) return false;
        const std::vector<std::string> words = split(first.substr(10), " ");
        const int depth = numberWord(words[0]);
        for (int d = 1; d <= depth; ++d)
            map[plus(at, heading, d)] = Known::open;
        const int left = (heading + 3) % 4, right = (heading + 1) % 4;
        const bool exitAhead = parts.size() > 1 && parts[1].starts_with("the exit ");
        for (int d = 1; !exitAhead && d <= std::min(depth, 3); ++d) { // sides not named are walls
            map[plus(plus(at, heading, d), left)] = Known::wall;
            map[plus(plus(at, heading, d), right)] = Known::wall;
        }
        if (words.back() != "more") map[plus(at, heading, depth + 1)] = Known::wall;
        for (const std::string& part : parts) {
            if (part.starts_with("the exit ")) map[plus(at, heading, depth + 1)] = Known::exit;
            const std::size_t after = part.find(" after ");
            if (after == std::string::npos) continue;
            const Cell side = plus(at, heading, numberWord(part.substr(after + 7)));
            if (part.starts_with("openings on both sides") || part.starts_with("opening on the left"))
                map[plus(side, left)] = Known::open;
            if (part.starts_with("openings on both sides") ||
                part.starts_with("opening on the right"))
                map[plus(side, right)] = Known::open;
        }
        return true;
    }

    // The key of the next move: to the exit when it has been heard of; else to hear a way
    // out of this cell not heard of yet; else towards the nearest cell with such a way.
    std::optional<Qt::Key> nextKey() const {
        const auto unheard = [this](Cell c) {
            for (int h = 0; h < 4; ++h)
                if (!map.contains(plus(c, h))) return h;
            return -1;
        };
        if (const int h = unheard(at); h >= 0 && !exitHeard()) return turnTowards(h);
        // Breadth first over the cells heard open, to the exit or the nearest unheard way.
        std::map<Cell, int> firstStep{{at, -1}};
        std::deque<Cell> queue{at};
        while (!queue.empty()) {
            const Cell c = queue.front();
            queue.pop_front();
            const bool goal = exitHeard() ? map.at(c) == Known::exit : unheard(c) >= 0;
            if (goal && c != at) return moveTowards(firstStep[c]);
            if (map.at(c) == Known::exit) continue;
            for (int h = 0; h < 4; ++h) {
                const Cell next = plus(c, h);
                const auto known = map.find(next);
                if (known == map.end() || known->second == Known::wall ||
                    firstStep.contains(next))
                    continue;
                firstStep[next] = c == at ? h : firstStep[c];
                queue.push_back(next);
            }
        }
        return std::nullopt;
    }

    void moved(Qt::Key key) {
        switch (key) {
        case Qt::Key_Left: heading = (heading + 3) % 4; break;
        case Qt::Key_Right: heading = (heading + 1) % 4; break;
        case Qt::Key_Up: at = plus(at, heading); break;
        case Qt::Key_Down: at = plus(at, (heading + 2) % 4); break;
        default: break;
        }
    }
    // A step that said nothing of what lies ahead did not happen: a wall stood there.
    void blocked(Qt::Key key) {
        const int way = key == Qt::Key_Up ? heading : (heading + 2) % 4;
        at = plus(at, (way + 2) % 4);
        map[plus(at, way)] = Known::wall;
    }

  private:
    bool exitHeard() const {
        for (const auto& [cell, known] : map)
            if (known == Known::exit) return true;
        return false;
    }
    Qt::Key turnTowards(int h) const {
        return h == (heading + 3) % 4 ? Qt::Key_Left : Qt::Key_Right;
    }
    Qt::Key moveTowards(int h) const {
        if (h == heading) return Qt::Key_Up;
        if (h == (heading + 2) % 4) return Qt::Key_Down;
        return turnTowards(h);
    }
};

// The last sentence of an utterance that says what lies ahead; empty when none does.
// Sentences end in ".", "!", "?" or ":" and a space; the view's own parts never do.
std::string viewSentence(const std::string& utterance) {
    std::string found;
    std::size_t from = 0;
    while (from < utterance.size()) {
        std::size_t end = from;
        while (end < utterance.size() &&
               !(std::string_view(".!?:").find(utterance[end]) != std::string_view::npos &&
                 (end + 1 == utterance.size() || utterance[end + 1] == ' ')))
            ++end;
        const std::string sentence = utterance.substr(from, end - from);
        if (Listener().hear(sentence)) found = sentence;
        from = end + 2;
    }
    return found;
}

struct Outcome {
    bool won = false;
    int actions = 0;
    std::string endWords;
    std::string lastWords; ///< the last few things said, for a game not won
};

class ByEar : public ::testing::Test {
  protected:
    TestFolder folder;
    RecordingSpeaker* speaker = nullptr;
    std::uint32_t mazeState = 1;
    std::unique_ptr<Session> session;
    std::unique_ptr<Program> program;
    GameScreen* game = nullptr;

    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ensureApp();
        readCommandLine({"/UListener"});
        session = std::make_unique<Session>();
        session->rng.setSeedSource([this] { return mazeState; });
        program = std::make_unique<Program>(*session);
        session->spoken.makeSpeaker = [this] {
            auto recorder = std::make_unique<RecordingSpeaker>();
            speaker = recorder.get();
            return recorder;
        };
        program->windows().windowMade = [this](QWidget& window) {
            if (auto* screen = dynamic_cast<GameScreen*>(&window)) game = screen;
        };
        QObject::disconnect(&program->openingScreen(), &OpeningScreen::programEnding, qApp,
                            nullptr);
        program->start();
        ASSERT_TRUE(QTest::qWaitFor([this] { return program->openingScreen().isVisible(); }));
    }
    void TearDown() override {
        program.reset();
        session.reset();
        readCommandLine({});
    }

    std::string lastSaid() const { return speaker && !speaker->said.empty() ? speaker->said.back() : ""; }

    // From the opening screen: V once (spoken play is off for a new player), the skill
    // level heard, Enter; then the maze by ear until the game ends or the actions run out.
    Outcome play(std::uint32_t state, int allowed) {
        Outcome outcome;
        OpeningScreen& opening = program->openingScreen();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&opening));
        if (!speaker) QTest::keyClick(&opening, Qt::Key_V);
        // The opening screen says itself once it is set up, naming the player.
        (void)QTest::qWaitFor([this] { return has(lastSaid(), "Player: Listener."); }, 5000);
        if (!has(lastSaid(), "a maze of 20 by 20 cells")) { // Alt+E: the easiest level
            QTest::keyClick(&opening, Qt::Key_E, Qt::AltModifier);
            (void)QTest::qWaitFor([this] { return has(lastSaid(), "20 by 20"); }, 2000);
        }
        EXPECT_TRUE(has(lastSaid(), "a maze of 20 by 20 cells")) << lastSaid();
        mazeState = state;
        QTest::keyClick(&opening, Qt::Key_Return);
        if (!QTest::qWaitFor([this] { return game && game->isVisible(); }, 10000)) return outcome;

        // The end screen waits for a key of its own: Enter closes it, as it says.
        QTimer answer;
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            outcome.endWords = lastSaid();
            outcome.won = has(outcome.endWords, "Winner");
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        answer.start();

        Listener listener;
        std::string heard = viewSentence(lastSaid());
        if (heard.empty()) { // the start said no view: A asks for it
            QTest::keyClick(game, Qt::Key_A);
            ++outcome.actions;
            heard = viewSentence(lastSaid());
        }
        listener.hear(heard);
        while (game->isVisible() && outcome.actions < allowed) {
            const std::optional<Qt::Key> key = listener.nextKey();
            if (!key) break; // nowhere left to go: a fault of the words
            const std::size_t before = speaker->said.size();
            listener.moved(*key);
            QTest::keyPress(game, *key);
            QTest::keyRelease(game, *key);
            ++outcome.actions;
            if (!game->isVisible()) break;
            heard = speaker->said.size() > before ? viewSentence(lastSaid()) : "";
            if (heard.empty() && (*key == Qt::Key_Up || *key == Qt::Key_Down))
                listener.blocked(*key);
            else
                listener.hear(heard);
        }
        (void)QTest::qWaitFor([&] { return !outcome.endWords.empty(); }, 2000);
        for (std::size_t n = speaker->said.size() > 8 ? speaker->said.size() - 8 : 0;
             n < speaker->said.size(); ++n)
            outcome.lastWords += speaker->said[n] + "\n";
        if (game->isVisible()) { // out of actions: leave the maze without saving
            game->hide();
        }
        (void)QTest::qWaitFor([&] { return opening.isVisible(); }, 5000);
        return outcome;
    }
};

} // namespace

// Mazes 1-1 to 1-10 are each won within 2,000 actions; every action is a key, and the
// words of the end screen name the maze played.
TEST_F(ByEar, AListenerWinsLevelOneMazesFromTheOpeningScreen) {
    for (std::uint32_t state = 1; state <= 10; ++state) {
        const Outcome outcome = play(state, 2000);
        std::printf("by ear: maze 1-%u %s in %d actions\n", state,
                    outcome.won ? "won" : "NOT won", outcome.actions);
        EXPECT_TRUE(outcome.won) << "maze 1-" << state << ": " << outcome.endWords << "\n"
                                 << outcome.lastWords;
        EXPECT_TRUE(has(outcome.endWords, "1-" + std::to_string(state)))
            << outcome.endWords;
    }
}

} // namespace quorvel::test
