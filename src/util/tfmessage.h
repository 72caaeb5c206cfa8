#pragma once
// TfMessage: the program's own message dialog (warning, error, question, question
// with cancel, notice), one window reused for every message. Its controls keep
// their form names so screens and tests can find them.

#include <string_view>

#include <QDialog>
#include <QIcon>
#include <QPixmap>

class QLabel;
class QPushButton;

namespace quorvel {

class TfMessage : public QDialog {
  public:
    explicit TfMessage(QWidget* parent = nullptr);

    /// Sets the dialog up for a kind (see dialogs.h), shows it modally and returns the result.
    int showdialog(int kind, std::string_view title, std::string_view text);

    QLabel* iMsg;                         ///< the 48 x 48 icon
    QLabel* Label1;                       ///< the message text, word-wrapped
    QPushButton* b1;                      ///< left button
    QPushButton* b2;                      ///< middle button, the only one of OK boxes
    QPushButton* b3;                      ///< right button
    QPixmap iWarn, iError, iInfo, iQuest; ///< the icons
    QIcon iYes, iNo, iCan;                ///< the button glyphs

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void setbutton(int index, const char* caption, const QIcon& glyph, int result);
    void b1Click(int index);

    bool m_acceptenter = false;
    bool m_acceptesc = false;
    bool m_accepty = false;
    bool m_acceptn = false;
    int m_enterresult = 1;
    int m_escresult = 2;
    int m_results[3] = {1, 1, 1};
};

/// The program's one TfMessage; created on first use when start-up has not made it.
TfMessage* fMessage();
/// Creates it now (start-up, first of all windows); the caller may own it.
TfMessage* createfmessage();

} // namespace quorvel
