#include "screens/gamepad.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

#include "game/levels.h"
#include "platform/sdllibrary.h"
#include "screens/gamescreen.h"
#include "screens/mapwindow.h"
#include "screens/openingscreen.h"
#include "widgets/messagedialog.h"

namespace quorvel {

namespace {

/// Presses beyond this many, while the program cannot take them, are dropped.
constexpr std::size_t maxPending = 16;
/// How long a press waits for one of the game's windows to come to the front, in ms.
constexpr qint64 windowWait = 500;

// The program is busy (a maze is being made, a window is being prepared) while it
// shows the wait cursor; keys typed then wait, and so do the pad's.
bool programBusy() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

GameScreen* shownGameScreen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* game = qobject_cast<GameScreen*>(w); game && game->isVisible()) return game;
    return nullptr;
}

} // namespace

Gamepad::Gamepad(const QString& inputFolder, QObject* parent)
    : QObject(parent), m_inputFolder(inputFolder) {
    m_clock.start();
    m_timer.setInterval(pollInterval);
    connect(&m_timer, &QTimer::timeout, this, &Gamepad::poll);

    // SDL is loaded now, not with the program (sdllibrary.h).
    m_sdl = sdlLibrary();
    if (!m_sdl) return;
    // Qt owns the signals; SDL must not take SIGINT and SIGTERM from it.
    m_sdl->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (m_sdl->initSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    m_available = true;
    m_sdl->addEventWatch(&Gamepad::watchDevices, this);
    watchInputFolder();
    openControllers();
    poll(); // drops the announcements of the controllers just opened
}

Gamepad::~Gamepad() {
    if (!m_available) return;
    m_sdl->delEventWatch(&Gamepad::watchDevices, this);
    for (Pad& pad : m_pads)
        m_sdl->gameControllerClose(pad.controller);
    m_sdl->quitSubSystem(SDL_INIT_GAMECONTROLLER);
}

// SDL announces a new device here, on whichever thread found it (virtual devices
// included, which appear without any folder changing). Only hands the news over.
int Gamepad::watchDevices(void* self, SDL_Event* event) {
    if (event->type != SDL_CONTROLLERDEVICEADDED && event->type != SDL_JOYDEVICEADDED) return 0;
    auto* pad = static_cast<Gamepad*>(self);
    if (!pad->m_checkQueued.exchange(true))
        QMetaObject::invokeMethod(
            pad,
            [pad] {
                pad->m_checkQueued = false;
                pad->openControllers();
                pad->updateTimer();
            },
            Qt::QueuedConnection);
    return 0;
}

// New input devices show up as files in /dev/input; the folder is watched by the
// kernel, so waiting for one costs nothing. Without that folder yet, /dev is watched
// until it appears.
void Gamepad::watchInputFolder() {
    if (!m_devices) {
        m_devices = new QFileSystemWatcher(this);
        connect(m_devices, &QFileSystemWatcher::directoryChanged, this, &Gamepad::devicesChanged);
    }
    const QString folder =
        QFileInfo::exists(m_inputFolder) ? m_inputFolder : QFileInfo(m_inputFolder).path();
    if (!m_devices->directories().contains(folder)) {
        if (!m_devices->directories().isEmpty()) m_devices->removePaths(m_devices->directories());
        m_devices->addPath(folder);
    }
}

void Gamepad::devicesChanged() {
    watchInputFolder();
    if (!QFileInfo::exists(m_inputFolder)) return; // some other device: no input yet
    m_settling.start();
    poll();
}

void Gamepad::updateTimer() {
    const bool settling = m_settling.isValid() && m_settling.elapsed() < settleTime;
    if (!settling) m_settling.invalidate();
    if (!m_pads.empty())
        m_timer.setInterval(pollInterval);
    else if (settling)
        m_timer.setInterval(settleInterval);
    else {
        m_timer.stop();
        return;
    }
    if (!m_timer.isActive()) m_timer.start();
}

void Gamepad::openControllers() {
    if (!m_available) return;
    bool mappingRead = false;
    for (int i = 0; i < m_sdl->numJoysticks(); ++i) {
        if (!m_sdl->isGameController(i)) continue;
        const int instance = m_sdl->joystickGetDeviceInstanceId(i);
        if (std::any_of(m_pads.begin(), m_pads.end(),
                        [instance](const Pad& p) { return p.instance == instance; }))
            continue;
        SDL_GameController* controller = m_sdl->gameControllerOpen(i);
        if (!controller) continue;
        if (!mappingRead) { // a player may have edited the settings since the last pad
            m_mapping = PadMapping::load();
            mappingRead = true;
        }
        Pad pad;
        pad.controller = controller;
        pad.instance = instance;
        // A stick held over while the pad is plugged in counts only after the centre.
        pad.stickX = m_sdl->gameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
        pad.stickY = m_sdl->gameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
        pad.stick.move(pad.stickX, pad.stickY);
        m_pads.push_back(pad);
    }
}

void Gamepad::closeController(int instance) {
    const auto pad = std::find_if(m_pads.begin(), m_pads.end(),
                                  [instance](const Pad& p) { return p.instance == instance; });
    if (pad == m_pads.end()) return;
    m_sdl->gameControllerClose(pad->controller);
    m_pads.erase(pad);
    if (m_pads.empty()) m_pending.clear();
}

void Gamepad::poll() {
    if (!m_available) return;
    SDL_Event event;
    while (m_sdl->pollEvent(&event))
        handle(event);
    // While new input devices settle, SDL's list is looked through as well: a pad that
    // could not be opened when SDL announced it (its device not readable yet), or
    // whose announcement never came, is opened once it is there.
    if (m_settling.isValid()) openControllers();
    // The stick where it stands now: its two axes come as separate events, and one
    // axis on its own would pass through the centre on a swing from up to right.
    for (Pad& pad : m_pads)
        if (const auto direction = pad.stick.move(pad.stickX, pad.stickY)) queueAction(*direction);
    for (std::size_t i = m_pads.size(); i-- > 0;)
        if (!m_sdl->gameControllerGetAttached(m_pads[i].controller))
            closeController(m_pads[i].instance);
    updateTimer();
    scheduleDelivery();
}

void Gamepad::handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: openControllers(); break;
    case SDL_CONTROLLERDEVICEREMOVED: closeController(event.cdevice.which); break;
    case SDL_CONTROLLERBUTTONDOWN:
        if (const auto action = m_mapping.actionOf(event.cbutton.button)) queueAction(*action);
        break;
    case SDL_CONTROLLERAXISMOTION: {
        const auto pad = std::find_if(m_pads.begin(), m_pads.end(), [&](const Pad& p) {
            return p.instance == event.caxis.which;
        });
        if (pad == m_pads.end()) break;
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) pad->stickX = event.caxis.value;
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) pad->stickY = event.caxis.value;
        break;
    }
    default: break; // joystick-level events and anything else SDL reports
    }
}

// ---- acting in the window in front ----------------------------------------------------------

void Gamepad::queueAction(PadAction action) {
    if (m_pending.size() < maxPending) m_pending.push_back({action, m_clock.elapsed()});
}

void Gamepad::scheduleDelivery() {
    if (m_deliveryQueued || m_pending.empty()) return;
    m_deliveryQueued = true;
    QMetaObject::invokeMethod(this, &Gamepad::deliver, Qt::QueuedConnection);
}

// One action per call, from the event loop: an action may open a modal window, and
// the next action then goes to that window from inside its own loop.
void Gamepad::deliver() {
    m_deliveryQueued = false;
    if (m_pending.empty() || programBusy()) return; // the next poll tries again
    if (!QApplication::activeWindow()) {
        // For a moment between two of the game's windows; for longer, another
        // program is in front and the presses were not meant for the game.
        while (!m_pending.empty() && m_clock.elapsed() - m_pending.front().time > windowWait)
            m_pending.pop_front();
        return;
    }
    const PadAction action = m_pending.front().action;
    m_pending.pop_front();
    scheduleDelivery();
    perform(action);
}

void Gamepad::perform(PadAction action) {
    QWidget* active = QApplication::activeWindow();
    if (!active) return;
    if (QWidget* popup = QApplication::activePopupWidget()) { // an open list
        inDialog(popup, action);
        return;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        inDialog(modal, action);
        return;
    }
    if (auto* game = qobject_cast<GameScreen*>(active)) {
        inGame(*game, action);
        return;
    }
    // The map window stands beside the game; the pad keeps playing the game.
    if (qobject_cast<MapWindow*>(active)) {
        if (GameScreen* game = shownGameScreen()) {
            inGame(*game, action);
            return;
        }
    }
    if (auto* opening = qobject_cast<OpeningScreen*>(active)) {
        onOpeningScreen(*opening, action);
        return;
    }
    inDialog(active, action);
}

// The pad presses the game screen's key of each action, wherever the [Keys] section has
// moved it.
void Gamepad::inGame(GameScreen& game, PadAction action) {
    const auto press = [this, &game](KeyAction keyAction) {
        const int key = game.keyOf(keyAction);
        // A key that types a character types it: a letter as its small letter.
        QString text;
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            text = QChar(key).toLower();
        else if (key > Qt::Key_Space && key <= Qt::Key_AsciiTilde)
            text = QChar(key);
        typeKey(&game, key, text);
    };
    switch (action) {
    case PadAction::up: press(KeyAction::stepForward); break;
    case PadAction::down: press(KeyAction::stepBack); break;
    case PadAction::left: press(KeyAction::turnLeft); break;
    case PadAction::right: press(KeyAction::turnRight); break;
    case PadAction::use: press(KeyAction::use); break;
    case PadAction::run: press(KeyAction::run); break;
    case PadAction::map: press(KeyAction::map); break;
    case PadAction::story: press(KeyAction::story); break;
    case PadAction::sounds: press(KeyAction::sounds); break;
    case PadAction::quit:
        // The button, not a key: it asks the quit question like the window's close.
        game.pressQuit();
        break;
    }
}

void Gamepad::onOpeningScreen(OpeningScreen& opening, PadAction action) {
    const int level = opening.selectedLevel();
    switch (action) {
    case PadAction::up:
        if (level > 1) opening.selectLevel(level - 1);
        break;
    case PadAction::down:
        if (level < levelCount) opening.selectLevel(level + 1);
        break;
    case PadAction::left: { // the load button beside the level, when there is a saved game
        QPushButton* load = opening.loadButtons[level - 1];
        if (load->isVisible() && load->isEnabled()) load->click();
        break;
    }
    case PadAction::use: typeKey(&opening, Qt::Key_Return, "\r"); break;   // "Enter"
    case PadAction::run: typeKey(&opening, Qt::Key_Escape, "\x1b"); break; // "Exit."
    default: break;
    }
}

// Dialogs and other windows: A is Enter (the default button), B is Esc (Cancel or No),
// the directions move between the buttons, X closes a story as / does.
void Gamepad::inDialog(QWidget* window, PadAction action) {
    QWidget* focus = window->focusWidget(); // the control that has the window's focus
    QWidget* target = focus ? focus : window;
    QPointer<QWidget> dialog(window);
    // The program's message dialog takes neither Enter nor Esc while it asks a question:
    // there A presses the button that has the focus (Yes at first) and B answers No.
    const bool message = dynamic_cast<MessageDialog*>(window) != nullptr;
    switch (action) {
    case PadAction::up: typeKey(target, Qt::Key_Up, {}); break;
    case PadAction::down: typeKey(target, Qt::Key_Down, {}); break;
    case PadAction::left: typeKey(target, Qt::Key_Left, {}); break;
    case PadAction::right: typeKey(target, Qt::Key_Right, {}); break;
    case PadAction::use:
        typeKey(target, Qt::Key_Return, "\r");
        if (message && dialog && dialog->isVisible()) {
            QWidget* now = dialog->focusWidget();
            if (qobject_cast<QAbstractButton*>(now)) typeKey(now, Qt::Key_Space, " ");
        }
        break;
    case PadAction::run:
        typeKey(target, Qt::Key_Escape, "\x1b");
        if (message && dialog && dialog->isVisible()) typeKey(dialog, Qt::Key_N, "n");
        break;
    case PadAction::story: typeKey(target, Qt::Key_Slash, "/"); break;
    default: break;
    }
}

// A key typed as a player types it: pressed, then released, each with a time of its
// own, so the windows tell it from a held key's repeats.
void Gamepad::typeKey(QWidget* target, int key, const QString& text) {
    QPointer<QWidget> receiver(target);
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (!receiver) return;
        QKeyEvent event(type, key, Qt::NoModifier, text);
        m_lastKeyTime = std::max(m_lastKeyTime + 1, static_cast<unsigned long>(m_clock.elapsed()));
        event.setTimestamp(m_lastKeyTime);
        QCoreApplication::sendEvent(receiver, &event);
    }
}

} // namespace quorvel
