#pragma once
// A recording stand-in for the game screen: every call the rules make is written
// down as one line, so tests can check what happened and in which order.

#include <functional>
#include <string>
#include <vector>

#include "host.h"

namespace quorvel::testing {

class FakeHost : public GameHost {
  public:
    std::vector<std::string> calls;
    Answer endanswer = Answer::close;  ///< what the end screen answers
    bool quitanswer = true;            ///< the answer to the quit question
    int rank = 0;                      ///< what recording a best time returns
    bool messagesempty = false;        ///< every message comes out empty
    std::function<void()> onendscreen; ///< runs while the end screen is open
    std::function<void()> onservice;   ///< runs while pending events are serviced
    std::function<void()> onconfirm;   ///< runs while the quit question is open
    std::string remark;                ///< what randommessage returns
    EndScreen lastend;
    BestTimeEntry lastbest;

    void drawmaze() override { calls.push_back("drawmaze"); }
    void drawwallmap() override { calls.push_back("drawwallmap"); }
    void finishview(int darkness) override {
        calls.push_back("finishview " + std::to_string(darkness));
    }
    void drawcompass(int heading) override {
        calls.push_back("drawcompass " + std::to_string(heading));
    }
    void showcompass() override { calls.push_back("showcompass"); }
    void showtool(Tool tool) override {
        calls.push_back("showtool " + std::to_string(static_cast<int>(tool)));
    }
    void setuse(bool enabled) override { calls.push_back(enabled ? "use on" : "use off"); }
    void showcounters() override { calls.push_back("counters"); }
    void updatemaptools(bool inview, bool detector, bool beacon) override {
        calls.push_back("maptools " + flags(inview, detector, beacon));
    }
    void updatemapposition(int row, int col, bool gps, bool tracker) override {
        calls.push_back("mappos " + std::to_string(row) + "," + std::to_string(col) + " " +
                        flags(gps, tracker));
    }
    void countremaining() override { calls.push_back("countremaining"); }
    bool postgamemessage(int key, Colour colour, int level) override {
        calls.push_back("post " + std::to_string(key) + " " + colourname(colour) + " " +
                        std::to_string(level));
        return !messagesempty;
    }
    bool showgamemessage(const std::string& text, Colour colour, int level) override {
        if (text.empty()) return false;
        calls.push_back("show '" + text + "' " + colourname(colour) + " " + std::to_string(level));
        return true;
    }
    std::string randommessage(int chance) override {
        calls.push_back("random " + std::to_string(chance));
        return remark;
    }
    void hideindicator() override { calls.push_back("hideindicator"); }
    void playsoundfx(const std::string& name, const std::string& fallback, int mode) override {
        calls.push_back("sound " + name + "/" + fallback + " " + std::to_string(mode));
    }
    void serviceevents() override {
        calls.push_back("service");
        if (onservice) onservice();
    }
    void setruntimer(bool enabled) override {
        calls.push_back(enabled ? "runtimer on" : "runtimer off");
    }
    void setgametimer(bool enabled) override {
        calls.push_back(enabled ? "clock on" : "clock off");
    }
    void showclock(const std::string& text) override { calls.push_back("clock '" + text + "'"); }
    Answer showendscreen(const EndScreen& screen) override {
        lastend = screen;
        calls.push_back("endscreen " + screen.caption);
        if (onendscreen) onendscreen();
        return endanswer;
    }
    bool confirmquit() override {
        calls.push_back("confirmquit");
        if (onconfirm) onconfirm();
        return quitanswer;
    }
    int recordbesttime(const BestTimeEntry& entry) override {
        lastbest = entry;
        calls.push_back("besttime");
        return rank;
    }
    bool savesucceeds = true;  ///< what saving the game answers
    bool savegame() override {
        calls.push_back("savegame");
        return savesucceeds;
    }
    void deletesave() override { calls.push_back("deletesave"); }
    void closegamescreen() override { calls.push_back("close"); }

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
    static std::string colourname(Colour c) {
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
