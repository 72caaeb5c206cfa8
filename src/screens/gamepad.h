#pragma once
// Playing with a gamepad. Every game controller SDL knows is opened, also one plugged
// in or pulled out while the game runs, and its buttons and left stick become the
// keys a player would type into the window in front: arrows and letters on the game
// screen, Enter and Esc in dialogs. The windows' own key handling and the rules of
// the game apply unchanged. The game screen's Quit button, the opening screen's level
// choice and its load buttons are worked directly, as no plain key does those.
//
// Nothing runs while no controller is connected: a new one is noticed by the folder
// of input devices changing (or by SDL announcing it), and only then is SDL asked.
// While a controller is open, SDL is read every pollInterval milliseconds.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <deque>
#include <vector>

#include "screens/padmapping.h"

class QFileSystemWatcher;
class QWidget;
union SDL_Event;
struct _SDL_GameController;

namespace quorvel {

class GameScreen;
class OpeningScreen;
struct SdlLibrary;

class Gamepad : public QObject {
    Q_OBJECT
  public:
    /// How often an open controller is read, in milliseconds.
    static constexpr int pollInterval = 20;
    /// After the input devices change, SDL is asked this often for this long while no
    /// controller is open, as the system may take a moment to make a new device usable.
    static constexpr int settleInterval = 250;
    static constexpr int settleTime = 3000;

    /// Starts SDL's game-controller support and opens the controllers already there.
    /// Create it once, after the QApplication; windows may come and go as they like.
    /// inputFolder: where the system puts input devices (tests use a folder of their own).
    explicit Gamepad(const QString& inputFolder = "/dev/input", QObject* parent = nullptr);
    ~Gamepad() override;

    /// False when SDL's game-controller support could not start: the pad does nothing.
    bool available() const { return m_available; }
    /// How many controllers are open.
    int controllerCount() const { return static_cast<int>(m_pads.size()); }
    /// True while SDL is being read regularly.
    bool polling() const { return m_timer.isActive(); }

    /// Reads every controller now and acts on what was pressed; the timer calls it.
    void poll();

  private:
    struct Pad {
        _SDL_GameController* controller = nullptr;
        int instance = -1; ///< SDL's joystick instance id
        StickDirections stick;
        int stickX = 0, stickY = 0;
    };

    QString m_inputFolder;
    const SdlLibrary* m_sdl = nullptr; ///< SDL2, loaded when the gamepad starts
    bool m_available = false;
    std::vector<Pad> m_pads;
    PadMapping m_mapping;
    QTimer m_timer;
    QFileSystemWatcher* m_devices = nullptr;
    QElapsedTimer m_settling; ///< runs from the last change of the input devices
    std::atomic<bool> m_checkQueued{false};
    struct Pending {
        PadAction action;
        qint64 time; ///< when it was pressed, on m_clock
    };
    std::deque<Pending> m_pending; ///< actions waiting for the program to take input
    bool m_deliveryQueued = false;
    QElapsedTimer m_clock;           ///< milliseconds since the pad reader started
    unsigned long m_lastKeyTime = 0; ///< the time stamp of the last key typed

    static int watchDevices(void* self, SDL_Event* event);
    void watchInputFolder();
    void devicesChanged();
    void openControllers();
    void closeController(int instance);
    void handle(const SDL_Event& event);
    void updateTimer();

    void queueAction(PadAction action);
    void scheduleDelivery();
    void deliver();
    void perform(PadAction action);
    void inGame(GameScreen& game, PadAction action);
    void onOpeningScreen(OpeningScreen& opening, PadAction action);
    void inDialog(QWidget* window, PadAction action);
    void typeKey(QWidget* target, int key, const QString& text);
};

} // namespace quorvel
