// The game played by ear: a listener that knows nothing of the maze or the screen plays
// mazes of levels 1 to 3 from the opening screen to the exit, using only what spoken play
// says (heard through a recording speaker, in process) and the game's own keys. It keeps
// its own map by dead reckoning from the words for what lies ahead and beside ("three
// cells; left after one. Open right."), turns only to hear the ways it has not heard of,
// and walks to the nearest place with something unheard until the exit is ahead.

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
#include "play/session.h"
#include "screens/gamescreen.h"
#include "screens/openingscreen.h"
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
    mutable int looks = 0; ///< turns chosen only to hear a way out of this cell

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
        const std::vector<std::string> words = split(first, " ");
        if (words.size() < 2 || !words[1].starts_with("cell")) return false;
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
            if (part.starts_with("both sides") || part.starts_with("left"))
                map[plus(side, left)] = Known::open;
            if (part.starts_with("both sides") || part.starts_with("right"))
                map[plus(side, right)] = Known::open;
        }
        return true;
    }

    // Takes in what an utterance says of the way ahead and of the sides of this cell (a
    // side not said open is a wall); false when it says nothing of them.
    bool hearAll(const std::string& utterance) {
        bool heard = false, left = false, right = false;
        for (const std::string& sentence : sentences(utterance)) {
            if (hear(sentence)) heard = true;
            if (sentence.starts_with("Open ")) {
                left = sentence == "Open left" || sentence == "Open both sides";
                right = sentence == "Open right" || sentence == "Open both sides";
            }
        }
        if (!heard || map[at] == Known::exit) return heard;
        map[plus(at, (heading + 3) % 4)] = left ? Known::open : Known::wall;
        map[plus(at, (heading + 1) % 4)] = right ? Known::open : Known::wall;
        return true;
    }

    // Sentences end in ".", "!", "?" or ":" and a space; the view's own parts never do.
    static std::vector<std::string> sentences(const std::string& utterance) {
        std::vector<std::string> found;
        std::size_t from = 0;
        while (from < utterance.size()) {
            std::size_t end = from;
            while (end < utterance.size() &&
                   !(std::string_view(".!?:").find(utterance[end]) != std::string_view::npos &&
                     (end + 1 == utterance.size() || utterance[end + 1] == ' ')))
                ++end;
            found.push_back(utterance.substr(from, end - from));
            from = end + 2;
        }
        return found;
    }

    // The key of the next move: to the exit when it has been heard of; else to hear a way
    // out of this cell not heard of yet; else towards the nearest cell with such a way.
    std::optional<Qt::Key> nextKey() const {
        const auto unheard = [this](Cell c) {
            for (int h = 0; h < 4; ++h)
                if (!map.contains(plus(c, h))) return h;
            return -1;
        };
        if (const int h = unheard(at); h >= 0 && !exitHeard()) {
            ++looks;
            return turnTowards(h);
        }
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
                if (known == map.end() || known->second == Known::wall || firstStep.contains(next))
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
    // Forward only, turning to go back: a step back would leave the cell behind unheard.
    Qt::Key moveTowards(int h) const { return h == heading ? Qt::Key_Up : turnTowards(h); }
};

// True when an utterance says what lies ahead.
bool saysView(const std::string& utterance) {
    Listener probe;
    return probe.hearAll(utterance);
}

struct Outcome {
    bool won = false;
    int actions = 0;
    int turns = 0;
    int looks = 0; ///< of the turns, those only to hear what lies beside
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

    std::string lastSaid() const {
        return speaker && !speaker->said.empty() ? speaker->said.back() : "";
    }

    // From the opening screen: V once (spoken play is off for a new player), the skill
    // level heard, Enter; then the maze by ear until the game ends or the actions run out.
    Outcome play(int level, std::uint32_t state, int allowed) {
        struct Level {
            Qt::Key key;
            std::string size;
        };
        static const Level levels[] = {
            {Qt::Key_E, "20 by 20"}, {Qt::Key_L, "40 by 40"}, {Qt::Key_R, "60 by 60"}};
        const Level& wanted = levels[level - 1];
        Outcome outcome;
        OpeningScreen& opening = program->openingScreen();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&opening));
        if (!speaker) QTest::keyClick(&opening, Qt::Key_V);
        // The opening screen says itself once it is set up, naming the player.
        (void)QTest::qWaitFor([this] { return has(lastSaid(), "Player: Listener."); }, 5000);
        if (!has(lastSaid(), "a maze of " + wanted.size + " cells")) { // Alt+E, Alt+L, Alt+R
            QTest::keyClick(&opening, wanted.key, Qt::AltModifier);
            (void)QTest::qWaitFor([&] { return has(lastSaid(), wanted.size); }, 2000);
        }
        EXPECT_TRUE(has(lastSaid(), "a maze of " + wanted.size + " cells")) << lastSaid();
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
        if (!saysView(lastSaid())) { // the start said no view: A asks for it
            QTest::keyClick(game, Qt::Key_A);
            ++outcome.actions;
        }
        listener.hearAll(lastSaid());
        while (game->isVisible() && outcome.actions < allowed) {
            const std::optional<Qt::Key> key = listener.nextKey();
            if (!key) break; // nowhere left to go: a fault of the words
            const std::size_t before = speaker->said.size();
            listener.moved(*key);
            QTest::keyPress(game, *key);
            QTest::keyRelease(game, *key);
            ++outcome.actions;
            if (*key == Qt::Key_Left || *key == Qt::Key_Right) ++outcome.turns;
            if (!game->isVisible()) break;
            const std::string heard = speaker->said.size() > before ? lastSaid() : "";
            if (!saysView(heard) && (*key == Qt::Key_Up || *key == Qt::Key_Down))
                listener.blocked(*key);
            else
                listener.hearAll(heard);
        }
        outcome.looks = listener.looks;
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

// Mazes 1-1 to 1-10, 2-1 to 2-3 and 3-1 and 3-2 are each won within 5,000 actions; every
// action is a key, and the words of the end screen name the maze played. Hearing the
// sides of each cell, the listener seldom turns only to look sideways.
TEST_F(ByEar, AListenerWinsMazesOfLevelsOneToThreeFromTheOpeningScreen) {
    const std::pair<int, std::uint32_t> mazes[] = {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5},
                                                   {1, 6}, {1, 7}, {1, 8}, {1, 9}, {1, 10},
                                                   {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}};
    int turns = 0, looks = 0;
    for (const auto& [level, state] : mazes) {
        const Outcome outcome = play(level, state, 5000);
        const std::string number = std::to_string(level) + "-" + std::to_string(state);
        std::printf("by ear: maze %s %s in %d actions, %d turns, %d only to look\n", number.c_str(),
                    outcome.won ? "won" : "NOT won", outcome.actions, outcome.turns, outcome.looks);
        EXPECT_TRUE(outcome.won) << "maze " << number << ": " << outcome.endWords << "\n"
                                 << outcome.lastWords;
        EXPECT_TRUE(has(outcome.endWords, number)) << outcome.endWords;
        turns += outcome.turns;
        looks += outcome.looks;
    }
    EXPECT_LT(looks * 10, turns) << looks << " of " << turns << " turns only to look";
}

} // namespace quorvel::test
