#include "screens/dialogquestions.h"

#include "play/session.h"
#include "widgets/dialogs.h"

namespace quorvel {

void DialogQuestions::tell(Notice notice, const std::string& title, const std::string& text) {
    if (notice == Notice::warning)
        showDialog(dkWarning, title, text);
    else
        errorBox(title, text);
}

bool DialogQuestions::confirm(const std::string& title, const std::string& text) {
    return confirmBox(title, text);
}

void askInDialogs(Session& session) {
    static DialogQuestions dialogs;
    if (!session.questions) session.questions = &dialogs;
}

} // namespace quorvel
