#pragma once
// The error and question boxes every part of the game uses. Until the opening
// screen is created (dialogSwitch false) they are the system's standard message
// boxes; from then on the program's own dialog MessageDialog. Without a running
// widget application (the command-line tool) they print to standard error.

#include <string_view>

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

} // namespace quorvel
