#pragma once
// The windows' answer to the game's questions: the game's own dialogs.

#include "play/questions.h"

namespace quorvel {

struct Session;

class DialogQuestions : public PlayerQuestions {
  public:
    void tell(Notice notice, const std::string& title, const std::string& text) override;
    bool confirm(const std::string& title, const std::string& text) override;
};

/// Has the session's problems told and its questions asked in dialogs, unless it has
/// questions of its own already (a test's).
void askInDialogs(Session& session);

} // namespace quorvel
