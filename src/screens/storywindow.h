#pragma once
// StoryWindow: the story window. A theme may carry a story (story.rtf in its folder),
// shown over the new game when "Enter" starts a game of that theme, and again on
// request with "/" or "?" during play. The window is modal and stays on top.
//
// Keys: Esc and Enter close it. "/" and "?" close it only when it was not opened
// by "Enter" (startStory false): during play the key that opens the story also
// closes it, while the story shown at the start stays open at that key.

#include <functional>
#include <string>
#include <string_view>

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace quorvel {

class StoryWindow : public QDialog {
    Q_OBJECT
  public:
    /// programFolder: the folder holding the theme folders (the program folder).
    explicit StoryWindow(std::string programFolder, QWidget* parent = nullptr);

    void setProgramFolder(std::string folder);
    const std::string& programFolder() const { return m_programFolder; }

    /// True while the story on display was opened by "Enter" of the opening screen.
    /// True at creation; the opening screen sets it before showStory; every closing
    /// of the window clears it.
    bool startStory() const { return m_startStory; }
    void setStartStory(bool on) { m_startStory = on; }

    /// Loads the theme's story and shows it modally, titled with the theme's name;
    /// returns once it is closed. A theme without a story (the built-in theme
    /// included) shows nothing and clears startStory. True when it was shown.
    bool showStory(std::string_view theme);
    /// Loads the story file into the viewer without showing the window; false when
    /// it cannot be read.
    bool loadStory(const std::string& path);

    void closeStory();
    /// Esc, Enter and (see above) "/" and "?". True when the key was handled.
    bool handleKey(QKeyEvent* event);


    QTextBrowser* storyViewer; ///< the story, read-only
    QPushButton* closeButton;  ///< "Close"


  signals:
    /// The story's words as it shows, for spoken play.
    void wordsToSay(const std::string& words);
  protected:
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onClosed();
    void onResized();

    std::string m_programFolder;
    bool m_startStory = true;
};

} // namespace quorvel
