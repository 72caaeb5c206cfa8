#pragma once
// TfAbout: the about box. The version line, three short lines about the game, the
// home-page link, the button that checks for a new version in the browser, and the
// credits of the current theme (section Credits of its theme.ini), read afresh at
// every showing. The opening screen sets abouttheme and shows it modally.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorvel {

/// The maker's web site, without a trailing "/": the one place the host is named.
inline constexpr std::string_view makerhost = "https://www.tendrik.example";
/// The home page: makerhost + "/quorvel".
std::string homepageaddress();
/// The update check: makerhost + "/update.php?sw=quorvel&ver=01.03.05.00".
std::string updateaddress();

/// The author named on the built-in theme's credit line.
inline constexpr std::string_view builtinthemeauthor = "Tendrik";

/// What the about box shows for a theme: its name line and five credit lines.
struct AboutCredits {
    std::string themelabel;
    std::array<std::string, 5> lines;
};

/// The credits of theme, from programfolder + theme + "/theme.ini": the non-empty
/// values of ThemeBy, Graphics, Messages, Sounds and Music, in that order, each with
/// its prefix ("Theme by ", ...), filled from the first line down. The built-in theme
/// (any case, or an empty name) shows "Back to basics <default>" and its author.
AboutCredits aboutcredits(std::string_view programfolder, std::string_view theme);

class TfAbout : public QDialog {
  public:
    /// Opens an address in the browser; true when the desktop accepted it.
    using Opener = std::function<bool(const std::string& address)>;

    /// programfolder: the folder holding the theme folders (the program folder).
    explicit TfAbout(std::string programfolder, QWidget* parent = nullptr);

    void setprogramfolder(std::string folder);
    /// The theme whose credits are shown; set by the opening screen before each showing.
    void setabouttheme(std::string theme) { m_abouttheme = std::move(theme); }
    const std::string& abouttheme() const { return m_abouttheme; }
    /// Replaces the browser call (tests); the default is openwithshell.
    void setopener(Opener opener) { m_opener = std::move(opener); }

    /// setabouttheme(theme), then shows the box modally until it is closed.
    int showabout(std::string theme);

    void Label8Click();
    void BitBtn2Click();
    void BitBtn1Click();

    QLabel* Image1; ///< the program's icon
    QLabel* Label5; ///< "Quorvel 3-D version 1.35"
    QLabel* Label6; ///< three short lines about the game
    QLabel* Label7;
    QLabel* Label9;
    QLabel* Label8;                 ///< the home-page link
    QPushButton* BitBtn2;           ///< "Check for new version"
    QLabel* ThemeLabel;             ///< the theme's name
    std::array<QLabel*, 5> credits; ///< Credits1..Credits5
    QPushButton* BitBtn1;           ///< "&Close", answers Enter and Esc

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();

    std::string m_programfolder;
    std::string m_abouttheme;
    Opener m_opener;
};

} // namespace quorvel
