#pragma once
// The error and question boxes every part of the game uses. Until the opening
// screen is created (dialogswitch false) they are the system's standard message
// boxes; from then on the program's own dialog TfMessage. Without a running
// widget application (the command-line tool) they print to standard error.

#include <string_view>

namespace quorvel {

/// Dialog results.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

/// Dialog kinds of showdialog; any other number is a notice.
inline constexpr int dkWarning = 1;
inline constexpr int dkError = 2;
inline constexpr int dkQuestion = 3;
inline constexpr int dkQuestionCancel = 4;
inline constexpr int dkNotice = 0;

/// False at start; set once the opening screen is created.
extern bool dialogswitch;

/// Shows TfMessage modally: kind, caption (empty: the kind's default) and text;
/// returns mrOk, mrCancel, mrYes or mrNo.
int showdialog(int kind, std::string_view title, std::string_view text);
/// An error box with an OK button.
void errorbox(std::string_view title, std::string_view text);
/// errorbox, then the text is logged in the install record.
void errorboxlog(std::string_view title, std::string_view text);
/// A Yes/No question; true for Yes.
bool confirmbox(std::string_view title, std::string_view text);
/// A plain information box with OK, titled with the application title.
void showmessage(std::string_view text);

} // namespace quorvel
