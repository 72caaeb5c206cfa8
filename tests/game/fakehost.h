#pragma once
// A recording stand-in for the game screen: every call the rules make is written
// down as one line, so tests can check what happened and in which order.

#include <functional>
#include <string>
#include <vector>

#include "game/host.h"
#include "sound/soundnames.h"

namespace quorvel::testing {

class FakeHost : public GameHost, public GameRecords {
  public:
    std::vector<std::string> calls;
    Answer endAnswer = Answer::close;  ///< what the end screen answers
    bool quitAnswer = true;            ///< the answer to the quit question
    int rank = 0;                      ///< what recording a best time returns
    bool messagesEmpty = false;        ///< every message comes out empty
    std::function<void()> onEndScreen; ///< runs while the end screen is open
    std::function<void()> onService;   ///< runs while pending events are serviced
    std::function<void()> onConfirm;   ///< runs while the quit question is open
    std::string remark;                ///< what randomMessage returns
    EndScreenSetup lastEnd;
    BestTimeEntry lastBest;

    void drawMaze() override { calls.push_back("drawmaze"); }
    void drawWallMap() override { calls.push_back("drawwallmap"); }
    void finishView(int darkness) override {
        calls.push_back("finishview " + std::to_string(darkness));
    }
    void drawCompass(int heading) override {
        calls.push_back("drawcompass " + std::to_string(heading));
    }
    void showCompass() override { calls.push_back("showcompass"); }
    void showTool(Tool tool) override {
        calls.push_back("showtool " + std::to_string(static_cast<int>(tool)));
    }
    void setUseEnabled(bool enabled) override { calls.push_back(enabled ? "use on" : "use off"); }
    void showCounters() override { calls.push_back("counters"); }
    void updateMapTools(bool inView, bool detector, bool beacon) override {
        calls.push_back("maptools " + flags(inView, detector, beacon));
    }
    void updateMapPosition(int row, int col, bool gps, bool tracker) override {
        calls.push_back("mappos " + std::to_string(row) + "," + std::to_string(col) + " " +
                        flags(gps, tracker));
    }
    void countRemaining() override { calls.push_back("countremaining"); }
    bool postGameMessage(MessageKey key, Colour colour, MessageLevel level) override {
        calls.push_back("post " + std::string(messageKeyword(key)) + " " + colourName(colour) +
                        " " + std::to_string(static_cast<int>(level)));
        return !messagesEmpty;
    }
    bool showGameMessage(const std::string& text, Colour colour, MessageLevel level) override {
        if (text.empty()) return false;
        calls.push_back("show '" + text + "' " + colourName(colour) + " " +
                        std::to_string(static_cast<int>(level)));
        return true;
    }
    std::string randomMessage(int chance) override {
        calls.push_back("random " + std::to_string(chance));
        return remark;
    }
    void hideIndicator() override { calls.push_back("hideindicator"); }
    void playSound(Sound sound, Sound plain, SoundMode mode) override {
        calls.push_back(std::string("sound ") + soundNames(sound).name + "/" +
                        soundFallback(sound, plain) + " " +
                        std::to_string(static_cast<int>(mode)));
    }
    void serviceEvents() override {
        calls.push_back("service");
        if (onService) onService();
    }
    void setRunTimer(bool enabled) override {
        calls.push_back(enabled ? "runtimer on" : "runtimer off");
    }
    void setGameTimer(bool enabled) override {
        calls.push_back(enabled ? "clock on" : "clock off");
    }
    void showClock(const std::string& text) override { calls.push_back("clock '" + text + "'"); }
    Answer showEndScreen(const EndScreenSetup& screen) override {
        lastEnd = screen;
        calls.push_back("endscreen " + screen.caption);
        if (onEndScreen) onEndScreen();
        return endAnswer;
    }
    bool confirmQuit() override {
        calls.push_back("confirmquit");
        if (onConfirm) onConfirm();
        return quitAnswer;
    }
    GameEnding lastEnding; ///< the last end kept (its run is the game's own)
    int keepEnd(const GameEnding& ending) override {
        lastEnding = ending;
        lastBest = ending.best;
        calls.push_back(!ending.won              ? "keep loss"
                        : ending.savedGameGoes ? "keep win, the save goes"
                                               : "keep win");
        return ending.won ? rank : 0;
    }
    bool saveSucceeds = true;     ///< what saving the game answers
    std::function<void()> onSave; ///< runs while the game is saved (its questions open)
    bool saveGame() override {
        calls.push_back("savegame");
        if (onSave) onSave();
        return saveSucceeds;
    }
    void closeGameScreen() override { calls.push_back("close"); }

    /// The calls whose text starts with prefix.
    std::vector<std::string> only(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        return out;
    }
    bool has(const std::string& call) const {
        for (const auto& c : calls)
            if (c == call) return true;
        return false;
    }

  private:
    static std::string flags(bool a, bool b) {
        return std::string(a ? "1" : "0") + (b ? "1" : "0");
    }
    static std::string flags(bool a, bool b, bool c) { return flags(a, b) + (c ? "1" : "0"); }
    static std::string colourName(Colour c) {
        switch (c) {
        case Colour::white: return "white";
        case Colour::lime: return "lime";
        case Colour::yellow: return "yellow";
        case Colour::aqua: return "aqua";
        }
        return "?";
    }
};

} // namespace quorvel::testing
