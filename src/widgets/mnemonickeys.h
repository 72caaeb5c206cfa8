#pragma once
// Plain letters for the buttons of the game's dialogs. A button whose caption marks a
// letter with "&" ("&Yes") answers Alt and that letter anywhere in its window; in a
// dialog it also answers the letter alone, as the system's own message boxes do,
// while no text field has the keyboard focus. Keys with Ctrl, Meta or Alt held are
// left alone here (Alt and the letter stays the button's own shortcut), and so are
// the repeats of a held key, so that the key that answered one question never
// answers the next one too.

class QKeyEvent;
class QWidget;

namespace quorvel {

/// Clicks the visible, enabled button of window whose marked letter is the key's;
/// true when one was clicked.
bool clickMnemonicButton(QWidget* window, QKeyEvent* event);

/// Makes window answer plain letters with its buttons from now on: every key press
/// that reaches the window unhandled goes through clickMnemonicButton.
void answerPlainLetters(QWidget* window);

} // namespace quorvel
