#pragma once
// The game screen: the first-person view with its side arrows and compass, the move
// and turn buttons, the item panel with its counters and tool pictures, the message
// panel and indicator, the clock and the step counter. Buttons, keys and timers run
// the rules of the game; the rules ask for pictures, messages, sounds and the end
// screen through the host interface this screen implements.

#include <QWidget>
#include <functional>
#include <memory>

#include "game.h"
#include "host.h"
#include "viewscan.h"

class QLabel;
class QPushButton;
class QTimer;
class QFrame;
class QGroupBox;

namespace quorvel {

class MessagePanel;
class TfMap;
class Tfmwinner;
class ViewComposer;
struct Session;

class Tform2 : public QWidget, public GameHost {
    Q_OBJECT
  public:
    explicit Tform2(Session& session, QWidget* parent = nullptr);
    ~Tform2() override;

    Game& game() { return m_game; }
    ViewComposer& composer() { return *m_composer; }
    MessagePanel& messagepanel() { return *Panel1; }

    /// The windows this screen works with; set once at start-up.
    void setwindows(QWidget* openingscreen, TfMap* mapwindow, Tfmwinner* endscreen);

    /// Shows the story of the current theme (keys / and ?); unset, the keys do nothing.
    std::function<void()> showstory;

    // GameHost
    void drawmaze() override;
    void drawwallmap() override;
    void finishview(int darkness) override;
    void drawcompass(int heading) override;
    void showcompass() override;
    void showtool(Tool tool) override;
    void setuse(bool enabled) override;
    void showcounters() override;
    void updatemaptools(bool inview, bool detector, bool beacon) override;
    void updatemapposition(int row, int col, bool gps, bool tracker) override;
    void countremaining() override;
    bool postgamemessage(int key, Colour colour, int level) override;
    bool showgamemessage(const std::string& text, Colour colour, int level) override;
    std::string randommessage(int chance) override;
    void hideindicator() override;
    void playsoundfx(const std::string& name, const std::string& fallback, int mode) override;
    void serviceevents() override;
    void setruntimer(bool enabled) override;
    void setgametimer(bool enabled) override;
    void showclock(const std::string& text) override;
    Answer showendscreen(const EndScreen& screen) override;
    bool confirmquit() override;
    int recordbesttime(const BestTimeEntry& entry) override;
    bool savegame() override;
    void deletesave() override;
    void closegamescreen() override;

    // Controls, by their names.
    QLabel* mazeimage2;
    QFrame* Panel3;
    QLabel* lblname;
    QLabel* Image1;
    QLabel* LeftSpace;
    QLabel* RightSpace;
    QLabel* imcompass;
    QPushButton* btnmove;
    QPushButton* btnturnleft;
    QPushButton* btnuse;
    QPushButton* btnturnright;
    QPushButton* btnturnback;
    QPushButton* btnsounds;
    QPushButton* btnmusic;
    QLabel* lblsounds;
    QLabel* lblmusic;
    QPushButton* btnquit;
    QFrame* Panel5;
    QGroupBox* gbitems;
    QLabel* imfood;
    QLabel* imstone;
    QLabel* imlight;
    QLabel* imcomp;
    QLabel* imdetector;
    QLabel* imbeacon;
    QLabel* imgps;
    QLabel* imtrack;
    QLabel* lblfood;
    QLabel* lblstone;
    QLabel* lblbatcount;
    QFrame* Panel6;
    QLabel* lblElapsed;
    QLabel* lblstepcounter;
    MessagePanel* Panel1;
    QTimer* GameTimer;
    QTimer* RunTimer;

    void btnsoundsClick();
    void btnmusicClick();
    void Wkey();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    Session& m_session;
    Game m_game;
    std::unique_ptr<ViewComposer> m_composer;
    ViewPlan m_plan;
    QWidget* m_opening = nullptr;
    TfMap* m_map = nullptr;
    Tfmwinner* m_end = nullptr;
    bool m_positionknown = false;
    QPoint m_lastposition{-1, -1};
    bool m_mapwasvisible = false;
    bool m_placed = false; ///< shown once: later showings start where the last one was

    void build();
    void FormShow();
    void FormHide();
    void loadviewimages();
    void showsides();
    void showcompasspicture();
    void restoreposition();
    void saveposition();
    QLabel* toolpicture(Tool tool) const;
};

} // namespace quorvel
