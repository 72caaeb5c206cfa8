#include "screens/gamescreen.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "files/access.h"
#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/settingsfile.h"
#include "game/mazenumber.h"
#include "platform/keyboardstate.h"
#include "platform/windowframe.h"
#include "play/session.h"
#include "screens/dialogquestions.h"
#include "screens/endscreen.h"
#include "screens/mapwindow.h"
#include "screens/messagepanel.h"
#include "screens/runwatch.h"
#include "text/textutil.h"
#include "theme/theme.h"
#include "view/viewcomposer.h"
#include "view/viewwords.h"
#include "widgets/accessibility.h"
#include "widgets/dialogs.h"
#include "widgets/elidedtext.h"
#include "widgets/language.h"
#include "widgets/qtext.h"

namespace quorvel {

namespace {

// The compass points as the compass picture's description says them, north first.
const char* const compassWords[4] = {QT_TRANSLATE_NOOP("quorvel::GameScreen", "north"),
                                     QT_TRANSLATE_NOOP("quorvel::GameScreen", "east"),
                                     QT_TRANSLATE_NOOP("quorvel::GameScreen", "south"),
                                     QT_TRANSLATE_NOOP("quorvel::GameScreen", "west")};

constexpr int clientWidth = 632;
constexpr int clientHeight = 453;

QFont formFont(int pixels = 11, bool bold = false) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int w = -1,
              int h = -1) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (w < 0)
        l->move(x, y);
    else
        l->setGeometry(x, y, w, h);
    if (w < 0) l->adjustSize();
    return l;
}

QLabel* picture(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(x, y, w, h);
    return l;
}

constexpr Tool everyTool[] = {Tool::compass, Tool::detector, Tool::beacon, Tool::gps,
                              Tool::tracker};

// The item code of each tool, for its hint.
int toolCode(Tool tool) {
    switch (tool) {
    case Tool::compass: return msgCompass;
    case Tool::gps: return msgGps;
    case Tool::beacon: return msgBeacon;
    case Tool::tracker: return msgTracker;
    case Tool::detector: return msgDetector;
    }
    return 0;
}

} // namespace

void GameScreen::prepareFonts() {
    // The arrows of the move buttons are not in the form's font: finding the font that
    // has them is a search of the installed fonts, done here rather than at Enter.
    const QFontMetrics arrows(formFont());
    (void)arrows.horizontalAdvance(QString::fromUtf8("\u25B2\u25C0\u25B6\u25BC"));
    for (const bool bold : {false, true})
        (void)QFontMetrics(formFont(11, bold)).horizontalAdvance("0123456789:=");
}

GameScreen::GameScreen(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_session(session), m_game(*this, session.rng, *session.clock),
      m_composer(std::make_unique<ViewComposer>()) {
    setObjectName("Tform2");
    setWindowTitle(qText(applicationTitle));
    setFixedSize(clientWidth, clientHeight);
    setFont(formFont());
    setFocusPolicy(Qt::StrongFocus);
    askInDialogs(m_session);
    build();
}

GameScreen::~GameScreen() = default;

void GameScreen::build() {
    viewPicture = picture(this, "mazeimage2", 5, 5, viewSize, viewSize);

    namePanel = new QFrame(this);
    namePanel->setObjectName("Panel3");
    namePanel->setGeometry(5, 247, 240, 22);
    namePanel->setAutoFillBackground(true);
    QPalette silver = namePanel->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    namePanel->setPalette(silver);
    nameLabel = label(namePanel, "lblname", "", 8, 3, 180, 16);
    nameLabel->setFont(formFont(11, true));
    sideBackdrop = picture(namePanel, "Image1", 196, 3, 40, 16);
    sideBackdrop->setPixmap(QPixmap(":/pictures/sidebackdrop.png"));
    markDecoration(sideBackdrop);
    leftOpening = picture(namePanel, "LeftSpace", 198, 4, 16, 16);
    rightOpening = picture(namePanel, "RightSpace", 218, 4, 16, 16);
    leftOpening->setToolTip(tr("An opening to the left."));
    rightOpening->setToolTip(tr("An opening to the right."));

    const auto button = [this](const char* name, const QString& text, const QString& hint, int x,
                               int y, int w, int h) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(x, y, w, h);
        b->setToolTip(hint);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    forwardButton =
        button("btnmove", QString::fromUtf8("\u25B2"), tr("Move forward."), 57, 277, 33, 25);
    turnLeftButton =
        button("btnturnleft", QString::fromUtf8("\u25C0"), tr("Turn left."), 25, 309, 29, 25);
    useButton = button("btnuse", "U", "", 61, 309, 25, 25);
    useButton->setEnabled(false);
    turnRightButton =
        button("btnturnright", QString::fromUtf8("\u25B6"), tr("Turn right."), 93, 309, 29, 25);
    backButton =
        button("btnturnback", QString::fromUtf8("\u25BC"), tr("Step back."), 57, 341, 33, 25);
    // The captions over the switches are in the switches' names already.
    markDecoration(label(this, "Label1", tr("Sounds"), 21, 369));
    markDecoration(label(this, "Label2", tr("Music"), 89, 369));
    soundsButton = button("btnsounds", "S", tr("Sounds on or off (S)."), 25, 385, 33, 25);
    musicButton = button("btnmusic", "M", tr("Music on or off (M)."), 89, 385, 33, 25);
    soundsButton->setCheckable(true);
    musicButton->setCheckable(true);
    soundsState = label(this, "lblsounds", tr("ON"), 61, 391, 26, 14);
    musicState = label(this, "lblmusic", tr("ON"), 125, 391, 30, 14);
    quitButton = button("btnquit", tr("&Quit Maze..."), tr("Quit this maze."), 28, 421, 91, 25);

    compassPicture = picture(this, "imcompass", 161, 285, 72, 148);
    compassPicture->hide();

    // The item panel.
    itemPanel = new QFrame(this);
    itemPanel->setObjectName("Panel5");
    itemPanel->setGeometry(253, 110, 157, 340);
    itemPanel->setFrameShape(QFrame::Panel);
    itemPanel->setFrameShadow(QFrame::Raised);
    QLabel* items = label(itemPanel, "Label12", tr("ITEMS :"), 8, 8);
    items->setFont(formFont(11, true));
    items->adjustSize();   // sized for its own font, which a longer caption needs
    markDecoration(items); // the panel's name
    itemBox = new QGroupBox(itemPanel);
    itemBox->setObjectName("gbitems");
    itemBox->setGeometry(6, 28, 145, 305);
    compassToolPicture = picture(itemBox, "imcomp", 12, 15, 37, 36);
    detectorPicture = picture(itemBox, "imdetector", 12, 55, 37, 36);
    beaconPicture = picture(itemBox, "imbeacon", 12, 95, 37, 36);
    gpsPicture = picture(itemBox, "imgps", 12, 135, 37, 36);
    trackerPicture = picture(itemBox, "imtrack", 12, 175, 37, 36);
    foodPicture = picture(itemBox, "imfood", 53, 15, 37, 36);
    gemPicture = picture(itemBox, "imstone", 53, 55, 37, 36);
    batteryPicture = picture(itemBox, "imlight", 53, 95, 37, 36);
    // The pictures beside the counters, and their "=", are in the counters' names.
    for (QLabel* picture : {foodPicture, gemPicture, batteryPicture})
        markDecoration(picture);
    const auto counter = [this](const char* name, int y) {
        markDecoration(label(itemBox, "", "=", 93, y));
        QLabel* l = label(itemBox, name, "0", 103, y, 40, 14);
        l->setFont(formFont(11, true));
        return l;
    };
    foodCount = counter("lblfood", 24);
    gemCount = counter("lblstone", 64);
    batteryCount = counter("lblbatcount", 104);
    mazeNumberLine = label(itemBox, "mazeNumberLine", "", 6, 282, 133, 16);
    mazeNumberLine->setAlignment(Qt::AlignCenter);
    mazeNumberLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mazeNumberLine->setFocusPolicy(Qt::NoFocus); // the arrows stay with the game
    mazeNumberLine->setStyleSheet("color: rgb(96, 96, 96);");

    // The message panel, and the clock panel that shares its indicator.
    messagePanel = new MessagePanel(this);
    connect(messagePanel, &MessagePanel::lineShown, this, [this](const std::string& line) {
        m_session.spoken.say(m_spokenInstead.empty() ? line : m_spokenInstead);
    });
    clockPanel = new QFrame(this);
    clockPanel->setObjectName("Panel6");
    clockPanel->setGeometry(408, 110, 220, 88);
    clockPanel->setFrameShape(QFrame::Panel);
    clockPanel->setFrameShadow(QFrame::Raised);
    clockPanel->setAutoFillBackground(true);
    QPalette gray = clockPanel->palette();
    gray.setColor(QPalette::Window, QColor(128, 128, 128));
    gray.setColor(QPalette::WindowText, Qt::white);
    clockPanel->setPalette(gray);
    messagePanel->placeIndicator(clockPanel);
    QLabel* timeCaption = label(clockPanel, "Label4", tr("Time in maze:"), 117, 9);
    clockLabel = label(clockPanel, "lblElapsed", "0 days, 00:00:00", 117, 26, 100, 14);
    QLabel* stepCaption = label(clockPanel, "Label5", tr("Stepcounter:"), 119, 46);
    stepCounter = label(clockPanel, "lblstepcounter", "0", 119, 63, 90, 14);
    stepCounter->setToolTip(tr("Current number of steps taken in maze."));
    for (QLabel* l : {clockLabel, stepCounter})
        l->setFont(formFont(11, true));
    for (QLabel* l : {timeCaption, stepCaption}) {
        l->setStyleSheet("color: rgb(255, 255, 0);");
        markDecoration(l); // in the names of the clock and the step counter
    }

    clockTimer = new QTimer(this);
    clockTimer->setObjectName("GameTimer");
    clockTimer->setInterval(1000);
    runTimer = new QTimer(this);
    runTimer->setObjectName("RunTimer");
    runTimer->setInterval(200);
    m_arrowWait = new QTimer(this);
    m_arrowWait->setSingleShot(true);
    m_arrowWait->setInterval(arrowRepeatWait);
    connect(m_arrowWait, &QTimer::timeout, this, &GameScreen::arrowWaitOver);
    // The clock's seconds and the run's fifths are part of every run a game records and
    // of what checking a run holds it to: the timers are precise (a coarse one may come a
    // twentieth early), and the run's next step is timed from this one, however late a
    // busy desktop let it come.
    clockTimer->setTimerType(Qt::PreciseTimer);
    runTimer->setTimerType(Qt::PreciseTimer);
    connect(clockTimer, &QTimer::timeout, this, [this] { m_game.clockTick(); });
    connect(runTimer, &QTimer::timeout, this, [this] {
        runTimer->start();
        act([this] { m_game.runTick(); });
    });

    describeForReaders();
    makeReaderFocus();

    // The buttons of play do nothing while a run is watched.
    const auto play = [this](QPushButton* button, void (Game::*action)()) {
        connect(button, &QPushButton::clicked, this, [this, action] {
            if (!m_watch) act([this, action] { (m_game.*action)(); });
        });
    };
    play(forwardButton, &Game::stepForward);
    play(turnLeftButton, &Game::turnLeft);
    play(turnRightButton, &Game::turnRight);
    play(backButton, &Game::stepBack);
    play(useButton, &Game::useBattery);
    connect(soundsButton, &QPushButton::clicked, this, &GameScreen::toggleSounds);
    connect(musicButton, &QPushButton::clicked, this, &GameScreen::toggleMusic);
    connect(quitButton, &QPushButton::clicked, this, [this] {
        if (!m_watch) close();
    });
}

// What a screen reader reads of the screen: each control in the game's words, the
// counters and the clock with their values, the view in the words of spoken play.
void GameScreen::describeForReaders() {
    describeControl(viewPicture, tr("View ahead"), QString());
    describeControl(namePanel, tr("Player and sides"), QString());
    readLabelAs(nameLabel, tr("Player"));
    describeKeys();
    readLabelAs(soundsState, tr("Sounds"));
    readLabelAs(musicState, tr("Music"));
    describeControl(quitButton, tr("Quit Maze"), tr("Leave this maze, with the offer to save it."));
    describeControl(compassPicture, tr("Compass"), QString());
    describeControl(itemPanel, tr("Items"), QString());
    describeControl(itemBox, tr("Items held"), QString());
    readLabelAs(foodCount, tr("Food"));
    readLabelAs(gemCount, tr("Gems"));
    readLabelAs(batteryCount, tr("Battery"));
    describeControl(clockPanel, tr("Time and steps"), QString());
    readLabelAs(clockLabel, tr("Time in maze"));
    describeControl(clockLabel, QString(), tr("How long this maze has taken so far."));
    readLabelAs(stepCounter, tr("Steps"));
    describeControl(stepCounter, QString(), stepCounter->toolTip());
    nameToolPictures();
    makeAccessible(this);
}

// A screen reader speaks the object that takes the keyboard's focus, surely and at once
// (Qt's bridge sends a changed name without its text, which Orca cannot speak). So the
// screen's focus is one of two unseen objects over the view: while spoken play is off, the
// words of each action name the other one, which then takes the focus. With spoken play
// on they stay, so nothing is heard twice. Keys pass through them to the screen. Made
// after the screen is handed to screen readers, so they keep Qt's own description.
void GameScreen::makeReaderFocus() {
    for (QWidget*& focus : readerFocus) {
        focus = new QWidget(this);
        focus->setObjectName("playWords");
        focus->setGeometry(viewPicture->geometry());
        focus->setAttribute(Qt::WA_TransparentForMouseEvents);
        focus->setFocusPolicy(Qt::StrongFocus);
        describeControl(focus, qText(applicationTitle), QString());
    }
    setFocusProxy(readerFocus[0]);
}

void GameScreen::tellReader(const std::string& words) {
    QWidget* leaving = focusProxy();
    QWidget* next = leaving == readerFocus[0] ? readerFocus[1] : readerFocus[0];
    next->setAccessibleName(QString::fromStdString(words));
    next->setAccessibleDescription(QString()); // the keys are told once, as a game begins
    setFocusProxy(next);
    // In a window that is not active the focus moves too, for when it is active again.
    if (focusWidget() == leaving) next->setFocus(Qt::OtherFocusReason);
}

// The buttons with the keys the player has (the [Keys] section may move them).
void GameScreen::describeKeys() {
    const auto withKey = [this](const QString& what, KeyAction action) {
        const std::string key = m_keys.keyName(action);
        return key == "none" ? what + '.'
                             : tr("%1; key %2.").arg(what, QString::fromStdString(key));
    };
    describeControl(forwardButton, tr("Move forward"),
                    withKey(tr("One step forward"), KeyAction::stepForward));
    describeControl(turnLeftButton, tr("Turn left"),
                    withKey(tr("A quarter-turn to the left"), KeyAction::turnLeft));
    describeControl(turnRightButton, tr("Turn right"),
                    withKey(tr("A quarter-turn to the right"), KeyAction::turnRight));
    describeControl(backButton, tr("Step back"),
                    withKey(tr("One step backwards"), KeyAction::stepBack));
    describeControl(soundsButton, tr("Sounds"), withKey(tr("Sounds on or off"), KeyAction::sounds));
    describeControl(musicButton, tr("Music"), withKey(tr("Music on or off"), KeyAction::music));
    setUseEnabled(useButton->isEnabled());
}

// The tools in the theme's words: what each held one tells, or that it is still to find.
void GameScreen::nameToolPictures() {
    const MessageCatalogue& words = m_session.catalogue;
    for (const Tool tool : everyTool) {
        QLabel* picture = toolPicture(tool);
        const QString hint = picture->toolTip();
        describeControl(picture,
                        QString::fromStdString(capitalise(words.itemWord(toolCode(tool), false))),
                        hint.isEmpty() ? tr("Not found yet.") : hint);
    }
}

void GameScreen::setWindows(QWidget* openingScreen, MapWindow* mapWindow, EndScreen* endScreen) {
    m_opening = openingScreen;
    m_map = mapWindow;
    setEndScreenSource([endScreen] { return endScreen; });
}

void GameScreen::setEndScreenSource(std::function<EndScreen*()> endScreen) {
    m_endScreen = std::move(endScreen);
}

void GameScreen::startWatching(RunWatch& watch, std::string player) {
    m_watch = &watch;
    m_watchedPlayer = std::move(player);
}

void GameScreen::stopWatching() {
    m_watch = nullptr;
    m_watchedPlayer.clear();
    setWindowTitle(qText(applicationTitle));
}

const std::string& GameScreen::shownPlayer() const {
    return m_watch ? m_watchedPlayer : m_session.playerName;
}

// ---- showing and hiding ---------------------------------------------------------------

void GameScreen::loadViewImages() {
    const bool builtin = m_session.themeName == defaultTheme;
    m_composer->loadViewImages(builtin ? std::string() : themeFolder(m_session.themeName));
    m_composer->setDevicePixelRatio(devicePixelRatioF()); // the compass below is at it too
    foodPicture->setPixmap(QPixmap::fromImage(m_composer->panelPicture(PanelPicture::food)));
    gemPicture->setPixmap(QPixmap::fromImage(m_composer->panelPicture(PanelPicture::gems)));
    batteryPicture->setPixmap(QPixmap::fromImage(m_composer->panelPicture(PanelPicture::charge)));
    messagePanel->setIndicatorPictures(m_composer->panelPicture(PanelPicture::standard),
                                       m_composer->panelPicture(PanelPicture::critical));
    const QPixmap empty = QPixmap::fromImage(m_composer->itemEmpty());
    for (QLabel* tool :
         {compassToolPicture, detectorPicture, beaconPicture, gpsPicture, trackerPicture}) {
        tool->setPixmap(empty);
        tool->setToolTip("");
    }
    m_composer->resetCompass();
    showCompassPicture();
    compassPicture->hide();
}

void GameScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) onShown();
}

void GameScreen::onShown() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    restorePosition();
    m_session.spoken.whenQuiet = [this](const std::string& words) { tellReader(words); };
    prepareSitting();
    // A watched run begins with its own begin event.
    if (!m_watch) {
        m_game.nameRun(m_session.playerName, m_session.themeName);
        act([this] { m_game.begin(); }); // the start message, then what lies ahead
        focusProxy()->setAccessibleDescription(
            tr("Play with the keys: each move says what happens and what lies ahead."));
        if (m_opening) m_opening->hide();
    }
    m_cueRow = m_cueCol = -1;     // the first frame of a game is no step
    m_keys = KeyBindings::load(); // a change to the [Keys] section counts from the next game
    describeKeys();
    QApplication::restoreOverrideCursor();
    SoundService& sound = *m_session.sound;
    soundsButton->setChecked(!sound.noSound);
    musicButton->setChecked(!sound.noMusic);
    soundsState->setText(sound.noSound ? tr("OFF") : tr("ON"));
    musicState->setText(sound.noMusic ? tr("OFF") : tr("ON"));
    activateWindow();
    setFocus();
}

void GameScreen::prepareSitting() {
    MessageCatalogue& words = m_session.catalogue;
    loadViewImages();
    showElided(nameLabel, QString::fromStdString(shownPlayer()));
    messagePanel->hideIndicator();
    messagePanel->clearMessages();
    loadTheme(words, m_session.themeName);
    foodPicture->setToolTip(QString::fromStdString(words.itemHint(msgFood)));
    gemPicture->setToolTip(QString::fromStdString(words.itemHint(codeGem)));
    batteryPicture->setToolTip(QString::fromStdString(words.itemHint(codePower)));
    describeControl(foodCount, QString(), foodPicture->toolTip());
    describeControl(gemCount, QString(), gemPicture->toolTip());
    describeControl(batteryCount, QString(), batteryPicture->toolTip());
    nameToolPictures();
    if (m_map) {
        m_map->setWords(capitalise(words.itemName(codeBox, false, true)),
                        words.itemWord(msgBattery, false));
    }
    showMazeNumber();
}

// The maze's number under the tools and in the clock's hint, so a player can share the
// maze or play it again; nothing when the maze's number is not known.
void GameScreen::showMazeNumber() {
    const QString number = QString::fromStdString(mazeNumberText(m_game.maze()));
    const QString hint =
        number.isEmpty() ? QString() : QString::fromStdString(mazeNumberHint(number.toStdString()));
    mazeNumberLine->setText(number.isEmpty() ? QString() : tr("Maze %1").arg(number));
    mazeNumberLine->setToolTip(hint);
    mazeNumberLine->setVisible(!number.isEmpty());
    clockLabel->setToolTip(hint);
}

void GameScreen::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) onHidden();
}

void GameScreen::onHidden() {
    m_session.spoken.whenQuiet = nullptr;
    m_waitingArrow = 0; // a key released as the game ended belongs to no game
    m_arrowWait->stop();
    if (!m_watch) m_game.end(); // a watch ends its game itself
    m_session.sound->closeMusic();
    if (!m_watch) savePosition();
    if (m_map) m_map->hide();
    if (m_opening && !m_watch) m_opening->show();
}

void GameScreen::closeEvent(QCloseEvent* event) {
    if (m_watch) { // closing the window stops the watch, which hides it
        event->ignore();
        m_watch->stop();
        return;
    }
    const SpokenPlay::Action words(m_session.spoken);
    if (m_game.askToQuit())
        event->accept();
    else
        event->ignore();
}

void GameScreen::restorePosition() {
    // Where the player left this size's window (its frame's corner); the first time, the
    // middle of the screen, frame and all. A place partly off the screen (a smaller screen
    // now, or one gone) is brought back onto it whole.
    QPoint place = framePosition(this);
    const QSize outer = quorvel::frameSize(this);
    if (!m_placed) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            place = centredCorner(screen->availableGeometry(), outer);
        m_placed = true;
    }
    const WindowPlace stored =
        loadGameScreenPlace(m_session.playerName, m_game.maze().mazeSize, {place.x(), place.y()});
    m_positionKnown = false; // placing the window is not a move the map follows
    placeFrame(this, cornerOnScreen(this, QPoint(stored.left, stored.top), outer));
    m_lastPosition = framePosition(this);
    m_positionKnown = true;
}

void GameScreen::savePosition() {
    const QPoint corner = framePosition(this);
    saveGameScreenPlace(m_session.playerName, m_game.maze().mazeSize, {corner.x(), corner.y()});
}

void GameScreen::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!m_positionKnown || !isVisible()) return;
    // The frame's moves: a locked map moves as far as the game window's title bar did.
    const QPoint now = framePosition(this);
    if (m_map && now != m_lastPosition) m_map->followGame(now - m_lastPosition);
    m_lastPosition = now;
}

void GameScreen::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !m_map) return;
    // Minimising the game minimises the whole program, its map window included.
    if (isMinimized()) {
        m_mapWasVisible = m_map->isVisible();
        if (m_mapWasVisible) m_map->hide();
    } else if (m_mapWasVisible && isVisible()) {
        m_mapWasVisible = false;
        m_map->show();
    }
}

// ---- keys and switches -------------------------------------------------------------------

bool GameScreen::isWalkingKey(const QKeyEvent* event) const {
    const std::optional<KeyAction> action = m_keys.actionOf(*event);
    return action && actsOnRelease(*action);
}

// The keys that walk and turn (the arrows, unless the [Keys] section moves them) act when
// released, once per press however long the key is held. A held key repeats as pairs of
// release and press that the display stamps with one time. Qt marks most of them by
// looking ahead for the press; when the press has not come in yet (a busy desktop), the
// release waits a moment for it, and a press of the same key with the same time shows it
// was a repeat; failing that, a key the display still reports held down. A release
// without a display time acts at once.
void GameScreen::keyReleaseEvent(QKeyEvent* event) {
    if (m_watch) return; // a watch takes its keys on press
    if (!isWalkingKey(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat()) return;
    actOnArrow(); // a key still waiting goes first
    // A release acts at once when it cannot be a keyboard's repeat: it has no time or
    // no key of a keyboard behind it (the gamepad, an input method), or the display
    // says the key is up already, which is the common case of a tap. Only a release
    // whose key is still down waits for the press that tells a repeat from a new tap.
    const quint32 code = event->nativeScanCode();
    if (event->timestamp() == 0 || code == 0 || (keyStateKnown() && !keyHeldDown(code))) {
        doAction(*m_keys.actionOf(*event));
        return;
    }
    m_waitingArrow = event->key();
    m_waitingSince = event->timestamp();
    m_waitingCode = event->nativeScanCode();
    m_arrowWait->start();
}

bool GameScreen::isRepeatPress(const QKeyEvent* event) {
    if (event->isAutoRepeat()) return true;
    if (m_waitingArrow != event->key()) return false;
    if (m_waitingSince != event->timestamp()) {
        actOnArrow(); // pressed again after a real release, which acts first
        return false;
    }
    m_waitingArrow = 0;
    m_arrowWait->stop();
    return true;
}

void GameScreen::arrowWaitOver() {
    // A repeat's press that the display has sent already comes in first.
    const int key = m_waitingArrow;
    const quint64 since = m_waitingSince;
    QCoreApplication::processEvents();
    if (m_waitingArrow != key || m_waitingSince != since) return;
    // On a very busy desktop the press may still be on its way; the display knows
    // whether the key is held: then the release was a repeat.
    if (keyHeldDown(m_waitingCode)) {
        m_waitingArrow = 0;
        return;
    }
    actOnArrow();
}

void GameScreen::actOnArrow() {
    const int key = m_waitingArrow;
    m_waitingArrow = 0;
    m_arrowWait->stop();
    if (key == 0) return;
    if (const std::optional<KeyAction> action = m_keys.actionOf(key)) doAction(*action);
}

void GameScreen::keyPressEvent(QKeyEvent* event) {
    if (m_watch) { // only the watch's keys act
        m_watch->watchKey(*event);
        return;
    }
    const std::optional<KeyAction> action = m_keys.actionOf(*event);
    if (!action) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (actsOnRelease(*action)) {
        isRepeatPress(event); // walking and turning act on release
        return;
    }
    doAction(*action);
}

void GameScreen::doAction(KeyAction action) {
    act([this, action] { runAction(action); });
}

void GameScreen::runAction(KeyAction action) {
    switch (action) {
    case KeyAction::stepForward: m_game.stepForward(); break;
    case KeyAction::stepBack: m_game.stepBack(); break;
    case KeyAction::turnLeft: m_game.turnLeft(); break;
    case KeyAction::turnRight: m_game.turnRight(); break;
    case KeyAction::use: m_game.useBattery(); break;
    case KeyAction::run: m_game.startRunning(); break;
    case KeyAction::map: showMapWindow(); break;
    case KeyAction::sounds:
        soundsButton->toggle();
        toggleSounds();
        break;
    case KeyAction::music:
        musicButton->toggle();
        toggleMusic();
        break;
    case KeyAction::story: emit storyWanted(); break;
    case KeyAction::yell: m_game.playFunKey('Y'); break;
    case KeyAction::laugh: m_game.playFunKey('L'); break;
    case KeyAction::cry: m_game.playFunKey('C'); break;
    case KeyAction::jump: m_game.playFunKey('J'); break;
    case KeyAction::dance: m_game.playFunKey('D'); break;
    case KeyAction::speech: switchSpeech(); break;
    case KeyAction::counters: sayCounters(); break;
    case KeyAction::heading: sayHeading(); break;
    case KeyAction::tools: sayTools(); break;
    case KeyAction::ahead: sayAhead(); break;
    case KeyAction::cues: toggleCues(); break;
    case KeyAction::palette: break; // the map window watches its key on this screen itself
    case KeyAction::messages: sayMessages(); break;
    }
}

void GameScreen::act(const std::function<void()>& action) {
    const SpokenPlay::Action words(m_session.spoken);
    const bool wasRunning = m_game.running();
    const int stepsBefore = m_game.state().stepCount;
    action();
    // A run says how far it went once it stops, after the view where it stopped.
    if (!wasRunning && m_game.running()) m_runFrom = stepsBefore;
    if (wasRunning && !m_game.running() && !m_game.state().gameOver)
        m_session.spoken.say(describeRun(m_game.state().stepCount - m_runFrom));
}

// ---- spoken play ---------------------------------------------------------------------------

void GameScreen::switchSpeech() {
    SpokenPlay& spoken = m_session.spoken;
    spoken.switchTo(!spoken.isOn(), m_session.playerName);
}

void GameScreen::sayCounters() {
    m_session.spoken.say(describeCounters(m_game.state(), clockLabel->text().toStdString()));
}

void GameScreen::sayHeading() {
    m_session.spoken.say(describeHeading(m_game.maze(), m_game.state()));
}

void GameScreen::sayTools() {
    m_session.spoken.say(describeTools(m_game.maze(), m_game.state()));
}

void GameScreen::sayAhead() {
    m_session.spoken.say(describeViewAndSides(m_game.maze()));
}

void GameScreen::sayMessages() {
    std::string lines;
    for (int line = 1; line <= 5; ++line)
        addSentence(lines, messagePanel->messageLine(line).trimmed().toStdString());
    m_session.spoken.say(lines.empty() ? tr("No messages.").toStdString() : lines);
}

void GameScreen::showMapWindow() {
    if (!m_map) return;
    m_map->saveMapSettings(m_session.playerName);
    // The style changes in place, so the map neither blinks nor moves.
    if (!m_map->isVisible()) {
        setWindowFlagLive(m_map, Qt::WindowStaysOnTopHint, true);
        m_map->show();
    } else {
        const bool onTop = m_map->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        setWindowFlagLive(m_map, Qt::WindowStaysOnTopHint, !onTop);
    }
    m_map->raise();
    activateWindow();
    setFocus();
}

void GameScreen::toggleSounds() {
    if (m_watch) { // a watch changes no switch, which the player's settings keep
        soundsButton->setChecked(!m_session.sound->noSound);
        return;
    }
    const bool on = soundsButton->isChecked();
    m_session.sound->noSound = !on;
    soundsState->setText(on ? tr("ON") : tr("OFF"));
}

void GameScreen::toggleMusic() {
    if (m_watch) {
        musicButton->setChecked(!m_session.sound->noMusic);
        return;
    }
    const bool on = musicButton->isChecked();
    m_session.sound->noMusic = !on;
    musicState->setText(on ? tr("ON") : tr("OFF"));
    if (on)
        m_session.sound->playMusic(m_session.themeName, "music");
    else
        m_session.sound->stopMusic();
}

void GameScreen::toggleCues() {
    SoundService& sound = *m_session.sound;
    sound.cues = !sound.cues;
    sound.saveSoundSettings(m_session.playerName);
    messagePanel->showGameMessage(
        (sound.cues ? tr("Sound cues on.") : tr("Sound cues off.")).toStdString(), Colour::white,
        MessageLevel::log);
    if (sound.cues) playCueHere();
}

// ---- what the rules ask of the screen --------------------------------------------------------

void GameScreen::drawMaze() {
    m_plan = viewScan(m_game.maze());
    if (m_session.spoken.gathers()) m_session.spoken.sayView(describeViewAndSides(m_game.maze()));
    // Composed at the density of the screen the window is on now; the frame handed to
    // the view carries it, so the label shows it at 240 x 240 without scaling it.
    m_composer->setDevicePixelRatio(devicePixelRatioF());
    m_composer->drawMaze(m_plan);
    if (m_plan.viewCase == ViewCase::onExit) {
        // The ending picture shows at once, before the end screen opens over it.
        viewPicture->setPixmap(QPixmap::fromImage(m_composer->shownView()));
        viewPicture->repaint();
        describeViewAhead();
    }
}

void GameScreen::drawWallMap() {
    m_composer->drawWallMap();
}

void GameScreen::finishView(int darkness) {
    m_composer->drawBox(m_plan);
    m_composer->darken(darkness);
    m_composer->showView();
    viewPicture->setPixmap(QPixmap::fromImage(m_composer->shownView()));
    showSides();
    cueAfterStep();
    describeViewAhead();
}

// A frame on another cell than the last one follows a step (forward, back, or one of a
// run): the cues tell what the view does not show there.
void GameScreen::cueAfterStep() {
    const Maze& maze = m_game.maze();
    const bool stepped = m_cueRow >= 0 && (maze.posRow != m_cueRow || maze.posCol != m_cueCol);
    m_cueRow = maze.posRow;
    m_cueCol = maze.posCol;
    if (stepped && m_session.sound->cues && !m_game.state().gameOver) playCueHere();
}

// The openings beside the player's cell (the view shows the sides of the cells ahead,
// never of this one), and a closed box or the exit ahead as far as the view shows.
void GameScreen::playCueHere() {
    const Maze& maze = m_game.maze();
    StepCue cue;
    cue.left = !isWall(maze.left());
    cue.right = !isWall(maze.right());
    cue.ahead = (m_plan.viewCase != ViewCase::normal && m_plan.viewCase != ViewCase::onExit) ||
                std::ranges::any_of(m_plan.closedBox, [](bool box) { return box; });
    if (cue.any()) m_session.sound->playCue(cue);
}

// The view in the words spoken play says, for screen readers, after every frame.
void GameScreen::describeViewAhead() {
    describeControl(viewPicture, viewPicture->accessibleName(),
                    QString::fromStdString(quorvel::describeView(m_game.maze())));
}

void GameScreen::showSides() {
    const SidePictures sides = m_composer->showSides(m_game.maze());
    if (sides.left) leftOpening->setPixmap(QPixmap::fromImage(*sides.left));
    if (sides.right) rightOpening->setPixmap(QPixmap::fromImage(*sides.right));
    describeControl(leftOpening, tr("Left side"),
                    sides.leftOpen ? tr("An opening to the left.") : tr("A wall to the left."));
    describeControl(rightOpening, tr("Right side"),
                    sides.rightOpen ? tr("An opening to the right.") : tr("A wall to the right."));
}

void GameScreen::showCompassPicture() {
    compassPicture->setPixmap(QPixmap::fromImage(withoutKey(m_composer->compassImage())));
}

void GameScreen::drawCompass(int heading) {
    m_composer->drawCompass(heading);
    showCompassPicture();
    describeControl(compassPicture, compassPicture->accessibleName(),
                    tr("Facing %1.").arg(tr(compassWords[((heading % 4) + 4) % 4])));
}

void GameScreen::showCompass() {
    compassPicture->show();
}

QLabel* GameScreen::toolPicture(Tool tool) const {
    switch (tool) {
    case Tool::compass: return compassToolPicture;
    case Tool::detector: return detectorPicture;
    case Tool::beacon: return beaconPicture;
    case Tool::gps: return gpsPicture;
    case Tool::tracker: return trackerPicture;
    }
    return compassToolPicture;
}

void GameScreen::showTool(Tool tool) {
    QLabel* l = toolPicture(tool);
    l->setPixmap(QPixmap::fromImage(m_composer->toolPicture(tool)));
    l->setToolTip(QString::fromStdString(m_session.catalogue.itemHint(toolCode(tool))));
    nameToolPictures();
}

void GameScreen::setUseEnabled(bool enabled) {
    useButton->setEnabled(enabled);
    const QString battery =
        QString::fromStdString(m_session.catalogue.itemName(msgBattery, false, false));
    useButton->setToolTip(enabled ? tr("Use %1").arg(battery) : QString());
    describeControl(useButton, tr("Use battery"),
                    enabled
                        ? tr("Use %1; key %2.")
                              .arg(battery, QString::fromStdString(m_keys.keyName(KeyAction::use)))
                        : tr("Nothing to use yet: a battery is used here once one is found."));
}

void GameScreen::showCounters() {
    const GameState& s = m_game.state();
    foodCount->setText(QString::number(s.foodLevel));
    gemCount->setText(QString::number(s.gemScore));
    batteryCount->setText(QString::number(s.batteryLevel) + "%");
    stepCounter->setText(QString::number(s.stepCount));
    reportNumber(foodCount, s.foodLevel);
    reportNumber(gemCount, s.gemScore);
    reportNumber(batteryCount, s.batteryLevel);
    reportNumber(stepCounter, s.stepCount);
}

void GameScreen::updateMapTools(bool inView, bool detector, bool beacon) {
    if (m_map) m_map->updateMapTools(inView, detector, beacon);
}

void GameScreen::updateMapPosition(int row, int col, bool gps, bool tracker) {
    if (m_map) m_map->updateMapPosition(row, col, gps, tracker);
}

void GameScreen::countRemaining() {
    if (m_map) m_map->countRemaining();
}

bool GameScreen::postGameMessage(MessageKey key, Colour colour, MessageLevel level) {
    // A battery box entered again still posts its find; spoken play says instead that the
    // batteries wait here (the box becomes a battery box only after its first message).
    const Maze& maze = m_game.maze();
    const bool batteryAgain = key == msgBattery && maze.here() == cellBatteryLeft;
    const std::string useWords =
        key != msgBattery ? std::string()
                          : tr("Batteries here: %1 uses them.")
                                .arg(QString::fromStdString(m_keys.keyName(KeyAction::use)))
                                .toStdString();
    if (batteryAgain) m_spokenInstead = useWords;
    const bool shown =
        messagePanel->postGameMessage(m_session.catalogue, key, shownPlayer(), colour, level);
    m_spokenInstead.clear();
    SpokenPlay& spoken = m_session.spoken;
    if (key == msgBattery && !batteryAgain && m_game.state().batteryLevel > 0) spoken.say(useWords);
    if (key == msgHint) spoken.say(describeHint(maze));
    for (const Tool tool : everyTool)
        if (key == toolCode(tool)) spoken.say(describeFind(tool));
    return shown;
}

bool GameScreen::showGameMessage(const std::string& text, Colour colour, MessageLevel level) {
    return messagePanel->showGameMessage(text, colour, level);
}

std::string GameScreen::randomMessage(int chance) {
    return m_session.catalogue.randomMessage(chance, shownPlayer());
}

void GameScreen::hideIndicator() {
    messagePanel->hideIndicator();
}

void GameScreen::playSound(Sound sound, Sound plain, SoundMode mode) {
    m_session.sound->playSound(m_session.themeName, sound, plain, mode);
}

void GameScreen::serviceEvents() {
    QCoreApplication::processEvents();
}

void GameScreen::setRunTimer(bool enabled) {
    if (enabled)
        runTimer->start();
    else
        runTimer->stop();
}

void GameScreen::setGameTimer(bool enabled) {
    if (enabled)
        clockTimer->start();
    else
        clockTimer->stop();
}

void GameScreen::showClock(const std::string& text) {
    clockLabel->setText(shownClockText(text)); // read as its name: "Time in maze 0 days, ..."
}

Answer GameScreen::showEndScreen(const EndScreenSetup& screen) {
    EndScreen* end = m_endScreen ? m_endScreen() : nullptr;
    return end ? end->showEnd(screen) : Answer::close;
}

bool GameScreen::confirmQuit() {
    return confirmBox(tr("Quit game?").toStdString(),
                      tr("Are you sure you want to stop playing?").toStdString());
}

QWidget* GameScreen::viewWidget() const {
    return viewPicture;
}

void GameScreen::pressQuit() {
    if (quitButton->isEnabled()) quitButton->click();
}

void GameScreen::leaveGame() {
    if (!m_watch) m_game.abandon();
    close();
}

void GameScreen::closeGameScreen() {
    close();
}

} // namespace quorvel
