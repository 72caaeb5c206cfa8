#include "game.h"

#include <algorithm>
#include <cmath>

#include "clock.h"
#include "host.h"
#include "random.h"

namespace quorvel {

namespace {
// Message keys the rules post.
constexpr int keyfood = 1, keybattery = 2, keygem5 = 3, keygem3 = 4, keygem1 = 5, keystone = 6,
              keycompass = 7, keygps = 8, keybeacon = 9, keytracker = 10, keydetector = 11,
              keyempty = 12, keyopen = 13, keymap = 14, keyfoodtrap = 15, keygemtrap = 16,
              keystart = 17, keylose = 18, keywin = 19, keyquit = 20, keyrun = 21, keystop = 22,
              keyblocked = 23, keyusebatt = 24, keyhungry = 25, keystarving = 26, keyweakbatt = 27,
              keydeadbatt = 28, keyhint = 29;

constexpr int hungrylevel = 50;   ///< food at which the hunger warning comes
constexpr int starvinglevel = 25; ///< food below which every step warns
constexpr int weakbattery = 25;   ///< battery percent of the weak warning
constexpr int stepchance = 30;    ///< 1 in 30 for each random step sound
constexpr int remarkchance = 100; ///< 1 in 100 for a random remark after a step
constexpr int indicatorsteps = 6; ///< steps the indicator stays lit
constexpr int darkest = 175;

const char* const randomsounds[] = {"random1", "random2", "random3"};
} // namespace

// ---- starting and stopping -------------------------------------------------------

void Game::newgamevalues() {
    GameState& s = m_state;
    s.starttime = m_clock.now();
    s.foodlevel = 100;
    s.batterylevel = 100;
    s.batterysteps = 0;
    s.gemscore = 0;
    s.stepcount = 0;
    s.hascompass = s.hasgps = s.hastracker = s.hasbeacon = s.hasdetector = false;
    s.mapinview = false;
}

// A loaded game shows the tools it owns; the compass indicator is drawn for it.
void Game::showloadedtools() {
    const GameState& s = m_state;
    if (s.hascompass) {
        m_host.drawcompass(compassheading(m_maze.facing, m_maze.compassturn));
        m_host.showcompass();
        m_host.showtool(Tool::compass);
    }
    if (s.hasdetector) m_host.showtool(Tool::detector);
    if (s.hasbeacon) m_host.showtool(Tool::beacon);
    if (s.hasgps) m_host.showtool(Tool::gps);
    if (s.hastracker) m_host.showtool(Tool::tracker);
}

void Game::begin() {
    m_state.gameover = false;
    m_active = true;
    m_ending = false;
    m_running = false;
    m_useenabled = false;
    post(keystart, Colour::white, levellog);
    m_state.batteryrate = 2;
    if (m_state.newgame)
        newgamevalues();
    else
        showloadedtools();
    m_host.showcounters();
    GameTimerTimer();
    drawview();
    checkcell();
}

void Game::end() {
    m_active = false;
    stoprunning();
    m_host.setgametimer(false);
}

// ---- turning and moving ------------------------------------------------------------

void Game::turned() {
    if (m_state.foodlevel >= starvinglevel)
        m_host.playsoundfx(m_stepsounds.pickstepsound(m_rng, stepchance, randomsounds[0],
                                                      randomsounds[1], randomsounds[2], "turn"),
                           "", soundnow);
    else
        m_host.playsoundfx("starving", "warning", soundifidle);
    drawview();
    if (m_state.hascompass) m_host.drawcompass(compassheading(m_maze.facing, m_maze.compassturn));
}

void Game::btnturnleftClick() {
    if (!acceptsinput()) return;
    m_maze.facing = turnleft(m_maze.facing);
    turned();
}

void Game::btnturnrightClick() {
    if (!acceptsinput()) return;
    m_maze.facing = turnright(m_maze.facing);
    turned();
}

void Game::btnmoveClick() {
    if (!acceptsinput()) return;
    const Step a = aheadstep(m_maze.facing);
    moveto(m_maze.posrow + a.dr, m_maze.poscol + a.dc, "walk", "walk");
}

void Game::btnturnbackClick() {
    if (!acceptsinput()) return;
    const Step a = aheadstep(m_maze.facing);
    moveto(m_maze.posrow - a.dr, m_maze.poscol - a.dc, "stepback", "walk");
}

void Game::moveto(int row, int col, const std::string& action, const std::string& step) {
    const bool moved = !iswall(m_maze.at(row, col));
    if (moved) {
        m_maze.posrow = row;
        m_maze.poscol = col;
        foodstep();
        // A step that starves the player ends the game there: the rest of the step
        // would only sound and draw behind the end screen.
        if (m_state.gameover) return;
        batterydrain();
        stepplus();
    }
    if (m_state.foodlevel < starvinglevel) {
        m_host.playsoundfx("starving", "warning", soundifidle);
    } else if (m_state.foodlevel == hungrylevel) {
        m_host.playsoundfx("hungry", "warning", soundnow);
    } else if (moved) {
        m_host.playsoundfx(m_stepsounds.pickstepsound(m_rng, stepchance, randomsounds[0],
                                                      randomsounds[1], randomsounds[2], action),
                           step, soundifidle);
        m_host.showgamemessage(m_host.randommessage(remarkchance), Colour::lime, levellog);
    } else {
        m_host.playsoundfx("blocked", "", soundifidle);
        post(keyblocked, Colour::white, levellog);
    }
    if (!moved) return;
    drawview();
    if (m_state.gameover) return;
    m_host.updatemapposition(m_maze.posrow, m_maze.poscol, m_state.hasgps, m_state.hastracker);
    checkcell();
    if (m_state.gameover) return;
    ageindicator();
}

void Game::stepplus() {
    ++m_state.stepcount;
    m_host.showcounters();
}

void Game::ageindicator() {
    if (m_state.indicatorage == indicatorsteps) {
        m_host.hideindicator();
        m_state.indicatorage = 0;
    } else {
        ++m_state.indicatorage;
    }
}

void Game::post(int key, Colour colour, int level) {
    if (m_host.postgamemessage(key, colour, level) &&
        (level == levelstandard || level == levelcritical))
        m_state.indicatorage = 0;
}

// ---- running ------------------------------------------------------------------------

void Game::startrun() {
    if (m_running || !acceptsinput()) return;
    m_running = true; // a second R while the run sound plays does nothing
    post(keyrun, Colour::lime, levelstandard);
    m_host.serviceevents();
    m_host.playsoundfx("run", "", soundtoend);
    // The game may have ended, or the screen closed, while events ran.
    if (!m_running || !acceptsinput()) {
        m_running = false;
        return;
    }
    m_host.setruntimer(true);
}

void Game::stoprunning() {
    if (!m_running) return;
    m_running = false;
    m_host.setruntimer(false);
}

void Game::RunTimerTimer() {
    // Ticks that arrive while the game ends, while the quit question is open or after
    // the screen closed never move the player.
    if (!m_running || !acceptsinput()) return;
    const Step a = aheadstep(m_maze.facing);
    if (!iswall(m_maze.ahead())) {
        moveto(m_maze.posrow + a.dr, m_maze.poscol + a.dc, "running", "walk");
    } else {
        stoprunning();
        m_host.playsoundfx("stop", "blocked", soundnow);
        post(keystop, Colour::white, levelstandard);
    }
}

// ---- the clock ------------------------------------------------------------------------

void Game::GameTimerTimer() {
    m_host.setgametimer(false);
    m_state.elapsed = m_clock.now() - m_state.starttime;
    const bool capped = m_state.elapsed > clockcapdays;
    if (capped) m_state.elapsed = clockcapshown;
    m_clocktext = quorvel::clocktext(m_state.elapsed);
    m_host.showclock(m_clocktext);
    if (!capped) m_host.setgametimer(true);
}

// ---- the view ---------------------------------------------------------------------------

void Game::drawview() {
    m_host.drawmaze();
    if (m_maze.facing == 3 && m_maze.here() == cellexit) winsequence();
    checkahead();
    m_host.finishview(darkness());
}

void Game::checkahead() {
    const CellCode ahead = m_maze.ahead();
    if (ahead == cellwallmap) {
        m_state.mapinview = true;
        m_host.playsoundfx("map", "", soundnow);
        post(keymap, Colour::white, levelstandard);
        m_host.updatemaptools(true, m_state.hasdetector, m_state.hasbeacon);
        m_host.drawwallmap();
        return;
    }
    if (ahead == cellexit) {
        m_host.playsoundfx("exit", "", soundnow);
        post(35, Colour::white, levelstandard);
    }
    if (m_state.mapinview) {
        m_state.mapinview = false;
        m_host.updatemaptools(false, m_state.hasdetector, m_state.hasbeacon);
    }
}

int Game::darkness(int batterylevel, int batterysteps, int batteryrate) {
    if (batteryrate == 0) return 0;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const double part = std::nearbyint(7.0 * batterysteps / batteryrate);
    const double d = part - 7.0 * batterylevel + darkest;
    return static_cast<int>(std::clamp(d, 0.0, static_cast<double>(darkest)));
}

int Game::darkness() const {
    return darkness(m_state.batterylevel, m_state.batterysteps, m_state.batteryrate);
}

// ---- what a cell does -----------------------------------------------------------------------

void Game::checkhint() {
    const CellCode around[] = {m_maze.left(), m_maze.right(), m_maze.behind()};
    for (const CellCode code : around) {
        if (code == cellexit || code == cellwallmap) {
            m_host.playsoundfx("hint", "", soundnow);
            post(keyhint, Colour::lime, levelstandard);
            return;
        }
    }
}

// The G.P.S., tracker, detector and beacon: a box message, the tool's picture, and for
// the detector and the beacon at once what they show on the map.
void Game::taketool(CellCode code) {
    struct Found {
        CellCode code;
        const char* sound;
        int key;
        Tool tool;
        bool GameState::*flag;
        bool showsonmap;
    };
    static constexpr Found tools[] = {
        {cellgps, "gps", keygps, Tool::gps, &GameState::hasgps, false},
        {celltracker, "tracker", keytracker, Tool::tracker, &GameState::hastracker, false},
        {celldetector, "detector", keydetector, Tool::detector, &GameState::hasdetector, true},
        {cellbeacon, "beacon", keybeacon, Tool::beacon, &GameState::hasbeacon, true},
    };
    for (const Found& t : tools) {
        if (t.code != code) continue;
        m_host.playsoundfx(t.sound, "box", soundnow);
        post(t.key, Colour::white, levelstandard);
        m_state.*t.flag = true;
        m_host.showtool(t.tool);
        if (t.showsonmap)
            m_host.updatemaptools(m_state.mapinview, m_state.hasdetector, m_state.hasbeacon);
        m_maze.set(m_maze.posrow, m_maze.poscol, cellopenedbox);
    }
}

void Game::checkcell() {
    m_useenabled = false;
    m_host.setuse(false);
    checkhint();

    GameState& s = m_state;
    const int r = m_maze.posrow, c = m_maze.poscol;
    const CellCode code = m_maze.here();
    const auto box = [&](const char* sound, const char* fallback, int key, Colour colour) {
        m_host.playsoundfx(sound, fallback, soundnow);
        post(key, colour, levelstandard);
    };
    switch (code) {
    case cellgemtrap:
        box("gemtrap", "trap", keygemtrap, Colour::yellow);
        s.gemscore = s.gemscore > 5 ? s.gemscore - 5 : 0;
        m_maze.set(r, c, cellopen);
        break;
    case cellfoodtrap:
        box("foodtrap", "trap", keyfoodtrap, Colour::yellow);
        m_maze.set(r, c, cellopen);
        s.foodlevel -= s.foodlevel > 40 ? 19 : 9;
        foodstep();
        if (s.gameover) return;
        break;
    case cellstone:
        box("stone", "box", keystone, Colour::white);
        m_maze.set(r, c, cellopenedbox);
        break;
    case cellgem1:
    case cellgem3:
    case cellgem5: {
        const bool five = code == cellgem5, three = code == cellgem3;
        box(five    ? "gem5"
            : three ? "gem3"
                    : "gem1",
            "gem",
            five    ? keygem5
            : three ? keygem3
                    : keygem1,
            Colour::white);
        s.gemscore += five ? 5 : three ? 3 : 1;
        m_maze.set(r, c, cellopenedbox);
        break;
    }
    case cellgps:
    case celltracker:
    case celldetector:
    case cellbeacon: taketool(code); break;
    case cellbattery:
    case cellbatteryleft:
        box("battery", "box", keybattery, Colour::white);
        m_maze.set(r, c, cellbatteryleft);
        m_useenabled = true;
        m_host.setuse(true);
        if (s.batterylevel == 0) btnuseClick();
        break;
    case cellcompass:
        box("compass", "box", keycompass, Colour::white);
        s.hascompass = true;
        m_host.drawcompass(compassheading(m_maze.facing, m_maze.compassturn));
        m_host.showcompass();
        m_host.showtool(Tool::compass);
        m_maze.set(r, c, cellopenedbox);
        break;
    case cellfood:
        box("food", "", keyfood, Colour::white);
        s.foodlevel += 100;
        s.indicatorage = 0;
        m_maze.set(r, c, cellopenedbox);
        break;
    case cellopenedbox: box("open", "", keyopen, Colour::white); break;
    default:
        if (isclosedbox(code)) {
            box("empty", "box", keyempty, Colour::white);
            m_maze.set(r, c, cellopenedbox);
        }
        break;
    }
    m_host.showcounters();
    m_host.updatemapposition(r, c, s.hasgps, s.hastracker);
}

void Game::btnuseClick() {
    if (!m_useenabled || !acceptsinput()) return;
    const CellCode code = m_maze.here();
    if (code == cellbattery || code == cellbatteryleft) {
        m_host.playsoundfx("usebatt", "use", soundnow);
        post(keyusebatt, Colour::white, levelstandard);
        m_state.batterylevel = 100;
        m_state.batterysteps = 0;
        m_maze.set(m_maze.posrow, m_maze.poscol, cellopenedbox);
        drawview();
        m_host.showcounters();
    }
    m_useenabled = false;
    m_host.setuse(false);
}

// ---- food and light -----------------------------------------------------------------------

void Game::foodstep() {
    --m_state.foodlevel;
    if (m_state.foodlevel == hungrylevel) post(keyhungry, Colour::aqua, levelcritical);
    if (m_state.foodlevel < starvinglevel) post(keystarving, Colour::yellow, levelcritical);
    if (m_state.foodlevel <= 0) losegame();
}

void Game::batterydrain() {
    GameState& s = m_state;
    if (s.batterylevel > 0 && ++s.batterysteps >= s.batteryrate) {
        s.batterysteps = 0;
        --s.batterylevel;
        if (s.batterylevel == weakbattery) post(keyweakbatt, Colour::aqua, levelcritical);
        if (s.batterylevel == 0) post(keydeadbatt, Colour::yellow, levelcritical);
    }
    m_host.showcounters();
}

// ---- the end of a game ----------------------------------------------------------------------

void Game::losegame() {
    if (m_ending || m_state.gameover) return;
    m_ending = true;
    stoprunning();
    m_host.showcounters();
    EndScreen screen;
    screen.kind = EndKind::lose;
    screen.caption = "You Lose";
    screen.messagekey = keylose;
    screen.sound = "lose";
    m_host.showendscreen(screen);
    m_state.gameover = true;
    m_ending = false;
    m_host.closegamescreen();
}

void Game::winsequence() {
    if (m_ending || m_state.gameover) return;
    m_ending = true;
    stoprunning();
    m_host.setgametimer(false);
    m_host.countremaining();
    BestTimeEntry entry;
    entry.level = m_maze.level();
    entry.elapsed = m_state.elapsed;
    entry.gemscore = m_state.gemscore;
    entry.timetext = m_clocktext;
    entry.stepcount = m_state.stepcount;
    entry.foodlevel = m_state.foodlevel;
    entry.batterylevel = m_state.batterylevel;
    const int rank = m_host.recordbesttime(entry);
    EndScreen screen;
    screen.kind = EndKind::win;
    screen.caption = rank < 1 ? "Winner!" : "Winner! (New Best Time)";
    screen.messagekey = keywin;
    screen.rank = rank;
    screen.sound = "win";
    m_host.showendscreen(screen);
    if (!m_state.newgame) m_host.deletesave();
    m_state.gameover = true;
    m_ending = false;
    m_host.closegamescreen();
}

bool Game::FormCloseQuery() {
    if (m_state.gameover) return true;
    if (m_ending) return false; // an end screen is already open
    // Running pauses while the question is open; No lets it go on.
    m_ending = true;
    const bool quit = m_host.confirmquit();
    m_ending = false;
    if (!quit) return false;
    EndScreen screen;
    screen.kind = EndKind::quit;
    screen.caption = "Save?";
    screen.messagekey = keyquit;
    screen.message2 = "Do you want to save your game before exiting?";
    screen.sound = "quit";
    m_ending = true;
    const Answer answer = m_host.showendscreen(screen);
    m_ending = false;
    // A game that could not be saved is not thrown away: play goes on, and quitting
    // again offers the save again.
    if (answer == Answer::yes && !m_host.savegame()) return false;
    return true;
}

// ---- fun keys --------------------------------------------------------------------------------

void Game::funkey(char key) {
    struct Fun {
        char key;
        const char* sound;
        int message;
    };
    static constexpr Fun funs[] = {{'y', "yell", 30},
                                   {'l', "laugh", 31},
                                   {'c', "cry", 32},
                                   {'j', "jump", 33},
                                   {'d', "dance", 34}};
    const char lower = key >= 'A' && key <= 'Z' ? static_cast<char>(key - 'A' + 'a') : key;
    for (const Fun& f : funs) {
        if (f.key == lower) {
            m_host.playsoundfx(f.sound, "", soundnow);
            post(f.message, Colour::lime, levellog);
            return;
        }
    }
}

} // namespace quorvel
