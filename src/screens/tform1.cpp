#include "tform1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include "dialogs.h"
#include "enhcombo.h"
#include "generator.h"
#include "progfolder.h"
#include "resources.h"
#include "session.h"
#include "settingsfile.h"
#include "startup.h"
#include "textutil.h"
#include "tfmap.h"
#include "tform2.h"
#include "theme.h"

namespace quorvel {

namespace {

constexpr int clientwidth = 632;
constexpr int clientheight = 453;
constexpr int maxnamelength = 12;

const char* const friendname = "Friend";

// The level captions; "&" marks the accelerator.
const std::array<const char*, 6> levelcaptions = {
    "Nice -n- &Easy...",           "A &little harder now...", "A &real challenge...",
    "&Now we're getting there...", "O.K. This is &hard...",   "&Only for the Strongest...",
};

const char* const themeresetmessage = "Either the theme entered was not a valid path or\n"
                                      "     One or more files were missing or corrupt.\n"
                                      "\n"
                                      "      The theme has been reset to the defalt.\n"
                                      "                    < Back to basics <Default> >.";

// The preview: which picture of a theme each of Image2..Image7 shows, and how wide it is.
struct PreviewPiece {
    const char* file;
    int width;
    int builtin; ///< index of the built-in piece, Image8..Image13
};
const std::array<PreviewPiece, 6> previewpieces = {{
    {"wall3.bmp", 30, 0},
    {"door4.bmp", 20, 2},
    {"middle7.bmp", 10, 4},
    {"middle12.bmp", 10, 5},
    {"wall6.bmp", 20, 3},
    {"door5.bmp", 30, 1},
}};
// Image8..Image13: the built-in pieces and their widths.
const std::array<int, 6> builtinwidths = {30, 30, 20, 20, 10, 10};

QString qtext(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont formfont(int pixels = 11, bool bold = true) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont headerfont() {
    QFont f("Liberation Serif");
    f.setPixelSize(24);
    f.setBold(true);
    f.setItalic(true);
    return f;
}

// A caption's text with its accelerator underlined, for labels that only show it.
QString underlined(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == '&' && i + 1 < caption.size()) {
            const QChar next = caption.at(++i);
            out += next == '&' ? QString("&amp;") : "<u>" + QString(next).toHtmlEscaped() + "</u>";
        } else {
            out += QString(c).toHtmlEscaped();
        }
    }
    return out;
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
    line->setGeometry(8, y, clientwidth - 16, 2);
    return line;
}

} // namespace

bool hasbadchar(const std::string& name) {
    return name.find_first_of(" \"*./:<>?\\|") != std::string::npos;
}

Tform1::Tform1(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_session(session) {
    initresources();
    setObjectName("Tform1");
    setWindowTitle(qtext(applicationtitle));
    setFixedSize(clientwidth, clientheight);
    setFont(formfont());
    endprogram = [] {
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    };
    build();
    preview(); // the built-in pictures until the player's theme is known
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    openingscreencreate(); // FormCreate: old settings moved, own dialogs, registry entry
}

Tform1::~Tform1() = default;

void Tform1::setwindows(Tform2* gamescreen, TfMap* mapwindow) {
    m_game = gamescreen;
    m_map = mapwindow;
}

// ---- building the screen ---------------------------------------------------------------

void Tform1::build() {
    buildheader();
    buildcolumns();
    buildbuttons();

    // Every control hands the intro key and the form keys to the screen.
    for (QWidget* child : findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus) child->installEventFilter(this);
}

void Tform1::buildheader() {
    const QFont big = headerfont();
    const std::array<const char*, 3> captions = {"Player's name: ", "Skill level: ", "Theme: "};
    std::array<QLabel*, 3> values{};
    const std::array<const char*, 3> names = {"lblyourname", "Lbllevel2", "lbltheme2"};
    for (int i = 0; i < 3; ++i) {
        const int y = 8 + 32 * i;
        QLabel* caption =
            label(this, "", captions[i], QRect(8, y, 196, 32), Qt::AlignRight | Qt::AlignVCenter);
        caption->setFont(big);
        values[i] = label(this, names[i], "", QRect(204, y, clientwidth - 212, 32));
        values[i]->setFont(big);
        QPalette p = values[i]->palette();
        p.setColor(QPalette::WindowText, QColor(128, 0, 0));
        values[i]->setPalette(p);
    }
    lblyourname = values[0];
    Lbllevel2 = values[1];
    Lbllevel2->setTextFormat(Qt::RichText);
    lbltheme2 = values[2];
    lbltheme2->setTextFormat(Qt::PlainText);
    lblyourname->setTextFormat(Qt::PlainText);
    rule(this, 110);
}

void Tform1::buildcolumns() {
    // The theme list.
    boxtheme = new TEnhCombo(this);
    boxtheme->setObjectName("boxtheme");
    boxtheme->setGeometry(14, 144, 196, 24);
    boxtheme->setToolTip("The look, words and sounds of the maze.");
    QLabel* themehead = label(this, "Label4", "PLEASE SELECT A &THEME .", QRect(14, 122, 196, 16));
    themehead->setBuddy(boxtheme);
    connect(boxtheme, &QComboBox::activated, this, [this] { boxthemeChange(); });
    QLabel* themehint =
        label(this, "lblthemehint",
              "A theme is a folder beside the game with its own walls, words and sounds.",
              QRect(14, 176, 196, 44), Qt::AlignLeft | Qt::AlignTop);
    themehint->setWordWrap(true);
    themehint->setFont(formfont(11, false));
    QPalette grey = themehint->palette();
    grey.setColor(QPalette::WindowText, QColor(96, 96, 96));
    themehint->setPalette(grey);

    // The preview, in a sunken frame.
    label(this, "Label5", "PREVIEW.", QRect(230, 122, 132, 16),
          Qt::AlignHCenter | Qt::AlignVCenter);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setGeometry(234, 142, 124, 124);
    int x = 236;
    for (std::size_t i = 0; i < previews.size(); ++i) {
        auto* p = new QLabel(this);
        p->setObjectName(QString("Image%1").arg(i + 2));
        p->setGeometry(x, 144, previewpieces[i].width, 120);
        p->setScaledContents(true);
        previews[i] = p;
        x += previewpieces[i].width;
    }
    for (std::size_t i = 0; i < builtins.size(); ++i) {
        auto* p = new QLabel(this);
        p->setObjectName(QString("Image%1").arg(i + 8));
        p->setGeometry(0, 0, builtinwidths[i], 120);
        p->setPixmap(QPixmap(QString(":/pictures/preview%1.png").arg(i + 1)));
        p->hide();
        builtins[i] = p;
    }

    // The levels, each with its load button on the left.
    label(this, "Label6", "PLEASE SELECT  A SKILL LEVEL .", QRect(386, 122, 236, 16));
    m_levels = new QButtonGroup(this);
    m_levels->setExclusive(true);
    for (int i = 0; i < 6; ++i) {
        const int y = 142 + 21 * i;
        auto* load = new QPushButton(QString("&%1").arg(i + 1), this);
        load->setObjectName(QString("btnld%1").arg(i + 1));
        load->setGeometry(386, y, 26, 20);
        load->setAutoDefault(true);
        load->hide();
        connect(load, &QPushButton::clicked, this, [this, i] { btnldClick(i + 1); });
        btnld[i] = load;
        auto* radio = new QRadioButton(levelcaptions[i], this);
        radio->setObjectName(QString("btnlevel%1").arg(i + 1));
        radio->setGeometry(418, y, 206, 20);
        radio->setToolTip(QString("A maze of %1 x %1 cells.").arg(20 * (i + 1)));
        m_levels->addButton(radio, i + 1);
        connect(radio, &QRadioButton::clicked, this, [this, i] { btnlevelClick(i + 1); });
        btnlevel[i] = radio;
    }
    btnlevel[1]->setChecked(true);
    rule(this, 284);
}

void Tform1::buildbuttons() {
    const auto button = [this](const char* name, const QString& text, const QString& hint,
                               QRect place) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(place);
        b->setToolTip(hint);
        b->setAutoDefault(true);
        return b;
    };
    label(this, "Label7", "LET'S GET STARTED!!!", QRect(14, 306, 196, 16));
    BitBtn2 = button("BitBtn2", "Enter", "Start a new maze.", QRect(14, 326, 94, 30));
    BitBtn2->setDefault(true);
    btnend = button("btnend", "E&xit.", "Leave the game.", QRect(116, 326, 94, 30));
    btnchangeplayer =
        button("btnchangeplayer", "New &Player", "Change the player.", QRect(14, 364, 94, 30));
    btninstructions =
        button("btninstructions", "&Instructions", "How to play.", QRect(116, 364, 94, 30));
    BitBtn1 = button("BitBtn1", "&About...", "About Quorvel 3-D.", QRect(14, 402, 94, 30));
    btntimes = button("btntimes", "&Best times", "The best times of every level.",
                      QRect(116, 402, 94, 30));
    QFont large = BitBtn2->font();
    large.setPixelSize(13);
    BitBtn2->setFont(large);
    btnend->setFont(large);

    label(this, "lblintro", "Intro", QRect(230, 346, 74, 16), Qt::AlignHCenter | Qt::AlignVCenter);
    btnintro = button("btnintro", "ON", "The intro tune on or off (M).", QRect(240, 364, 54, 30));
    btnintro->setCheckable(true);
    btnintro->setAutoDefault(false);
    btnintro->setFocusPolicy(Qt::NoFocus);
    connect(btnintro, &QPushButton::toggled, btnintro,
            [this](bool down) { btnintro->setText(down ? "ON" : "OFF"); });

    Imtitle = new QLabel(this);
    Imtitle->setObjectName("Imtitle");
    Imtitle->setGeometry(clientwidth - 14 - 300, 310, 300, 100);
    Imtitle->setPixmap(QPixmap(":/pictures/title.png"));
    Imtitle->setFrameShape(QFrame::NoFrame);
    QLabel* version = label(
        this, "lblversion", qtext("Version " + versiontext() + ".   Press M to switch the intro."),
        QRect(clientwidth - 14 - 300, 416, 300, 16), Qt::AlignHCenter | Qt::AlignVCenter);
    version->setFont(formfont(11, false));

    connect(BitBtn2, &QPushButton::clicked, this, &Tform1::btnstartClick);
    connect(btnend, &QPushButton::clicked, this, &Tform1::btnendClick);
    connect(btnchangeplayer, &QPushButton::clicked, this, &Tform1::btnchangeplayerClick);
    connect(btninstructions, &QPushButton::clicked, this, &Tform1::btninstructionsClick);
    connect(btntimes, &QPushButton::clicked, this, &Tform1::btntimesClick);
    connect(BitBtn1, &QPushButton::clicked, this, &Tform1::BitBtn1Click);
    connect(btnintro, &QPushButton::clicked, this, &Tform1::btnintroClick);
}

// ---- showing, hiding, closing ----------------------------------------------------------

void Tform1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void Tform1::FormShow() {
    // The setup runs once the screen has appeared; one pending setup is enough.
    if (m_setuppending) return;
    m_setuppending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_setuppending = false;
            setupscreen();
        },
        Qt::QueuedConnection);
}

void Tform1::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

void Tform1::FormHide() {
    m_session.sound->stopsound();
    if (!trimtext(m_session.playername).empty())
        savesettings(m_session.playername, selectedlevel(), boxtheme->currentText().toStdString());
}

void Tform1::closeEvent(QCloseEvent* event) {
    if (m_generating) { // the maze being made opens the game next
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

void Tform1::FormClose() {
    if (!trimtext(m_session.playername).empty())
        m_session.sound->savesoundsettings(m_session.playername);
    if (endprogram) endprogram();
}

void Tform1::setupscreen() {
    if (!isVisible()) return; // hidden again before the setup came round
    SoundService& sound = *m_session.sound;
    std::vector<std::string> themes = listthemes();
    {
        const QSignalBlocker quiet(boxtheme);
        boxtheme->clear();
        for (const std::string& t : themes)
            boxtheme->addItem(qtext(t));
        boxtheme->setCurrentIndex(-1);
    }
    if (trimtext(m_session.playername).empty()) {
        std::string refusal;
        m_session.playername = commandlineplayer(&refusal);
        if (!refusal.empty()) showmessage(refusal);
        if (trimtext(m_session.playername).empty()) {
            m_session.playername = loadplayer();
            Getname();
        }
        saveplayer(m_session.playername);
        sound.loadsoundsettings(m_session.playername);
        if (boxtheme->currentIndex() < 0) {
            const int builtin = boxtheme->findText(qtext(defaulttheme));
            selecttheme(builtin >= 0 ? builtin : 0);
        }
    }
    applysettings();
    m_session.themename = boxtheme->currentText().toStdString();
    lblyourname->setText(qtext(m_session.playername));
    preview();
    sound.playintro();
    showloadbuttons();
    {
        const QSignalBlocker quiet(btnintro);
        btnintro->setChecked(!sound.nointro);
        btnintro->setText(sound.nointro ? "OFF" : "ON");
    }
    if (loadbesttimes) loadbesttimes();
    loadtheme(m_session.catalogue, m_session.themename);
    if (isVisible()) {
        activateWindow();
        BitBtn2->setFocus();
    }
}

// The player's level and theme from the settings file, put on the screen.
void Tform1::applysettings() {
    const PlayerSettings stored =
        loadsettings(m_session.playername, boxtheme->currentText().toStdString());
    selectlevel(stored.skill);
    std::vector<std::string> themes;
    for (int i = 0; i < boxtheme->count(); ++i)
        themes.push_back(boxtheme->itemText(i).toStdString());
    selecttheme(findtheme(themes, stored.theme));
    lbltheme2->setText(boxtheme->currentText());
    setlevellabel();
}

void Tform1::selecttheme(int index) {
    const QSignalBlocker quiet(boxtheme);
    boxtheme->setCurrentIndex(index < boxtheme->count() ? index : 0);
}

// ---- the player's name -----------------------------------------------------------------

void Tform1::Getname() {
    std::string& name = m_session.playername;
    if (name.empty()) name = friendname;
    for (;;) {
        bool ok = false;
        const QString typed = QInputDialog::getText(this, "Welcome to Quorvel 3-D",
                                                    "Please enter your name (up to 12 characters).",
                                                    QLineEdit::Normal, qtext(name), &ok);
        if (ok) name = typed.toStdString(); // cancelling keeps the name offered
        bool accepted = false;
        if (charcount(name) > maxnamelength) {
            name = friendname;
            showmessage("The name you enter must not be over 12 characters.");
        } else if (hasbadchar(name)) {
            name = friendname;
            showmessage("The name you enter can not contain \\ / : * ? \" < > | . or spaces");
        } else if (trimtext(name).empty()) {
            name.clear(); // asked again, with "Friend" offered
        } else if (const std::string problem = playernameproblem(name); !problem.empty()) {
            // Names the settings file could not keep apart ("=", a leading "[" or ";",
            // control characters) would mix up players' sections.
            name = friendname;
            showmessage(problem);
        } else {
            accepted = true;
        }
        if (isVisible()) repaint();
        if (accepted) return;
        if (name.empty()) name = friendname;
    }
}

// ---- preview, levels, load buttons -----------------------------------------------------

void Tform1::preview() {
    const std::string& root = progfolder();
    const std::string& theme = m_session.themename;
    if (checkfiles(root, theme)) {
        const std::string folder = themefolder(root, theme);
        for (std::size_t i = 0; i < previews.size(); ++i) {
            const std::string path = themefile(folder, previewpieces[i].file);
            QPixmap picture(qtext(path));
            if (picture.isNull()) { // unreadable: a dark piece rather than a stale one
                picture = QPixmap(previewpieces[i].width, 120);
                picture.fill(Qt::black);
            }
            previews[i]->setPixmap(picture);
            previews[i]->show();
        }
    } else if (theme == defaulttheme) {
        for (std::size_t i = 0; i < previews.size(); ++i) {
            previews[i]->setPixmap(builtins[previewpieces[i].builtin]->pixmap());
            previews[i]->show();
        }
    }
    // A listed theme that lost pictures keeps the preview it had.
}

void Tform1::showloadbuttons() {
    for (QPushButton* b : btnld)
        b->hide();
    for (int level = 1; level <= 6; ++level) {
        const std::string path = savedgamepath(m_session.playername, level);
        if (path.empty() || !QFileInfo(qtext(path)).isFile()) continue;
        btnld[level - 1]->setToolTip("Load saved game");
        btnld[level - 1]->show();
    }
}

int Tform1::selectedlevel() const {
    const int id = m_levels->checkedId();
    return id >= 1 && id <= 6 ? id : 2;
}

void Tform1::selectlevel(int level) {
    if (level < 1 || level > 6) level = 2;
    btnlevel[level - 1]->setChecked(true);
    btnlevelClick(level);
}

QString Tform1::levelcaption() const {
    return levelcaptions[selectedlevel() - 1];
}

void Tform1::setlevellabel() {
    Lbllevel2->setText(underlined(levelcaption()));
}

void Tform1::btnlevelClick(int level) {
    if (btnlevel[level - 1]->isChecked()) setlevellabel();
    showloadbuttons();
}

// ---- starting a game -------------------------------------------------------------------

void Tform1::btnstartClick() {
    if (m_generating || !m_game) return;
    SoundService& sound = *m_session.sound;
    Game& game = m_game->game();
    Maze& maze = game.maze();
    sound.stopsound();
    game.state().newgame = true;
    const int level = selectedlevel();
    m_session.rng.seedrand();
    maze.mazesize = 20 * level;

    // A theme that lost pictures since it was listed: the game starts in the built-in one.
    const std::string& root = progfolder();
    if (!checkfiles(root, m_session.themename) && m_session.themename != defaulttheme) {
        selecttheme(0);
        showmessage(themeresetmessage);
        m_session.themename = std::string(defaulttheme);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);

    // Making the maze: the window stays painted, but clicks and keys wait for the game.
    m_generating = true;
    const ServiceEvents breathe = [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    while (generatemaze(maze, m_session.rng, breathe)) {
    }
    m_generating = false;

    if (m_map)
        m_map->setupmap(m_game, &maze, m_session.playername, maze.compassturn, maze.mazesize);
    sound.playsoundfx(m_session.themename, "start", "", 2);
    sound.playmusic(m_session.themename, "Music");
    opengame();
    QApplication::restoreOverrideCursor();
    if (startstory) startstory(m_session.themename);
}

// Shows the game screen (which hides this one) and the map window; the game gets the keys.
void Tform1::opengame() {
    m_game->show();
    m_game->raise();
    if (m_map) {
        m_map->show();
        m_map->raise(); // over the free corner of the game screen it is placed on
    }
    m_game->activateWindow();
    m_game->setFocus();
}

void Tform1::btnldClick(int level) {
    selectlevel(level);
    startsavedgame(level);
}

void Tform1::startsavedgame(int level) {
    if (m_generating || !m_game) return;
    SoundService& sound = *m_session.sound;
    Game& game = m_game->game();
    sound.stopsound();
    game.state().newgame = false;
    level = selectedlevel();
    m_session.rng.seedrand();
    game.maze().mazesize = 20 * level;
    const std::string path = savedgamepath(m_session.playername, level);
    if (path.empty() || !QFileInfo(qtext(path)).isFile()) return;
    if (m_map)
        m_map->setupmap(m_game, &game.maze(), m_session.playername, game.maze().compassturn,
                        game.maze().mazesize);
    if (!loadgame || !loadgame(m_session.playername, level)) return;
    sound.playmusic(m_session.themename, "Music");
    opengame();
}

// ---- the other buttons -----------------------------------------------------------------

void Tform1::btnendClick() {
    close();
}

void Tform1::btnchangeplayerClick() {
    savesettings(m_session.playername, selectedlevel(), boxtheme->currentText().toStdString());
    Getname();
    saveplayer(m_session.playername);
    applysettings();
    m_session.themename = boxtheme->currentText().toStdString();
    lblyourname->setText(qtext(m_session.playername));
    lbltheme2->setText(qtext(m_session.themename));
    preview();
    showloadbuttons();
}

void Tform1::boxthemeChange() {
    m_session.themename = boxtheme->currentText().toStdString();
    loadtheme(m_session.catalogue, m_session.themename);
    lblyourname->setText(qtext(m_session.playername));
    lbltheme2->setText(qtext(m_session.themename));
    preview();
}

void Tform1::btnintroClick() {
    SoundService& sound = *m_session.sound;
    if (btnintro->isChecked()) {
        sound.nointro = false;
        sound.playintro();
    } else {
        sound.nointro = true;
        sound.stopsound();
    }
}

void Tform1::btntimesClick() {
    if (showbesttimes) showbesttimes();
}

void Tform1::btninstructionsClick() {
    if (showinstructions) showinstructions();
}

void Tform1::BitBtn1Click() {
    if (!showabout) return;
    showabout(m_session.themename);
    repaint();
}

// ---- keys ------------------------------------------------------------------------------

// M toggles the intro wherever the focus is; other keys go their usual way.
bool Tform1::FormKeyPress(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    if (text != "m" && text != "M") return false;
    btnintro->toggle();
    btnintroClick();
    return true;
}

bool Tform1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FormKeyPress(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tform1::keyPressEvent(QKeyEvent* event) {
    if (FormKeyPress(event)) return;
    switch (event->key()) {
    case Qt::Key_Escape: btnend->click(); return; // the cancel button
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (BitBtn2->isVisible() && BitBtn2->isEnabled()) BitBtn2->click(); // the default button
        return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace quorvel
