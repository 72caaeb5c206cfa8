#include "game/game.h"

#include <algorithm>
#include <cmath>

#include "game/clock.h"
#include "game/generator.h"
#include "game/host.h"
#include "game/levels.h"
#include "game/mazenumber.h"
#include "game/random.h"
#include "game/savefile.h"
#include "text/gametext.h"

namespace quorvel {

namespace {
NoRecords noRecords;
} // namespace

Game::Game(GameHost& host, Random& rng, const Clock& clock)
    : m_ownHost(host), m_ownClock(clock), m_ownRecords(&noRecords), m_host(&host),
      m_records(&noRecords), m_clock(&clock), m_rng(rng) {}

namespace {
constexpr int hungryLevel = 50;   ///< food at which the hunger warning comes
constexpr int starvingLevel = 25; ///< food below which every step warns
constexpr int weakBattery = 25;   ///< battery percent of the weak warning
constexpr int stepChance = 30;    ///< 1 in 30 for each random step sound
constexpr int remarkChance = 100; ///< 1 in 100 for a random remark after a step
constexpr int indicatorSteps = 6; ///< steps the indicator stays lit
constexpr int darkest = 175;

} // namespace

// ---- the clock ----------------------------------------------------------------------

// An action that reckons with the time reads the clock once: the system's clock never
// reads the same twice, and a run records the time of the action, which a replay sets
// on its own clock. So the time recorded and the time the rules reckon with (the
// start, the playing time) are one reading. An action nested in another (the clock
// ticking while the quit question is open) takes a reading of its own.
class Game::Moment {
  public:
    explicit Moment(Game& game) : m_game(game), m_outer(game.m_moment) {
        game.m_moment = game.m_clock->now();
    }
    ~Moment() { m_game.m_moment = m_outer; }
    Moment(const Moment&) = delete;
    Moment& operator=(const Moment&) = delete;

  private:
    Game& m_game;
    std::optional<double> m_outer;
};

double Game::now() const {
    return m_moment ? *m_moment : m_clock->now();
}

// ---- starting and stopping -------------------------------------------------------

void Game::resetForNewGame() {
    GameState& s = m_state;
    s.startTime = now();
    s.foodLevel = 100;
    s.batteryLevel = 100;
    s.batterySteps = 0;
    s.gemScore = 0;
    s.stepCount = 0;
    s.hasCompass = s.hasGps = s.hasTracker = s.hasBeacon = s.hasDetector = false;
    s.mapInView = false;
}

// A loaded game shows the tools it owns; the compass indicator is drawn for it.
void Game::showLoadedTools() {
    const GameState& s = m_state;
    if (s.hasCompass) {
        m_host->drawCompass(compassHeading(m_maze.facing, m_maze.compassTurn));
        m_host->showCompass();
        m_host->showTool(Tool::compass);
    }
    if (s.hasDetector) m_host->showTool(Tool::detector);
    if (s.hasBeacon) m_host->showTool(Tool::beacon);
    if (s.hasGps) m_host->showTool(Tool::gps);
    if (s.hasTracker) m_host->showTool(Tool::tracker);
}

void Game::newMaze(int level, std::optional<std::uint32_t> state,
                   const std::function<void()>& breathe) {
    m_state.newGame = true;
    m_clockOn = false;
    if (state)
        m_rng.setSeed(*state); // exactly the maze of the number
    else
        m_rng.seedRand();
    m_run = RunRecord();
    m_sittings = 1;
    m_run.maze = {level, m_rng.seed()};
    m_run.events.push_back({0, RunAction::newMaze, m_rng.seed(), 0});
    generateAccepted(m_maze, m_rng, level, breathe);
}

void Game::prepareSavedGame(int level) {
    m_state.newGame = false;
    m_clockOn = false;
    m_rng.seedRand();
    m_resumeSeed = m_rng.seed();
    m_maze.mazeSize = mazeSizeOfLevel(level);
}

void Game::nameRun(std::string player, std::string theme) {
    m_run.player = std::move(player);
    m_run.theme = std::move(theme);
}

std::size_t Game::record(RunAction action, std::uint32_t value) {
    // One reading of the clock for the event and a tick it may bring.
    std::optional<Moment> moment;
    if (!m_moment) moment.emplace(*this);
    // A tick that is due has not come yet (the window system was held up, or the
    // machine slept): the clock ticks first, so that an action of the player never comes
    // a second or more after the clock's last tick, and a win's time is never older.
    if (m_clockOn && action != RunAction::clockTick && !isBoundary(action) &&
        (now() - m_state.startTime) - m_lastTick >= clockTickDays) {
        append(RunAction::clockTick, 0);
        tickClock();
    }
    return append(action, value);
}

std::size_t Game::append(RunAction action, std::uint32_t value) {
    if (!m_run.complete) return 0;
    if (m_run.events.size() >= runMaxEvents) {
        m_run.complete = false; // too long to keep: no run file is written for it
        return 0;
    }
    m_run.events.push_back({now() - m_state.startTime, action, value, runDigest(m_maze, m_state)});
    return m_run.events.size() - 1;
}

void Game::recordOutcome(RunResult result) {
    const GameState& s = m_state;
    m_run.outcome = {result, s.elapsed, s.gemScore, s.stepCount, s.foodLevel, s.batteryLevel};
}

void Game::resume(const SavedGame& saved, const RunRecord* recorded) {
    const Moment moment(*this);
    GameState& s = m_state;
    const double at = now();
    s.startTime = at - saved.state.elapsed;
    if (s.startTime < 0) s.startTime = 0;
    s.elapsed = at - s.startTime;
    m_maze = saved.maze;
    s.stepCount = saved.state.stepCount;
    s.foodLevel = saved.state.foodLevel;
    s.gemScore = saved.state.gemScore;
    s.batteryLevel = saved.state.batteryLevel;
    s.batterySteps = saved.state.batterySteps;
    s.hasCompass = saved.state.hasCompass;
    s.hasGps = saved.state.hasGps;
    s.hasTracker = saved.state.hasTracker;
    s.mapInView = saved.state.mapInView;
    s.hasBeacon = saved.state.hasBeacon;
    s.hasDetector = saved.state.hasDetector;
    // A run goes on only from a record of this very maze; a saved game without one (or
    // of a maze without a number) is played unrecorded.
    const std::optional<MazeNumber> number = mazeNumberOf(m_maze);
    if (recorded && number && recorded->maze == *number && recorded->complete) {
        // A replay goes on from its own record, whose sittings it counted as it went.
        if (recorded != &m_run) {
            m_run = *recorded;
            m_sittings = 2 + static_cast<std::size_t>(std::count_if(
                                 m_run.events.begin(), m_run.events.end(),
                                 [](const RunEvent& e) { return e.action == RunAction::resumed; }));
        } else {
            ++m_sittings;
        }
        if (m_sittings > runMaxSittings) m_run.complete = false;
    } else {
        m_run = RunRecord();
        m_run.complete = false;
    }
    record(RunAction::seeded, m_resumeSeed);
    record(RunAction::resumed);
}

void Game::begin() {
    const Moment moment(*this);
    m_state.gameOver = false;
    m_active = true;
    m_ending = false;
    m_running = false;
    m_useEnabled = false;
    post(msgStart, Colour::white, MessageLevel::log);
    m_state.batteryRate = 2;
    m_clockOn = false;
    if (m_state.newGame)
        resetForNewGame();
    else
        showLoadedTools();
    record(RunAction::begin);
    m_host->showCounters();
    tickClock();
    redrawView();
    enterCell();
}

void Game::end() {
    if (m_active) record(RunAction::end);
    m_active = false;
    stopRunning();
    stopClock();
}

void Game::abandon() {
    m_state.gameOver = true;
    end();
}

void Game::stopClock() {
    m_clockOn = false;
    m_host->setGameTimer(false);
}

// ---- turning and moving ------------------------------------------------------------

void Game::afterTurn() {
    if (m_state.foodLevel >= starvingLevel)
        m_host->playSound(m_stepSounds.pickStepSound(m_rng, stepChance, Sound::turn), Sound::turn,
                          SoundMode::now);
    else
        m_host->playSound(Sound::starving, SoundMode::ifIdle);
    redrawView();
    if (m_state.hasCompass) m_host->drawCompass(compassHeading(m_maze.facing, m_maze.compassTurn));
}

void Game::turnLeft() {
    if (!acceptsInput()) return;
    record(RunAction::turnLeft);
    m_maze.facing = leftOf(m_maze.facing);
    afterTurn();
}

void Game::turnRight() {
    if (!acceptsInput()) return;
    record(RunAction::turnRight);
    m_maze.facing = rightOf(m_maze.facing);
    afterTurn();
}

void Game::stepForward() {
    if (!acceptsInput()) return;
    record(RunAction::stepForward);
    const Step a = aheadStep(m_maze.facing);
    moveTo(m_maze.posRow + a.dr, m_maze.posCol + a.dc, Sound::walk);
}

void Game::stepBack() {
    if (!acceptsInput()) return;
    record(RunAction::stepBack);
    const Step a = aheadStep(m_maze.facing);
    moveTo(m_maze.posRow - a.dr, m_maze.posCol - a.dc, Sound::stepback);
}

void Game::moveTo(int row, int col, Sound step) {
    const bool moved = !isWall(m_maze.at(row, col));
    if (moved) {
        m_maze.posRow = row;
        m_maze.posCol = col;
        eatOneStep();
        // A step that starves the player ends the game there: the rest of the step
        // would only sound and draw behind the end screen.
        if (m_state.gameOver) return;
        drainBattery();
        countStep();
    }
    if (m_state.foodLevel < starvingLevel) {
        m_host->playSound(Sound::starving, SoundMode::ifIdle);
    } else if (m_state.foodLevel == hungryLevel) {
        m_host->playSound(Sound::hungry, SoundMode::now);
    } else if (moved) {
        m_host->playSound(m_stepSounds.pickStepSound(m_rng, stepChance, step), step,
                          SoundMode::ifIdle);
        m_host->showGameMessage(m_host->randomMessage(remarkChance), Colour::lime,
                                MessageLevel::log);
    } else {
        m_host->playSound(Sound::blocked, SoundMode::ifIdle);
        post(msgBlocked, Colour::white, MessageLevel::log);
    }
    if (!moved) return;
    redrawView();
    if (m_state.gameOver) return;
    m_host->updateMapPosition(m_maze.posRow, m_maze.posCol, m_state.hasGps, m_state.hasTracker);
    enterCell();
    if (m_state.gameOver) return;
    ageIndicator();
}

void Game::countStep() {
    ++m_state.stepCount;
    m_host->showCounters();
}

void Game::ageIndicator() {
    if (m_state.indicatorAge == indicatorSteps) {
        m_host->hideIndicator();
        m_state.indicatorAge = 0;
    } else {
        ++m_state.indicatorAge;
    }
}

void Game::post(MessageKey key, Colour colour, MessageLevel level) {
    if (m_host->postGameMessage(key, colour, level) &&
        (level == MessageLevel::standard || level == MessageLevel::critical))
        m_state.indicatorAge = 0;
}

// ---- running ------------------------------------------------------------------------

void Game::startRunning() {
    if (m_running || !acceptsInput()) return;
    record(RunAction::startRunning);
    m_running = true; // a second R while the run sound plays does nothing
    post(msgRun, Colour::lime, MessageLevel::standard);
    m_host->serviceEvents();
    m_host->playSound(Sound::run, SoundMode::toEnd);
    // The game may have ended, or the screen closed, while events ran.
    if (!m_running || !acceptsInput()) {
        m_running = false;
        return;
    }
    m_host->setRunTimer(true);
}

void Game::stopRunning() {
    if (!m_running) return;
    m_running = false;
    m_host->setRunTimer(false);
}

void Game::runTick() {
    // Ticks that arrive while the game ends, while the quit question is open or after
    // the screen closed never move the player.
    if (!m_running || !acceptsInput()) return;
    record(RunAction::runTick);
    const Step a = aheadStep(m_maze.facing);
    if (!isWall(m_maze.ahead())) {
        moveTo(m_maze.posRow + a.dr, m_maze.posCol + a.dc, Sound::running);
    } else {
        stopRunning();
        m_host->playSound(Sound::stop, SoundMode::now);
        post(msgStop, Colour::white, MessageLevel::standard);
    }
}

// ---- the clock ------------------------------------------------------------------------

void Game::clockTick() {
    const Moment moment(*this);
    record(RunAction::clockTick);
    tickClock();
}

void Game::tickClock() {
    stopClock();
    // The very difference a run records as the tick's time, which a check compares.
    m_lastTick = now() - m_state.startTime;
    m_state.elapsed = m_lastTick;
    const bool capped = m_state.elapsed > clockCapDays;
    if (capped) {
        m_state.elapsed = clockCapShown;
        m_run.complete = false; // a run file holds no time past the clock's cap
    }
    m_clockText = quorvel::clockText(m_state.elapsed);
    m_host->showClock(m_clockText);
    if (!capped) {
        m_clockOn = true;
        m_host->setGameTimer(true);
    }
}

// ---- the view ---------------------------------------------------------------------------

void Game::redrawView() {
    m_host->drawMaze();
    if (m_maze.facing == 3 && m_maze.here() == cellExit) winGame();
    lookAhead();
    m_host->finishView(darkness());
}

void Game::lookAhead() {
    const CellCode ahead = m_maze.ahead();
    if (ahead == cellWallMap) {
        m_state.mapInView = true;
        m_host->playSound(Sound::map, SoundMode::now);
        post(msgWallMap, Colour::white, MessageLevel::standard);
        m_host->updateMapTools(true, m_state.hasDetector, m_state.hasBeacon);
        m_host->drawWallMap();
        return;
    }
    if (ahead == cellExit) {
        m_host->playSound(Sound::exit, SoundMode::now);
        post(msgExit, Colour::white, MessageLevel::standard);
    }
    if (m_state.mapInView) {
        m_state.mapInView = false;
        m_host->updateMapTools(false, m_state.hasDetector, m_state.hasBeacon);
    }
}

int Game::darkness(int batteryLevel, int batterySteps, int batteryRate) {
    if (batteryRate == 0) return 0;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const double part = std::nearbyint(7.0 * batterySteps / batteryRate);
    const double d = part - 7.0 * batteryLevel + darkest;
    return static_cast<int>(std::clamp(d, 0.0, static_cast<double>(darkest)));
}

int Game::darkness() const {
    return darkness(m_state.batteryLevel, m_state.batterySteps, m_state.batteryRate);
}

// ---- what a cell does -----------------------------------------------------------------------

void Game::hintAtExitOrMap() {
    const CellCode around[] = {m_maze.left(), m_maze.right(), m_maze.behind()};
    for (const CellCode code : around) {
        if (code == cellExit || code == cellWallMap) {
            m_host->playSound(Sound::hint, SoundMode::now);
            post(msgHint, Colour::lime, MessageLevel::standard);
            return;
        }
    }
}

// The G.P.S., tracker, detector and beacon: a box message, the tool's picture, and for
// the detector and the beacon at once what they show on the map.
void Game::takeTool(CellCode code) {
    struct Found {
        CellCode code;
        Sound sound;
        MessageKey key;
        Tool tool;
        bool GameState::*flag;
        bool showsOnMap;
    };
    static constexpr Found tools[] = {
        {cellGps, Sound::gps, msgGps, Tool::gps, &GameState::hasGps, false},
        {cellTracker, Sound::tracker, msgTracker, Tool::tracker, &GameState::hasTracker, false},
        {cellDetector, Sound::detector, msgDetector, Tool::detector, &GameState::hasDetector, true},
        {cellBeacon, Sound::beacon, msgBeacon, Tool::beacon, &GameState::hasBeacon, true},
    };
    for (const Found& t : tools) {
        if (t.code != code) continue;
        announce(t.sound, t.key);
        m_state.*t.flag = true;
        m_host->showTool(t.tool);
        if (t.showsOnMap)
            m_host->updateMapTools(m_state.mapInView, m_state.hasDetector, m_state.hasBeacon);
        emptyBoxHere();
    }
}

void Game::enterCell() {
    setUseEnabled(false);
    hintAtExitOrMap();
    if (!actOnCell()) return;
    m_host->showCounters();
    m_host->updateMapPosition(m_maze.posRow, m_maze.posCol, m_state.hasGps, m_state.hasTracker);
}

bool Game::actOnCell() {
    const CellCode code = m_maze.here();
    switch (code) {
    case cellGemTrap: springGemTrap(); break;
    case cellFoodTrap: return springFoodTrap();
    case cellStone:
        announce(Sound::stone, msgStone);
        emptyBoxHere();
        break;
    case cellGem1:
    case cellGem3:
    case cellGem5: takeGem(code); break;
    case cellGps:
    case cellTracker:
    case cellDetector:
    case cellBeacon: takeTool(code); break;
    case cellBattery:
    case cellBatteryLeft: findBattery(); break;
    case cellCompass: takeCompass(); break;
    case cellFood: eatFood(); break;
    case cellOpenedBox: announce(Sound::open, msgOpen); break;
    default:
        if (isClosedBox(code)) {
            announce(Sound::empty, msgEmpty);
            emptyBoxHere();
        }
        break;
    }
    return true;
}

void Game::announce(Sound sound, MessageKey key, Colour colour) {
    m_host->playSound(sound, SoundMode::now);
    post(key, colour, MessageLevel::standard);
}

void Game::emptyBoxHere() {
    m_maze.set(m_maze.posRow, m_maze.posCol, cellOpenedBox);
}

void Game::setUseEnabled(bool enabled) {
    m_useEnabled = enabled;
    m_host->setUseEnabled(enabled);
}

void Game::springGemTrap() {
    announce(Sound::gemtrap, msgGemTrap, Colour::yellow);
    m_state.gemScore = m_state.gemScore > 5 ? m_state.gemScore - 5 : 0;
    m_maze.set(m_maze.posRow, m_maze.posCol, cellOpen);
}

bool Game::springFoodTrap() {
    announce(Sound::foodtrap, msgFoodTrap, Colour::yellow);
    m_maze.set(m_maze.posRow, m_maze.posCol, cellOpen);
    m_state.foodLevel -= m_state.foodLevel > 40 ? 19 : 9;
    eatOneStep();
    return !m_state.gameOver;
}

void Game::takeGem(CellCode code) {
    struct Gem {
        CellCode code;
        Sound sound;
        MessageKey key;
        int points;
    };
    static constexpr Gem gems[] = {
        {cellGem5, Sound::gem5, msgGem5, 5},
        {cellGem3, Sound::gem3, msgGem3, 3},
        {cellGem1, Sound::gem1, msgGem1, 1},
    };
    for (const Gem& g : gems) {
        if (g.code != code) continue;
        announce(g.sound, g.key);
        m_state.gemScore += g.points;
        emptyBoxHere();
    }
}

void Game::findBattery() {
    announce(Sound::battery, msgBattery);
    m_maze.set(m_maze.posRow, m_maze.posCol, cellBatteryLeft);
    setUseEnabled(true);
    if (m_state.batteryLevel == 0) useBatteryHere();
}

void Game::takeCompass() {
    announce(Sound::compass, msgCompass);
    m_state.hasCompass = true;
    m_host->drawCompass(compassHeading(m_maze.facing, m_maze.compassTurn));
    m_host->showCompass();
    m_host->showTool(Tool::compass);
    emptyBoxHere();
}

void Game::eatFood() {
    announce(Sound::food, msgFood);
    m_state.foodLevel += 100;
    m_state.indicatorAge = 0;
    emptyBoxHere();
}

void Game::useBattery() {
    if (!m_useEnabled || !acceptsInput()) return;
    record(RunAction::useBattery);
    useBatteryHere();
}

void Game::useBatteryHere() {
    const CellCode code = m_maze.here();
    if (code == cellBattery || code == cellBatteryLeft) {
        m_host->playSound(Sound::usebatt, SoundMode::now);
        post(msgUseBatt, Colour::white, MessageLevel::standard);
        m_state.batteryLevel = 100;
        m_state.batterySteps = 0;
        emptyBoxHere();
        redrawView();
        m_host->showCounters();
    }
    setUseEnabled(false);
}

// ---- food and light -----------------------------------------------------------------------

void Game::eatOneStep() {
    --m_state.foodLevel;
    if (m_state.foodLevel == hungryLevel) post(msgHungry, Colour::aqua, MessageLevel::critical);
    if (m_state.foodLevel < starvingLevel)
        post(msgStarving, Colour::yellow, MessageLevel::critical);
    if (m_state.foodLevel <= 0) loseGame();
}

void Game::drainBattery() {
    GameState& s = m_state;
    if (s.batteryLevel > 0 && ++s.batterySteps >= s.batteryRate) {
        s.batterySteps = 0;
        --s.batteryLevel;
        if (s.batteryLevel == weakBattery) post(msgWeakBatt, Colour::aqua, MessageLevel::critical);
        if (s.batteryLevel == 0) post(msgDeadBatt, Colour::yellow, MessageLevel::critical);
    }
    m_host->showCounters();
}

// ---- the end of a game ----------------------------------------------------------------------

void Game::loseGame() {
    if (m_ending || m_state.gameOver) return;
    m_ending = true;
    stopRunning();
    recordOutcome(RunResult::lost);
    m_host->showCounters();
    GameEnding ending;
    ending.run = &m_run;
    m_records->keepEnd(ending);
    EndScreenSetup screen;
    screen.kind = EndKind::lose;
    screen.caption = gameText("quorvel::EndScreen", "You Lose");
    screen.messageKey = msgLose;
    screen.sound = Sound::lose;
    screen.mazeNumber = mazeNumberText(m_maze);
    m_host->showEndScreen(screen);
    m_state.gameOver = true;
    m_ending = false;
    m_host->closeGameScreen();
}

void Game::winGame() {
    if (m_ending || m_state.gameOver) return;
    m_ending = true;
    stopRunning();
    stopClock();
    recordOutcome(RunResult::won);
    m_host->countRemaining();
    GameEnding ending;
    ending.run = &m_run;
    ending.won = true;
    BestTimeEntry& entry = ending.best;
    entry.level = m_maze.level();
    entry.elapsed = m_state.elapsed;
    entry.gemScore = m_state.gemScore;
    entry.timeText = m_clockText;
    entry.stepCount = m_state.stepCount;
    entry.foodLevel = m_state.foodLevel;
    entry.batteryLevel = m_state.batteryLevel;
    // The best time, the run and the saved game it was taken up from, as one, before
    // the end screen: a program ended at the end screen has kept the win whole.
    ending.savedGameGoes = !m_state.newGame;
    const int rank = m_records->keepEnd(ending);
    EndScreenSetup screen;
    screen.kind = EndKind::win;
    screen.caption = rank < 1 ? gameText("quorvel::EndScreen", "Winner!")
                              : gameText("quorvel::EndScreen", "Winner! (New Best Time)");
    screen.messageKey = msgWin;
    screen.rank = rank;
    screen.sound = Sound::win;
    screen.mazeNumber = mazeNumberText(m_maze);
    m_host->showEndScreen(screen);
    m_state.gameOver = true;
    m_ending = false;
    m_host->closeGameScreen();
}

bool Game::askToQuit() {
    if (m_state.gameOver) return true;
    if (m_ending) return false; // an end screen is already open
    // Running pauses while the question is open; No lets it go on. The question goes to
    // the run once answered, with its answers, which a replay answers it from: the clock
    // ticks while it is open come before it, as the rules took them.
    m_ending = true;
    const bool quit = m_host->confirmQuit();
    m_ending = false;
    QuitAnswers answers;
    answers.confirmed = quit;
    const std::size_t asked = record(RunAction::quit, packQuitAnswers(answers));
    const auto answered = [&] {
        if (asked > 0 && asked < m_run.events.size())
            m_run.events[asked].value = packQuitAnswers(answers);
    };
    if (!quit) return false;
    recordOutcome(RunResult::unfinished);
    EndScreenSetup screen;
    screen.kind = EndKind::quit;
    screen.caption = gameText("quorvel::EndScreen", "Save?");
    screen.messageKey = msgQuit;
    screen.secondLine =
        gameText("quorvel::EndScreen", "Do you want to save your game before exiting?");
    screen.sound = Sound::quit;
    screen.mazeNumber = mazeNumberText(m_maze);
    // The game stands still until the answer has been carried out: saving may ask
    // whether to replace the old save, or report an error, and neither the run nor a
    // key may move the player (or end the game) meanwhile.
    m_ending = true;
    const Answer answer = m_host->showEndScreen(screen);
    answers.saveWanted = answer == Answer::yes;
    // The save writes the run as it stands once saved: a saved game's run says so.
    answers.saved = answers.saveWanted;
    answered();
    const bool saved = answer != Answer::yes || m_records->saveGame();
    answers.saved = answers.saveWanted && saved;
    answered();
    m_ending = false;
    // A game that could not be saved is not thrown away: play goes on, and quitting
    // again offers the save again.
    return saved;
}

// ---- fun keys --------------------------------------------------------------------------------

void Game::playFunKey(char key) {
    struct Fun {
        char key;
        Sound sound;
        MessageKey message;
    };
    static constexpr Fun funs[] = {{'y', Sound::yell, msgYell},
                                   {'l', Sound::laugh, msgLaugh},
                                   {'c', Sound::cry, msgCry},
                                   {'j', Sound::jump, msgJump},
                                   {'d', Sound::dance, msgDance}};
    const char lower = key >= 'A' && key <= 'Z' ? static_cast<char>(key - 'A' + 'a') : key;
    for (const Fun& f : funs) {
        if (f.key == lower) {
            // It plays at any time; the run keeps it while the game is played (not while
            // the game ends or is quit, when a window of the end closes and lets keys run).
            if (acceptsInput()) record(RunAction::funKey, static_cast<std::uint8_t>(lower));
            m_host->playSound(f.sound, SoundMode::now);
            post(f.message, Colour::lime, MessageLevel::log);
            return;
        }
    }
}

} // namespace quorvel
