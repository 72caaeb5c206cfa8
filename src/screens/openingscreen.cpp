#include "screens/openingscreen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFrame>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <optional>

#include "files/programfolder.h"
#include "files/savedgamefiles.h"
#include "files/settingsfile.h"
#include "game/levels.h"
#include "game/mazenumber.h"
#include "platform/desktop.h"
#include "platform/windowframe.h"
#include "play/gamesession.h"
#include "play/session.h"
#include "resources/resources.h"
#include "screens/besttimesscreen.h"
#include "screens/dialogquestions.h"
#include "screens/gamescreen.h"
#include "screens/mapwindow.h"
#include "text/textutil.h"
#include "theme/theme.h"
#include "theme/themepicture.h"
#include "widgets/accessibility.h"
#include "widgets/captionlabel.h"
#include "widgets/dialogs.h"
#include "widgets/elidedtext.h"
#include "widgets/messagedialog.h"
#include "widgets/qtext.h"
#include "widgets/timing.h"
#include "widgets/unpackedpicture.h"
#include "widgets/widecombobox.h"

namespace quorvel {

namespace {

constexpr int clientWidth = 632;
constexpr int clientHeight = 453;
constexpr int maxNameLength = 12;

const char* const friendName = "Friend";
const char* const namePrompt =
    QT_TRANSLATE_NOOP("quorvel::OpeningScreen", "Please enter your name (up to 12 characters).");

// The level captions; "&" marks the accelerator.
const std::array<const char*, levelCount> levelCaptions = {
    QT_TRANSLATE_NOOP("quorvel::OpeningScreen", "Nice -n- &Easy..."),
    QT_TRANSLATE_NOOP("quorvel::OpeningScreen", "A &little harder now..."),
    QT_TRANSLATE_NOOP("quorvel::OpeningScreen", "A &real challenge..."),
    QT_TRANSLATE_NOOP("quorvel::OpeningScreen", "&Now we're getting there..."),
    QT_TRANSLATE_NOOP("quorvel::OpeningScreen", "O.K. This is &hard..."),
    QT_TRANSLATE_NOOP("quorvel::OpeningScreen", "&Only for the Strongest..."),
};

const char* const themeResetMessage = QT_TRANSLATE_NOOP(
    "quorvel::OpeningScreen", "Either the theme entered was not a valid path or\n"
                              "     One or more files were missing or corrupt.\n"
                              "\n"
                              "      The theme has been reset to the defalt.\n"
                              "                    < Back to basics <Default> >.");

// The preview: which picture of a theme each of Image2..Image7 shows, and how wide it is.
struct PreviewPiece {
    const char* file;
    int width;
    int builtin; ///< index of the built-in piece, Image8..Image13
};
const std::array<PreviewPiece, 6> previewPieces = {{
    {"wall3.bmp", 30, 0},
    {"door4.bmp", 20, 2},
    {"middle7.bmp", 10, 4},
    {"middle12.bmp", 10, 5},
    {"wall6.bmp", 20, 3},
    {"door5.bmp", 30, 1},
}};
// Image8..Image13: the built-in pieces and their widths.
const std::array<int, 6> builtinWidths = {30, 30, 20, 20, 10, 10};

QFont formFont(int pixels = 11, bool bold = true) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont headerFont() {
    QFont f("Liberation Serif");
    f.setPixelSize(24);
    f.setBold(true);
    f.setItalic(true);
    return f;
}

// A caption as words: no "&" marks, no trailing dots ("Nice -n- Easy").
QString plainCaption(const QString& caption) {
    QString words = caption;
    words.remove('&');
    while (words.endsWith('.'))
        words.chop(1);
    return words;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect place,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(place);
    l->setAlignment(align);
    return l;
}

QFrame* rule(QWidget* parent, int y) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(8, y, clientWidth - 16, 2);
    markDecoration(line);
    return line;
}

// Done once, when the opening screen is made: a settings file left in the
// configuration folder by an older installation moves in, and the game's own dialogs
// take over from the toolkit's. (The program's entry in the maker-wide registry is
// brought up to date once the first window is painted, by the program.)
void startUpWork() {
    moveOldSettings();
    dialogSwitch = true;
}

} // namespace

// Holds back the player's input while a game is being started: from the moment a game is
// asked for until the opening screen is shown again. While the maze is made, every key
// and click is dropped (they were typed at a screen that is about to go); after that,
// those meant for the opening screen or for any hidden window are dropped, so keys
// typed ahead can neither start a second maze under the running game nor quit.
class InputHold : public QObject {
  public:
    InputHold(QWidget* screen) : QObject(screen), m_screen(screen) {}

    /// Holds input back until release; while making, all of it.
    void hold(bool making) {
        m_making = making;
        if (!m_holding) qApp->installEventFilter(this);
        m_holding = true;
    }
    void release() {
        if (m_holding) qApp->removeEventFilter(this);
        m_holding = m_making = false;
    }
    bool holding() const { return m_holding; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!isInput(event->type())) return false;
        if (m_making) return true;
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            const QWidget* window = widget->window();
            return window == m_screen || !window->isVisible();
        }
        if (auto* window = qobject_cast<QWindow*>(watched))
            return window == m_screen->windowHandle() || !window->isVisible();
        return false;
    }

  private:
    QWidget* m_screen;
    bool m_holding = false;
    bool m_making = false;

    static bool isInput(QEvent::Type type) {
        switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease: return true;
        default: return false;
        }
    }
};

bool hasBadChar(const std::string& name) {
    return name.find_first_of(" \"*./:<>?\\|") != std::string::npos;
}

OpeningScreen::OpeningScreen(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_session(session), m_inputHold(new InputHold(this)) {
    initResources();
    setObjectName("Tform1");
    setWindowTitle(qText(applicationTitle));
    setFixedSize(clientWidth, clientHeight);
    setFont(formFont());
    askInDialogs(m_session);
    build();
    preview(); // the built-in pictures until the player's theme is known
    startUpWork();
}

OpeningScreen::~OpeningScreen() = default;

void OpeningScreen::setWindows(GameScreen* gameScreen, MapWindow* mapWindow, GameSession* play) {
    setWindowSources([gameScreen] { return gameScreen; }, [mapWindow] { return mapWindow; },
                     [play] { return play; });
}

void OpeningScreen::setWindowSources(std::function<GameScreen*()> gameScreen,
                                     std::function<MapWindow*()> mapWindow,
                                     std::function<GameSession*()> play) {
    m_gameScreen = std::move(gameScreen);
    m_mapWindow = std::move(mapWindow);
    m_play = std::move(play);
}

// ---- building the screen ---------------------------------------------------------------

void OpeningScreen::build() {
    buildHeader();
    buildColumns();
    buildButtons();

    // Every control hands the intro key and the form keys to the screen.
    for (QWidget* child : findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus) child->installEventFilter(this);
    makeAccessible(this);
}

void OpeningScreen::buildHeader() {
    const QFont big = headerFont();
    const std::array<QString, 3> captions = {tr("Player's name: "), tr("Skill level: "),
                                             tr("Theme: ")};
    std::array<QLabel*, 3> values{};
    levelLabel = new CaptionLabel(this); // its button's caption, the key letter underlined
    const std::array<const char*, 3> names = {"lblyourname", "Lbllevel2", "lbltheme2"};
    for (int i = 0; i < 3; ++i) {
        const int y = 8 + 32 * i;
        QLabel* caption =
            label(this, "", captions[i], QRect(8, y, 196, 32), Qt::AlignRight | Qt::AlignVCenter);
        caption->setFont(big);
        markDecoration(caption); // read with its value
        values[i] = i == 1 ? levelLabel : new QLabel(this);
        values[i]->setObjectName(names[i]);
        values[i]->setGeometry(204, y, clientWidth - 212, 32);
        values[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        readLabelAs(values[i], captions[i].trimmed());
        values[i]->setFont(big);
        QPalette p = values[i]->palette();
        p.setColor(QPalette::WindowText, QColor(128, 0, 0));
        values[i]->setPalette(p);
    }
    playerLabel = values[0];
    themeCaption = values[2];
    themeCaption->setTextFormat(Qt::PlainText);
    playerLabel->setTextFormat(Qt::PlainText);
    rule(this, 110);
}

void OpeningScreen::buildColumns() {
    // The theme list.
    themeBox = new WideComboBox(this);
    themeBox->setObjectName("boxtheme");
    themeBox->setGeometry(14, 144, 196, 24);
    themeBox->setToolTip(tr("The look, words and sounds of the maze."));
    describeControl(themeBox, tr("Theme"), themeBox->toolTip());
    QLabel* themeHead =
        label(this, "Label4", tr("PLEASE SELECT A &THEME ."), QRect(14, 122, 196, 16));
    themeHead->setBuddy(themeBox);
    connect(themeBox, &QComboBox::activated, this, [this] { chooseTheme(); });
    QLabel* themeHint =
        label(this, "lblthemehint",
              tr("A theme is a folder beside the game with its own walls, words and sounds."),
              QRect(14, 176, 196, 44), Qt::AlignLeft | Qt::AlignTop);
    themeHint->setWordWrap(true);
    themeHint->setFont(formFont(11, false));
    QPalette grey = themeHint->palette();
    grey.setColor(QPalette::WindowText, QColor(96, 96, 96));
    themeHint->setPalette(grey);

    // The preview, in a sunken frame.
    label(this, "Label5", tr("PREVIEW."), QRect(230, 122, 132, 16),
          Qt::AlignHCenter | Qt::AlignVCenter);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setGeometry(234, 142, 124, 124);
    previewFrame = frame; // what the six pieces show, for screen readers
    int x = 236;
    for (std::size_t i = 0; i < previews.size(); ++i) {
        auto* p = new QLabel(this);
        p->setObjectName(QString("Image%1").arg(i + 2));
        p->setGeometry(x, 144, previewPieces[i].width, 120);
        p->setScaledContents(true);
        markDecoration(p);
        previews[i] = p;
        x += previewPieces[i].width;
    }
    for (std::size_t i = 0; i < builtins.size(); ++i) {
        auto* p = new QLabel(this);
        p->setObjectName(QString("Image%1").arg(i + 8));
        p->setGeometry(0, 0, builtinWidths[i], 120);
        p->setPixmap(unpackedPicture(QString("preview%1").arg(i + 1)));
        p->hide();
        markDecoration(p);
        builtins[i] = p;
    }

    // The levels, each with its load button on the left.
    label(this, "Label6", tr("PLEASE SELECT  A SKILL LEVEL ."), QRect(386, 122, 236, 16));
    m_levels = new QButtonGroup(this);
    m_levels->setExclusive(true);
    for (int i = 0; i < levelCount; ++i) {
        const int y = 142 + 21 * i;
        auto* load = new QPushButton(QString("&%1").arg(i + 1), this);
        load->setObjectName(QString("btnld%1").arg(i + 1));
        load->setGeometry(386, y, 26, 20);
        load->setAutoDefault(true);
        load->hide();
        connect(load, &QPushButton::clicked, this, [this, i] { loadSavedGame(i + 1); });
        describeControl(load, tr("Load the saved game of level %1").arg(i + 1),
                        tr("Go on with the game you saved at level %1.").arg(i + 1));
        loadButtons[i] = load;
        auto* radio = new QRadioButton(tr(levelCaptions[i]), this);
        radio->setObjectName(QString("btnlevel%1").arg(i + 1));
        radio->setGeometry(418, y, 206, 20);
        radio->setToolTip(tr("A maze of %1 x %1 cells.").arg(mazeSizeOfLevel(i + 1)));
        describeControl(radio,
                        tr("Level %1: %2").arg(i + 1).arg(plainCaption(tr(levelCaptions[i]))),
                        radio->toolTip());
        m_levels->addButton(radio, i + 1);
        connect(radio, &QRadioButton::clicked, this, [this, i] {
            chooseLevel(i + 1);
            m_session.spoken.say(spokenLevel());
        });
        levelButtons[i] = radio;
    }
    levelButtons[defaultLevel - 1]->setChecked(true);
    rule(this, 284);
}

void OpeningScreen::buildButtons() {
    const auto button = [this](const char* name, const QString& text, const QString& hint,
                               QRect place) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(place);
        b->setToolTip(hint);
        b->setAutoDefault(true);
        return b;
    };
    label(this, "Label7", tr("LET'S GET STARTED!!!"), QRect(14, 306, 196, 16));
    enterButton = button("BitBtn2", tr("Enter"), tr("Start a new maze."), QRect(14, 326, 94, 30));
    enterButton->setDefault(true);
    exitButton = button("btnend", tr("E&xit."), tr("Leave the game."), QRect(116, 326, 94, 30));
    changePlayerButton = button("btnchangeplayer", tr("New &Player"), tr("Change the player."),
                                QRect(14, 364, 94, 30));
    instructionsButton =
        button("btninstructions", tr("&Instructions"), tr("How to play."), QRect(116, 364, 94, 30));
    aboutButton =
        button("BitBtn1", tr("&About..."), tr("About Quorvel 3-D."), QRect(14, 402, 94, 30));
    bestTimesButton = button("btntimes", tr("&Best times"), tr("The best times of every level."),
                             QRect(116, 402, 94, 30));
    QFont large = enterButton->font();
    large.setPixelSize(13);
    enterButton->setFont(large);
    exitButton->setFont(large);
    describeControl(exitButton, tr("Exit"), exitButton->toolTip());
    describeControl(aboutButton, tr("About"), aboutButton->toolTip());

    markDecoration(label(this, "lblintro", tr("Intro"), QRect(230, 346, 74, 16),
                         Qt::AlignHCenter | Qt::AlignVCenter)); // in the switch's name
    introButton =
        button("btnintro", tr("ON"), tr("The intro tune on or off (M)."), QRect(240, 364, 54, 30));
    describeControl(introButton, tr("Intro tune"), introButton->toolTip());
    introButton->setCheckable(true);
    introButton->setAutoDefault(false);
    introButton->setFocusPolicy(Qt::NoFocus);
    connect(introButton, &QPushButton::toggled, introButton,
            [this](bool down) { introButton->setText(down ? tr("ON") : tr("OFF")); });

    titlePicture = new QLabel(this);
    titlePicture->setObjectName("Imtitle");
    titlePicture->setGeometry(clientWidth - 14 - 300, 310, 300, 100);
    titlePicture->setPixmap(unpackedPicture("title"));
    titlePicture->setFrameShape(QFrame::NoFrame);
    markDecoration(titlePicture); // the title the window has
    QLabel* version =
        label(this, "lblversion",
              tr("Version %1.   Press M to switch the intro.").arg(qText(versionText())),
              QRect(clientWidth - 14 - 300, 416, 300, 16), Qt::AlignHCenter | Qt::AlignVCenter);
    version->setFont(formFont(11, false));

    connect(enterButton, &QPushButton::clicked, this, &OpeningScreen::startGame);
    connect(exitButton, &QPushButton::clicked, this, &OpeningScreen::leaveGame);
    connect(changePlayerButton, &QPushButton::clicked, this, &OpeningScreen::changePlayer);
    connect(instructionsButton, &QPushButton::clicked, this, &OpeningScreen::openInstructions);
    connect(bestTimesButton, &QPushButton::clicked, this, &OpeningScreen::openBestTimes);
    connect(aboutButton, &QPushButton::clicked, this, &OpeningScreen::openAbout);
    connect(introButton, &QPushButton::clicked, this, &OpeningScreen::toggleIntro);
}

// ---- showing, hiding, closing ----------------------------------------------------------

void OpeningScreen::showEvent(QShowEvent* event) {
    if (!m_placed) { // centred once; later it comes back where the player left it
        m_placed = true;
        centreFrame(this);
    }
    QWidget::showEvent(event);
    if (!event->spontaneous()) onShown();
}

void OpeningScreen::onShown() {
    m_inputHold->release(); // the player sees this screen again
    if (m_steppedAside) {
        m_steppedAside = false;
        activateWindow();
        return;
    }
    // The setup runs once the screen has appeared; one pending setup is enough.
    if (m_setupPending) return;
    m_setupPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_setupPending = false;
            setupScreen();
        },
        Qt::QueuedConnection);
}

void OpeningScreen::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) onHidden();
}

void OpeningScreen::onHidden() {
    m_session.sound->stopSound();
    if (!m_steppedAside && !trimText(m_session.playerName).empty())
        saveSettings(m_session.playerName, selectedLevel(), themeBox->currentText().toStdString());
}

void OpeningScreen::closeEvent(QCloseEvent* event) {
    if (m_generating) { // the maze being made opens the game next
        event->ignore();
        return;
    }
    event->accept();
    onClosed();
}

void OpeningScreen::onClosed() {
    if (!trimText(m_session.playerName).empty())
        m_session.sound->saveSoundSettings(m_session.playerName);
    emit programEnding();
}

void OpeningScreen::stepAside() {
    if (!isVisible()) return;
    m_steppedAside = true;
    hide();
}

void OpeningScreen::setupScreen() {
    if (!isVisible()) return;    // hidden again before the setup came round
    const SettingsHeld settings; // read once for the whole setup
    SoundService& sound = *m_session.sound;
    m_keys = KeyBindings::load();
    listThemesInBox();
    identifyPlayer(true);
    applySettings();
    m_session.themeName = themeBox->currentText().toStdString();
    showElided(playerLabel, qText(m_session.playerName));
    preview();
    sound.playIntro();
    showLoadButtons();
    {
        const QSignalBlocker quiet(introButton);
        introButton->setChecked(!sound.noIntro);
        introButton->setText(sound.noIntro ? tr("OFF") : tr("ON"));
    }
    emit bestTimesNeeded();
    loadTheme(m_session.catalogue, m_session.themeName);
    if (isVisible()) {
        activateWindow();
        enterButton->setFocus();
        m_session.spoken.say(spokenWords());
    }
}

// The theme list read again, with nothing selected.
void OpeningScreen::listThemesInBox() {
    const std::vector<std::string> themes = listThemes();
    const QSignalBlocker quiet(themeBox);
    themeBox->clear();
    for (const std::string& t : themes)
        themeBox->addItem(qText(t));
    themeBox->setCurrentIndex(-1);
}

// Names the player once per run: switch U, else the last player, offered in the name
// box; without askAlways the last player plays unasked when the name is usable. The
// name is stored as the last player and the player's sound settings are read.
void OpeningScreen::identifyPlayer(bool askAlways) {
    if (!trimText(m_session.playerName).empty()) return;
    // Read from the settings file the setup holds: no second read.
    const std::string stored = loadPlayer();
    // A blind player's first start (no player stored yet, a screen reader running)
    // speaks from the name box on; the speech service starts now.
    if (stored.empty() && screenReaderRunning()) m_session.spoken.startOn();
    std::string refusal; // a name from switch U that cannot be used, and why
    m_session.playerName = commandLinePlayer(m_session.namedPlayer, &refusal);
    if (trimText(m_session.playerName).empty()) {
        m_session.playerName = stored;
        const std::string& last = m_session.playerName;
        // The name box speaks when the player it offers plays by ear.
        if (playerNameProblem(last).empty()) m_session.spoken.applyPlayer(last);
        if (askAlways || !refusal.empty() || trimText(last).empty() ||
            !playerNameProblem(last).empty())
            askPlayerName(refusal);
    }
    savePlayer(m_session.playerName);
    m_session.sound->loadSoundSettings(m_session.playerName);
    m_session.spoken.applyPlayer(m_session.playerName);
    if (themeBox->currentIndex() < 0) {
        const int builtin = themeBox->findText(qText(defaultTheme));
        selectTheme(builtin >= 0 ? builtin : 0);
    }
}

// The player's level and theme from the settings file, put on the screen.
void OpeningScreen::applySettings() {
    const PlayerSettings stored =
        loadSettings(m_session.playerName, themeBox->currentText().toStdString());
    selectLevel(stored.skill);
    std::vector<std::string> themes;
    for (int i = 0; i < themeBox->count(); ++i)
        themes.push_back(themeBox->itemText(i).toStdString());
    selectTheme(findTheme(themes, stored.theme));
    showElided(themeCaption, themeBox->currentText());
    setLevelLabel();
}

void OpeningScreen::selectTheme(int index) {
    const QSignalBlocker quiet(themeBox);
    themeBox->setCurrentIndex(index < themeBox->count() ? index : 0);
}

// ---- the player's name -----------------------------------------------------------------

namespace {

// In the name box the speech key switches spoken play until a name is typed (a blind
// player's first key), and types nothing then; with Shift it types its capital, and once
// typing has begun it types as any letter.
class SpeechKeyInNameBox : public QObject {
  public:
    SpeechKeyInNameBox(QLineEdit* field, SpokenPlay& spoken, std::string words)
        : QObject(field), m_field(field), m_offered(field->text()), m_spoken(spoken),
          m_words(std::move(words)), m_keys(KeyBindings::load()) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool untyped = m_field->text() == m_offered || m_field->text().isEmpty();
        if (!untyped || key->modifiers() != Qt::NoModifier ||
            m_keys.actionOf(*key) != KeyAction::speech)
            return false;
        const bool on = !m_spoken.isOn();
        m_spoken.switchTo(on, {}, on ? m_words : std::string());
        return true;
    }

  private:
    QLineEdit* m_field;
    QString m_offered;
    SpokenPlay& m_spoken;
    std::string m_words;
    KeyBindings m_keys;
};

// The name box, centred frame and all on the screen's free area at each showing, as every
// dialog of the game is; nothing when it is cancelled.
std::optional<QString> nameBox(QWidget* parent, const QString& prompt, const QString& offered,
                               SpokenPlay& spoken) {
    // Owned by its parent too: should the parent go while the box is open, so does the box.
    const QPointer<QInputDialog> box = new QInputDialog(parent);
    box->setWindowTitle(OpeningScreen::tr("Welcome to Quorvel 3-D"));
    box->setLabelText(prompt);
    box->setTextValue(offered);
    (void)box->sizeHint(); // lays the box out: its buttons are there to be named
    if (auto* field = box->findChild<QLineEdit*>())
        describeControl(field, OpeningScreen::tr("Your name"), prompt);
    if (auto* buttons = box->findChild<QDialogButtonBox*>()) {
        describeControl(buttons, OpeningScreen::tr("Answers"), QString());
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            describeControl(ok, OpeningScreen::tr("OK"),
                            OpeningScreen::tr("Play under the name typed."));
        if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel))
            describeControl(cancel, OpeningScreen::tr("Cancel"),
                            OpeningScreen::tr("Play under the name offered."));
    }
    centreAtEveryShowing(box);
    const std::string words = dialogWords(
        box->windowTitle().toStdString(),
        joinSentences({prompt.toStdString(),
                       OpeningScreen::tr("The name offered: %1").arg(offered).toStdString()}),
        {{"OK", "Enter"}, {"Cancel", "Esc"}});
    if (auto* field = box->findChild<QLineEdit*>())
        field->installEventFilter(new SpeechKeyInNameBox(field, spoken, words));
    spoken.sayNow(words);
    const bool accepted = box->exec() == QDialog::Accepted;
    if (!box) return std::nullopt;
    const QString typed = box->textValue();
    delete box;
    if (!accepted) return std::nullopt;
    return typed;
}

// Why a typed name was refused: a plain information box titled with the program's title,
// centred like the name box it comes between.
void refuseName(const QString& text, SpokenPlay& spoken) {
    QMessageBox box(QMessageBox::Information, qText(applicationTitle), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setIconPixmap(messageIcon(MessageIcon::information, box.devicePixelRatioF()));
    describeControl(box.button(QMessageBox::Ok), OpeningScreen::tr("OK"),
                    OpeningScreen::tr("Type another name."));
    centreAtEveryShowing(&box);
    spoken.sayNow(dialogWords(applicationTitle, text.toStdString(), {{"OK", "Enter"}}));
    box.exec();
}

} // namespace

void OpeningScreen::askPlayerName(std::string why) {
    std::string& name = m_session.playerName;
    if (name.empty()) name = friendName;
    for (;;) {
        // A name refused without a message box of its own says why above the prompt.
        const std::string asked = tr(namePrompt).toStdString();
        const std::string prompt = why.empty() ? asked : why + "\n\n" + asked;
        why.clear();
        if (const std::optional<QString> typed =
                nameBox(this, qText(prompt), qText(name), m_session.spoken))
            name = typed->toStdString(); // cancelling keeps the name offered
        bool accepted = false;
        if (charcount(name) > maxNameLength) {
            name = friendName;
            refuseName(tr("The name you enter must not be over 12 characters."), m_session.spoken);
        } else if (hasBadChar(name)) {
            name = friendName;
            refuseName(tr("The name you enter can not contain \\ / : * ? \" < > | . or spaces"),
                       m_session.spoken);
        } else if (trimText(name).empty()) {
            name.clear(); // asked again, with "Friend" offered
        } else if (const std::string problem = playerNameProblem(name); !problem.empty()) {
            // Names the settings file could not keep apart ("=", a leading "[" or ";",
            // control characters) would mix up players' sections. "Friend" is offered,
            // so cancelling still ends the asking.
            name = friendName;
            why = tr("The name you enter can not be used: %1.").arg(qText(problem)).toStdString();
        } else {
            accepted = true;
        }
        if (isVisible()) repaint();
        if (accepted) return;
        if (name.empty()) name = friendName;
    }
}

// ---- preview, levels, load buttons -----------------------------------------------------

void OpeningScreen::preview() {
    const std::string& root = programFolder();
    const std::string& theme = m_session.themeName;
    if (checkFiles(root, theme)) {
        // The view pictures as the game will draw them: the theme's, or the built-in
        // ones when any of them cannot be read whole.
        const std::vector<std::string>& files = groupFiles(PictureGroup::strips);
        const std::optional<std::vector<QImage>> strips =
            themePictureGroup(themeFolder(root, theme), PictureGroup::strips);
        for (std::size_t i = 0; i < previews.size(); ++i) {
            const auto file = std::find(files.begin(), files.end(), previewPieces[i].file);
            previews[i]->setPixmap(
                strips
                    ? QPixmap::fromImage((*strips)[static_cast<std::size_t>(file - files.begin())])
                    : builtins[previewPieces[i].builtin]->pixmap());
            previews[i]->show();
        }
    } else if (theme == defaultTheme) {
        for (std::size_t i = 0; i < previews.size(); ++i) {
            previews[i]->setPixmap(builtins[previewPieces[i].builtin]->pixmap());
            previews[i]->show();
        }
    } else {
        return; // a listed theme that lost pictures keeps the preview it had
    }
    describeControl(previewFrame, tr("Theme preview"),
                    tr("Walls and doors of the theme %1.").arg(qText(theme)));
}

void OpeningScreen::showLoadButtons() {
    for (QPushButton* b : loadButtons)
        b->hide();
    for (int level = 1; level <= levelCount; ++level) {
        if (!hasSavedGameFile(m_session.playerName, level)) continue;
        loadButtons[level - 1]->setToolTip(tr("Load saved game"));
        loadButtons[level - 1]->show();
    }
}

int OpeningScreen::selectedLevel() const {
    const int id = m_levels->checkedId();
    return isLevel(id) ? id : defaultLevel;
}

void OpeningScreen::selectLevel(int level) {
    if (!isLevel(level)) level = defaultLevel;
    levelButtons[level - 1]->setChecked(true);
    chooseLevel(level);
}

QString OpeningScreen::levelCaption() const {
    return tr(levelCaptions[selectedLevel() - 1]);
}

void OpeningScreen::setLevelLabel() {
    levelLabel->setCaption(levelCaption());
}

void OpeningScreen::chooseLevel(int level) {
    if (levelButtons[level - 1]->isChecked()) setLevelLabel();
    showLoadButtons();
}

// ---- starting a game -------------------------------------------------------------------

void OpeningScreen::startGame() {
    // Until the showing's setup has run, the player may not be named yet; the setup
    // would then run while the maze is made, when no key reaches the name box.
    if (m_setupPending) return;
    startNewGame(std::nullopt);
}

void OpeningScreen::playMazeNumber(const MazeNumber& number) {
    if (!m_generating && !isVisible() && gameScreen()) {
        // What the first showing would do, without showing: the themes, the player,
        // the player's settings, the best times and the theme's words.
        {
            const SettingsHeld settings;
            listThemesInBox();
            identifyPlayer(false);
            applySettings();
            m_session.themeName = themeBox->currentText().toStdString();
            selectLevel(number.level); // the statistics name the level of this maze
            emit bestTimesNeeded();
            loadTheme(m_session.catalogue, m_session.themeName);
        }
        startNewGame(number.state);
    }
    // The program always has a window: this screen when no game came of the number.
    const GameScreen* game = gameScreen();
    if (!isVisible() && !(game && game->isVisible())) show();
}

// A new maze of the selected level: from the state of a maze number, or else from
// the clock, as "Enter" does.
void OpeningScreen::startNewGame(std::optional<std::uint32_t> state) {
    if (m_generating) return;
    markTime("start");
    GameSession* game = play();
    if (!gameScreen() || !game) return;
    m_inputHold->hold(false);
    connect(game, &GameSession::themeReset, this, &OpeningScreen::themeReset, Qt::UniqueConnection);
    game->prepareNewGame(); // a theme that lost pictures gives way
    QApplication::setOverrideCursor(Qt::WaitCursor);

    // Making the maze: the window stays painted; keys and clicks meanwhile are dropped,
    // those already on their way included.
    m_generating = true;
    m_inputHold->hold(true);
    game->makeNewMaze(selectedLevel(), state, [] { QCoreApplication::processEvents(); });
    m_inputHold->hold(false);
    m_generating = false;

    openGame();
    QApplication::restoreOverrideCursor();
    emit storyWanted(m_session.themeName);
    if (isVisible()) m_inputHold->release(); // no game came of it
}

// The theme chosen lost pictures: the built-in one is selected, and the player told.
void OpeningScreen::themeReset() {
    selectTheme(0);
    showMessage(tr(themeResetMessage).toStdString());
}

// Shows the game screen (which hides this one) and the map window; the game gets the keys.
void OpeningScreen::openGame() {
    GameScreen* screen = gameScreen();
    markNextPaint(screen->viewWidget(), "view");
    screen->show();
    screen->raise();
    if (MapWindow* map = mapWindow()) {
        map->show();
        map->raise(); // over the free corner of the game screen it is placed on
    }
    screen->activateWindow();
    screen->setFocus();
}

void OpeningScreen::loadSavedGame(int level) {
    selectLevel(level);
    startSavedGame(level);
}

void OpeningScreen::startSavedGame(int level) {
    if (m_generating || m_setupPending || !gameScreen() || !play()) return; // as for Enter
    m_inputHold->hold(false);
    startSavedGameHeld(level);
    if (isVisible()) m_inputHold->release(); // no game came of it
}

void OpeningScreen::startSavedGameHeld(int level) {
    if (play()->takeSavedGame(level)) openGame();
}

// ---- the other buttons -----------------------------------------------------------------

void OpeningScreen::leaveGame() {
    close();
}

void OpeningScreen::changePlayer() {
    saveSettings(m_session.playerName, selectedLevel(), themeBox->currentText().toStdString());
    askPlayerName();
    savePlayer(m_session.playerName);
    applySettings();
    m_session.themeName = themeBox->currentText().toStdString();
    showElided(playerLabel, qText(m_session.playerName));
    showElided(themeCaption, qText(m_session.themeName));
    preview();
    showLoadButtons();
    m_session.spoken.applyPlayer(m_session.playerName);
    m_session.spoken.say(spokenWords());
}

void OpeningScreen::chooseTheme() {
    m_session.themeName = themeBox->currentText().toStdString();
    loadTheme(m_session.catalogue, m_session.themeName);
    showElided(playerLabel, qText(m_session.playerName));
    showElided(themeCaption, qText(m_session.themeName));
    preview();
    m_session.spoken.say(tr("Theme: %1").arg(qText(m_session.themeName)).toStdString());
}

void OpeningScreen::toggleIntro() {
    SoundService& sound = *m_session.sound;
    if (introButton->isChecked()) {
        sound.noIntro = false;
        sound.playIntro();
    } else {
        sound.noIntro = true;
        sound.stopSound();
    }
}

void OpeningScreen::openBestTimes() {
    emit bestTimesWanted();
}

void OpeningScreen::openInstructions() {
    emit instructionsWanted();
}

void OpeningScreen::openAbout() {
    emit aboutWanted(m_session.themeName);
    repaint();
}

// ---- keys ------------------------------------------------------------------------------

// M toggles the intro and V (or the key the [Keys] section gives spoken play) speech
// wherever the focus is; other keys go their usual way.
bool OpeningScreen::handleKey(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text().toUpper();
    if (m_keys.actionOf(*event) == KeyAction::speech) {
        switchSpeech();
        return true;
    }
    if (text != "M") return false;
    introButton->toggle();
    toggleIntro();
    return true;
}

// ---- spoken play -----------------------------------------------------------------------

void OpeningScreen::switchSpeech() {
    SpokenPlay& spoken = m_session.spoken;
    const bool on = !spoken.isOn();
    spoken.switchTo(on, m_session.playerName, on ? spokenWords() : std::string());
}

std::string OpeningScreen::spokenLevel() const {
    const int level = selectedLevel();
    const std::string side = std::to_string(mazeSizeOfLevel(level));
    return tr("Skill level: %1, a maze of %2 by %2 cells")
        .arg(qText(levelTitle(level)), qText(side))
        .toStdString();
}

std::string OpeningScreen::spokenWords() const {
    std::vector<int> saved;
    for (int level = 1; level <= levelCount; ++level)
        if (loadButtons[level - 1]->isVisibleTo(this)) saved.push_back(level);
    std::string savedWords;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (i > 0) savedWords += i + 1 == saved.size() ? tr(" and ").toStdString() : ", ";
        savedWords += std::to_string(saved[i]);
    }
    // The speech key the [Keys] section gives, as the game screen has it.
    const std::string key = m_keys.keyName(KeyAction::speech);
    const std::string speechKey =
        key == "none" ? "" : tr("%1 switches speech on or off; ").arg(qText(key)).toStdString();
    return joinSentences(
        {"Quorvel 3-D", tr("Player: %1").arg(qText(m_session.playerName)).toStdString(),
         spokenLevel(), tr("Theme: %1").arg(themeBox->currentText()).toStdString(),
         (saved.empty()       ? tr("No saved games")
          : saved.size() == 1 ? tr("A saved game of level %1; Alt and the level's number loads it")
                                    .arg(qText(savedWords))
                              : tr("Saved games of levels %1; Alt and the level's number loads it")
                                    .arg(qText(savedWords)))
             .toStdString(),
         tr("Keys: Enter starts a new maze; Alt and E, L, R, N, H or O chooses the skill level; "
            "Alt and P changes the player; %1Esc leaves the game")
             .arg(qText(speechKey))
             .toStdString()});
}

bool OpeningScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

void OpeningScreen::keyPressEvent(QKeyEvent* event) {
    if (handleKey(event)) return;
    switch (event->key()) {
    case Qt::Key_Escape: exitButton->click(); return; // the cancel button
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (enterButton->isVisible() && enterButton->isEnabled())
            enterButton->click(); // the default button
        return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace quorvel
