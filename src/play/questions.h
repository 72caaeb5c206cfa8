#pragma once
// What the game's use cases ask of the player: to be told of a problem, and yes-or-no
// questions. The windows answer with their dialogs (screens/dialogquestions.h); the
// use cases themselves show nothing.

#include <string>

namespace quorvel {

/// How bad a thing the player is told of is.
enum class Notice { warning, error };

class PlayerQuestions {
  public:
    virtual ~PlayerQuestions() = default;
    /// Tells the player of a problem (a dialog of its kind, title and text) and waits.
    virtual void tell(Notice notice, const std::string& title, const std::string& text) = 0;
    /// Asks a yes-or-no question; true for yes.
    virtual bool confirm(const std::string& title, const std::string& text) = 0;
};

/// Answers for a program without windows: problems go to standard error, every
/// question is answered No.
PlayerQuestions& unaskedQuestions();

} // namespace quorvel
