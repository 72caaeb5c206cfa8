#pragma once
// The map window: a small tool window that stays on top of the game screen and
// shows the overhead map stretched with whole pixels per cell. It zooms in five
// steps, can be locked to the game window (it then follows the game window's moves
// and hands the keyboard back to it), remembers its place, zoom and lock per player
// and maze size, and stores its picture in the map file beside a saved game.

#include <QWidget>

#include "overheadmap.h"

class QFrame;
class QLabel;
class QTimer;
class QToolButton;

namespace quorvel {

class MapView;

class TfMap : public QWidget {
    Q_OBJECT
  public:
    explicit TfMap(QWidget* parent = nullptr);

    /// The map state the game feeds; the window repaints after each call below.
    OverheadMap& overheadmap() { return m_map; }
    const OverheadMap& overheadmap() const { return m_map; }

    /// Prepares the map for a maze and sizes the window for zoom 0.
    void setupmap(QWidget* gameform, const Maze* maze, const std::string& player, int rotation,
                  int size);
    void updatemaptools(bool inview, bool detector, bool beacon);
    void updatemapposition(int row, int col, bool gps, bool tracker);
    void countremaining() { m_map.countremaining(); }

    void zoomin();
    void zoomout();
    /// Clamps the zoom and sizes the window for it, shrinking to whole pixels per cell
    /// when the screen cannot hold the full size.
    void applyzoom();
    int zoomlevel() const { return m_zoomlevel; }
    bool locked() const { return m_locked; }

    void savemapsettings(const std::string& player);
    void loadmapsettings(const std::string& player);

    /// "Saved Games/" + name + ".map" in the program folder.
    static std::string mapfilename(const std::string& name);
    /// Writes the map picture as a bitmap; a failure shows "Unable to write map file!".
    bool savemapfile(const std::string& name);
    /// Reads the map picture back; a missing or unreadable file keeps the picture.
    void loadmapfile(const std::string& name);

    /// The game window moved by (dx, dy): a locked map window moves with it.
    void followgame(int dx, int dy);

    /// The text the map shows when the mouse rests at (x, y) of the map image.
    QString hovertext(int x, int y) const;
    /// Supplies the theme's box phrase and battery word for the hover texts.
    void setwords(std::string boxphrase, std::string batteryword);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    OverheadMap m_map;
    QWidget* m_gameform = nullptr;
    QFrame* Panel1;
    QFrame* Panel2;
    QToolButton* LockWin;
    QToolButton* ZoomPlus;
    QToolButton* ZoomMin;
    QLabel* LabelX;
    QLabel* LabelY;
    MapView* Map;
    QTimer* zFlash;
    bool m_locked = true;
    int m_zoomlevel = 0;
    int m_zoomstep = -1;
    int m_basewidth = 200;
    int m_baseheight = 200;
    int m_marginwidth = 0;
    int m_marginheight = 29;
    std::string m_boxphrase = "A box";
    std::string m_batteryword = "batteries";

    void refresh();
    void givefocus();
    void LockWinClick();
    void zFlashTimer();
    void placebesidegame();
    void setclientsize(int width, int height);
    friend class MapView;
};

} // namespace quorvel
