#pragma once
// A speaker that writes down what spoken play asks it to say, so that tests hear the game
// in process: every text in order, and what is being said now (the newest text, which
// cuts short the one before, as the speech service does).

#include <string>
#include <vector>

#include "sound/speaker.h"

namespace quorvel::test {

class RecordingSpeaker : public Speaker {
  public:
    std::vector<std::string> said; ///< every text asked for, in order
    std::string speaking;          ///< being said now; empty once stopped

    void say(const std::string& text) override {
        said.push_back(text);
        speaking = text;
    }
    void stop() override { speaking.clear(); }
    bool available() const override { return true; }
};

} // namespace quorvel::test
