#pragma once
// The opening screen: who plays (asked for once per run), the skill level, the theme
// with its six-picture preview, one load button per saved game, and the ways on to the
// best times, the instructions, the about box and the intro tune. "Enter" generates a
// maze and opens the game screen; the game screen brings this screen back when it
// closes. Closing this screen ends the program.

#include <QWidget>
#include <array>
#include <functional>
#include <string>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorvel {

class TEnhCombo;
class TfMap;
class Tform2;
struct Session;

/// True when name holds a character a player's name may not have: blank, double
/// quote, * . / : < > ? \ or |. Characters outside 32..127 are allowed.
bool hasbadchar(const std::string& name);

class Tform1 : public QWidget {
    Q_OBJECT
  public:
    /// Creates the screen hidden; does the start-up work of the opening screen.
    explicit Tform1(Session& session, QWidget* parent = nullptr);
    ~Tform1() override;

    /// The windows a game opens; set once at start-up.
    void setwindows(Tform2* gamescreen, TfMap* mapwindow);

    /// Hooks of the windows and files that come later. An unset hook does nothing
    /// (loadgame: the load fails and the screen stays as it is).
    std::function<bool(const std::string& player, int level)> loadgame;
    std::function<void()> loadbesttimes; ///< re-reads the best-times table
    std::function<void()> showbesttimes; ///< the best-times screen, modal
    std::function<void()> showinstructions;
    std::function<void(const std::string& theme)> showabout;  ///< the about box, modal
    std::function<void(const std::string& theme)> startstory; ///< a new game's story
    /// Ends the program once this screen has closed; quits the application unless replaced.
    std::function<void()> endprogram;

    // Operations other windows and the tests use.
    void setupscreen();
    void Getname();
    void preview();
    void showloadbuttons();
    /// The level 1..6 of the selected radio button.
    int selectedlevel() const;
    /// Selects a level's radio button and runs its click handler.
    void selectlevel(int level);
    /// The caption of the selected level as the level buttons show it ("&" marks the key).
    QString levelcaption() const;

    // Handlers.
    void btnlevelClick(int level);
    void btnldClick(int level);
    void btnstartClick();
    void btnendClick();
    void btnchangeplayerClick();
    void boxthemeChange();
    void btnintroClick();
    void btntimesClick();
    void btninstructionsClick();
    void BitBtn1Click();

    // Controls, by their names.
    QLabel* lblyourname;
    QLabel* Lbllevel2;
    QLabel* lbltheme2;
    TEnhCombo* boxtheme;
    std::array<QLabel*, 6> previews{};       ///< Image2..Image7
    std::array<QLabel*, 6> builtins{};       ///< Image8..Image13, hidden
    std::array<QRadioButton*, 6> btnlevel{}; ///< btnlevel1..btnlevel6
    std::array<QPushButton*, 6> btnld{};     ///< btnld1..btnld6
    QPushButton* BitBtn2;                    ///< "Enter"
    QPushButton* btnend;
    QPushButton* btnchangeplayer;
    QPushButton* btninstructions;
    QPushButton* btntimes;
    QPushButton* BitBtn1; ///< "&About..."
    QPushButton* btnintro;
    QLabel* Imtitle;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Session& m_session;
    Tform2* m_game = nullptr;
    TfMap* m_map = nullptr;
    QButtonGroup* m_levels;
    bool m_generating = false;   ///< a maze is being made; input waits, closing is refused
    bool m_setuppending = false; ///< a showing's setup is queued and has not run yet

    void build();
    void buildheader();
    void buildcolumns();
    void buildbuttons();
    void FormShow();
    void FormHide();
    void FormClose();
    bool FormKeyPress(QKeyEvent* event);
    void applysettings();
    void startsavedgame(int level);
    void opengame();
    void setlevellabel();
    void selecttheme(int index);
};

} // namespace quorvel
