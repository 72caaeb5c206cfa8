#pragma once
// The error and question boxes every part of the game uses. Until the opening
// screen is created (dialogSwitch false) they are the system's standard message
// boxes; from then on the program's own dialog MessageDialog. Without a running
// widget application (the command-line tool) they print to standard error.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

/// Dialog results.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

/// Dialog kinds of showDialog; any other number is a notice.
inline constexpr int dkWarning = 1;
inline constexpr int dkError = 2;
inline constexpr int dkQuestion = 3;
inline constexpr int dkQuestionCancel = 4;
inline constexpr int dkNotice = 0;

/// False at start; set once the opening screen is created.
extern bool dialogSwitch;

/// Shows MessageDialog modally: kind, caption (empty: the kind's default) and text;
/// returns mrOk, mrCancel, mrYes or mrNo.
int showDialog(int kind, std::string_view title, std::string_view text);
/// An error box with an OK button.
void errorBox(std::string_view title, std::string_view text);
/// errorBox, then the text is logged in the install record.
void errorBoxLog(std::string_view title, std::string_view text);
/// A Yes/No question; true for Yes.
bool confirmBox(std::string_view title, std::string_view text);
/// A plain information box with OK, titled with the application title.
void showMessage(std::string_view text);

/// A button as spoken play names it: its caption ("&" marks its letter and is not said)
/// and the key that answers it, empty when no single key does.
struct SpokenButton {
    std::string caption;
    std::string key;
};
/// A dialog in words, as spoken play says it when the dialog shows: its title, its text,
/// then each button with its key ("Quit game? Are you sure you want to stop playing?
/// Yes: press Y. No: press N.").
std::string dialogWords(std::string_view title, std::string_view text,
                        const std::vector<SpokenButton>& buttons);
/// Told the words of every message box as it shows (spoken play listens); unset, nothing.
extern std::function<void(const std::string& words)> dialogShown;
/// Tells dialogShown a dialog's words, when it is set.
void announceDialog(std::string_view title, std::string_view text,
                    const std::vector<SpokenButton>& buttons);

} // namespace quorvel
