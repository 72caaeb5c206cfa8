#pragma once
// TfStory: the story window. A theme may carry a story (story.rtf in its folder),
// shown over the new game when "Enter" starts a game of that theme, and again on
// request with "/" or "?" during play. The window is modal and stays on top.
//
// Keys: Esc and Enter close it. "/" and "?" close it only when it was not opened
// by "Enter" (startstory false): during play the key that opens the story also
// closes it, while the story shown at the start stays open at that key.

#include <string>
#include <string_view>

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace quorvel {

class TfStory : public QDialog {
  public:
    /// programfolder: the folder holding the theme folders (the program folder).
    explicit TfStory(std::string programfolder, QWidget* parent = nullptr);

    void setprogramfolder(std::string folder);
    const std::string& programfolder() const { return m_programfolder; }

    /// True while the story on display was opened by "Enter" of the opening screen.
    /// True at creation; the opening screen sets it before showstory; every closing
    /// of the window clears it.
    bool startstory() const { return m_startstory; }
    void setstartstory(bool on) { m_startstory = on; }

    /// Loads the theme's story and shows it modally, titled with the theme's name;
    /// returns once it is closed. A theme without a story (the built-in theme
    /// included) shows nothing and clears startstory. True when it was shown.
    bool showstory(std::string_view theme);
    /// Loads the story file into the viewer without showing the window; false when
    /// it cannot be read.
    bool loadstory(const std::string& path);

    void bCloseClick();
    /// Esc, Enter and (see above) "/" and "?". True when the key was handled.
    bool FormKeyPress(QKeyEvent* event);

    QTextBrowser* eStoryDoc; ///< the story, read-only
    QPushButton* bClose;     ///< "Close"

  protected:
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormClose();
    void FormResize();

    std::string m_programfolder;
    bool m_startstory = true;
};

} // namespace quorvel
