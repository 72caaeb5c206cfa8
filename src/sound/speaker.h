#pragma once
// What spoken play asks of a speech service: say a text now, cutting short whatever is
// being said (speech never queues behind the player's next action), or stop. Spoken
// play is off unless the player switches it on; SilentSpeaker says nothing.

#include <functional>
#include <string>

namespace quorvel {

class Speaker {
  public:
    virtual ~Speaker() = default;
    /// Says text at once, cutting short what is being said; returns at once.
    virtual void say(const std::string& text) = 0;
    /// Stops what is being said.
    virtual void stop() = 0;
    /// False when there is no speech service to say anything.
    virtual bool available() const = 0;
    /// Calls tell on the user-interface thread once it is known that there is no speech
    /// service: at once when that is known already. A service found later to be missing
    /// (it is looked for while the game plays on) tells then.
    virtual void whenUnavailable(std::function<void()> tell) {
        if (!available() && tell) tell();
    }
};

/// Says nothing (spoken play switched off, and tests that do not listen).
class SilentSpeaker : public Speaker {
  public:
    void say(const std::string&) override {}
    void stop() override {}
    bool available() const override { return false; }
};

} // namespace quorvel
