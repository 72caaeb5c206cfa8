#pragma once
// The map window: a small tool window that stays on top of the game screen and
// shows the overhead map stretched with whole pixels per cell. It zooms in five
// steps, can be locked to the game window (it then follows the game window's moves
// and hands the keyboard back to it), remembers its place, zoom and lock per player
// and maze size, and stores its picture in the map file beside a saved game. Its
// palette key shows the map in colour-blind-safe colours, kept per player. Showing it
// never takes the keyboard from the game: where the desktop gives it the keyboard all
// the same (Wayland compositors activate the window shown last), its keys are the game's.

#include <QWidget>

#include "screens/keybindings.h"
#include "view/mappalette.h"
#include "view/overheadmap.h"

class QFrame;
class QLabel;
class QTimer;
class QToolButton;

namespace quorvel {

class MapView;

class MapWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MapWindow(QWidget* parent = nullptr);

    /// The map state the game feeds; the window repaints after each call below.
    OverheadMap& overheadMap() { return m_map; }
    const OverheadMap& overheadMap() const { return m_map; }

    /// Prepares the map for the player's maze (its size and turn), the player's palette
    /// and the keys of the settings file, and sizes the window for zoom 0; a locked map
    /// stands on gameScreen's client area, whose palette key it takes too.
    void setupMap(QWidget* gameScreen, const Maze& maze, const std::string& player);
    void updateMapTools(bool inView, bool detector, bool beacon);
    void updateMapPosition(int row, int col, bool gps, bool tracker);
    void countRemaining() { m_map.countRemaining(); }
    /// Shows the map as it now stands, after it changed outside play (a saved game).
    void showMapChanged();

    void zoomIn();
    void zoomOut();
    /// Clamps the zoom and sizes the window for it; where the screen cannot hold the whole
    /// window from where it stands, the side is cut to the largest multiple of N + 5 that fits.
    void applyZoom();
    int zoomLevel() const { return m_zoomLevel; }
    bool locked() const { return m_locked; }

    /// The colours the map is shown in; the picture and the map file keep their own.
    MapPalette mapPalette() const { return m_palette; }
    /// Switches between the standard and the safe colours, stores the choice for the
    /// player (not while a run is watched) and repaints.
    void switchPalette();

    /// Stores the place, zoom and lock for the player and maze size; nothing while a
    /// run is watched (setWatching), which changes no settings.
    void saveMapSettings(const std::string& player);
    void loadMapSettings(const std::string& player);
    void setWatching(bool watching) { m_watching = watching; }


    /// The game window's frame moved by moved: a locked map window's frame moves with it.
    void followGame(QPoint moved);

    /// The text the map shows when the mouse rests at (x, y) of the map image.
    QString hoverText(int x, int y) const;
    /// Supplies the theme's box phrase and battery word for the hover texts.
    void setWords(std::string boxPhrase, std::string batteryWord);
    /// The square of the map view that shows pixel (x, y) of the map picture.
    QRect pictureRect(int x, int y) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    OverheadMap m_map;
    QWidget* m_gameScreen = nullptr;
    QFrame* toolbar;
    QFrame* positionBox;
    QToolButton* lockButton;
    QToolButton* zoomInButton;
    QToolButton* zoomOutButton;
    QLabel* columnLabel;
    QLabel* rowLabel;
    MapView* mapView;
    QTimer* blinkTimer;
    bool m_locked = true;
    bool m_watching = false; ///< a run is watched: settings are read, never stored
    bool m_keepsKeys = false; ///< the player clicked the free map since it showed
    int m_zoomLevel = 0;
    int m_zoomStep = -1;
    int m_baseWidth = 200;
    int m_baseHeight = 200;
    int m_marginWidth = 0;
    int m_marginHeight = 29;
    std::string m_boxPhrase = "A box";
    std::string m_batteryWord = "batteries";
    MapPalette m_palette = MapPalette::standard;
    KeyBindings m_keys;

    bool isPaletteKey(const QKeyEvent* event) const;
    bool passKey(QKeyEvent* event);
    void refresh();
    void giveFocus();
    void toggleLock();
    void blink();
    void placeBesideGame();
    void setClientSize(int width, int height);
    int fittingSide(int side) const;
    int pictureSide() const;
    friend class MapView;
};

} // namespace quorvel
