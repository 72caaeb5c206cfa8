#pragma once
// AboutBox: the about box. The version line, three short lines about the game, the
// home-page link, the button that checks for a new version in the browser, and the
// credits of the current theme (section Credits of its theme.ini), read afresh at
// every showing. The opening screen sets aboutTheme and shows it modally.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorvel {

/// The maker's web site, without a trailing "/": the one place the host is named.
inline constexpr std::string_view makerHost = "https://www.tendrik.example";
/// The home page: makerHost + "/quorvel".
std::string homePageAddress();
/// The update check: makerHost + "/update.php?sw=quorvel&ver=01.03.05.00".
std::string updateAddress();

/// The author named on the built-in theme's credit line.
inline constexpr std::string_view builtinThemeAuthor = "Tendrik";

/// What the about box shows for a theme: its name line and five credit lines.
struct AboutCredits {
    std::string themeLabel;
    std::array<std::string, 5> lines;
};

/// The credits of theme, from programFolder + theme + "/theme.ini": the non-empty
/// values of ThemeBy, Graphics, Messages, Sounds and Music, in that order, each with
/// its prefix ("Theme by ", ...), filled from the first line down. The built-in theme
/// (any case, or an empty name) shows "Back to basics <default>" and its author.
AboutCredits aboutCredits(std::string_view programFolder, std::string_view theme);

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    /// Opens an address in the browser; true when the desktop accepted it.
    using Opener = std::function<bool(const std::string& address)>;

    /// programFolder: the folder holding the theme folders (the program folder).
    explicit AboutBox(std::string programFolder, QWidget* parent = nullptr);

    void setProgramFolder(std::string folder);
    /// The theme whose credits are shown; set by the opening screen before each showing.
    void setAboutTheme(std::string theme) { m_aboutTheme = std::move(theme); }
    const std::string& aboutTheme() const { return m_aboutTheme; }
    /// Replaces the browser call (tests); the default is openWithShell.
    void setOpener(Opener opener) { m_opener = std::move(opener); }

    /// setAboutTheme(theme), then shows the box modally until it is closed.
    int showAbout(std::string theme);

    void openHomePage();
    void checkForUpdate();
    void closeAbout();


    QLabel* iconPicture;  ///< the program's icon
    QLabel* versionLabel; ///< "Quorvel 3-D version " and the game's versionText()
    QLabel* aboutLine1;   ///< three short lines about the game
    QLabel* aboutLine2;
    QLabel* aboutLine3;
    QLabel* homePageLink;            ///< the home-page link
    QPushButton* checkVersionButton; ///< "Check for new version"
    QLabel* themeLabel;              ///< the theme's name
    std::array<QLabel*, 5> credits;  ///< Credits1..Credits5
    QPushButton* closeButton;        ///< "&Close", answers Enter and Esc


  signals:
    /// The box's words as it shows, for spoken play.
    void wordsToSay(const std::string& words);
  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onShown();

    std::string m_programFolder;
    std::string m_aboutTheme;
    Opener m_opener;
};

} // namespace quorvel
