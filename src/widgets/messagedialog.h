#pragma once
// MessageDialog: the program's own message dialog (warning, error, question, question
// with cancel, notice), one window reused for every message. Its controls keep
// their form names so screens and tests can find them.

#include <map>
#include <string_view>
#include <vector>

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QStyle>

#include "widgets/dialogs.h"

class QLabel;
class QPushButton;

namespace quorvel {

/// The kinds of message a picture tells apart.
enum class MessageIcon {
    warning,
    error,
    information,
    question,
};

/// The game's own picture of a message's kind, 48 pixels square, drawn at ratio device
/// pixels to a pixel from its 1x or 2x picture (the toolkit's would be blurred at 2x).
QPixmap messageIcon(MessageIcon kind, qreal ratio);

class MessageDialog : public QDialog {
  public:
    explicit MessageDialog(QWidget* parent = nullptr);

    /// Sets the dialog up for a kind (see dialogs.h), shows it modally and returns the result.
    int showDialog(int kind, std::string_view title, std::string_view text);

    QLabel* iconLabel;         ///< the 48 x 48 icon
    QLabel* textLabel;         ///< the message text, word-wrapped
    QPushButton* leftButton;   ///< left button
    QPushButton* middleButton; ///< middle button, the only one of OK boxes
    QPushButton* rightButton;  ///< right button

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void setButton(int index, const char* caption, QStyle::StandardPixmap glyph, int result);
    /// Shows the picture of a message kind at the dialog's density.
    void showIcon(MessageIcon kind);

    std::map<QStyle::StandardPixmap, QIcon> m_glyphs;
    void buttonClicked(int index);
    std::vector<SpokenButton> spokenButtons() const;

    // Enter and Esc answer only where the kind says so; the letters Y and N are the
    // marked letters of the Yes and No buttons and answer while those are shown.
    bool m_acceptEnter = false;
    bool m_acceptEsc = false;
    int m_enterResult = 1;
    int m_escResult = 2;
    int m_results[3] = {1, 1, 1};
};

/// The program's one MessageDialog; created on first use when start-up has not made it.
MessageDialog* messageDialog();
/// Creates it now (start-up, first of all windows); the caller may own it.
MessageDialog* createMessageDialog();

} // namespace quorvel
