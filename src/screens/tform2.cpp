#include "tform2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "access.h"
#include "dialogs.h"
#include "inifile.h"
#include "messagepanel.h"
#include "progfolder.h"
#include "savedgames.h"
#include "session.h"
#include "settingsfile.h"
#include "textutil.h"
#include "tfmap.h"
#include "tfmwinner.h"
#include "theme.h"
#include "viewcomposer.h"

namespace quorvel {

namespace {

constexpr int clientwidth = 632;
constexpr int clientheight = 453;

QFont formfont(int pixels = 11, bool bold = false) {
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

// The item code of each tool, for its hint.
int toolcode(Tool tool) {
    switch (tool) {
    case Tool::compass: return 7;
    case Tool::gps: return 8;
    case Tool::beacon: return 9;
    case Tool::tracker: return 10;
    case Tool::detector: return 11;
    }
    return 0;
}

} // namespace

Tform2::Tform2(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_session(session), m_game(*this, session.rng, *session.clock),
      m_composer(std::make_unique<ViewComposer>()) {
    setObjectName("Tform2");
    setWindowTitle("Quorvel 3-D.");
    setFixedSize(clientwidth, clientheight);
    setFont(formfont());
    setFocusPolicy(Qt::StrongFocus);
    build();
}

Tform2::~Tform2() = default;

void Tform2::build() {
    mazeimage2 = picture(this, "mazeimage2", 5, 5, viewsize, viewsize);

    Panel3 = new QFrame(this);
    Panel3->setObjectName("Panel3");
    Panel3->setGeometry(5, 247, 240, 22);
    Panel3->setAutoFillBackground(true);
    QPalette silver = Panel3->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    Panel3->setPalette(silver);
    lblname = label(Panel3, "lblname", "", 8, 3, 180, 16);
    lblname->setFont(formfont(11, true));
    Image1 = picture(Panel3, "Image1", 196, 3, 40, 16);
    Image1->setPixmap(QPixmap(":/pictures/sidebackdrop.png"));
    LeftSpace = picture(Panel3, "LeftSpace", 198, 4, 16, 16);
    RightSpace = picture(Panel3, "RightSpace", 218, 4, 16, 16);
    LeftSpace->setToolTip("An opening to the left.");
    RightSpace->setToolTip("An opening to the right.");

    const auto button = [this](const char* name, const QString& text, const QString& hint, int x,
                               int y, int w, int h) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(x, y, w, h);
        b->setToolTip(hint);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    btnmove = button("btnmove", QString::fromUtf8("\u25B2"), "Move forward.", 57, 277, 33, 25);
    btnturnleft = button("btnturnleft", QString::fromUtf8("\u25C0"), "Turn left.", 25, 309, 29, 25);
    btnuse = button("btnuse", "U", "", 61, 309, 25, 25);
    btnuse->setEnabled(false);
    btnturnright =
        button("btnturnright", QString::fromUtf8("\u25B6"), "Turn right.", 93, 309, 29, 25);
    btnturnback = button("btnturnback", QString::fromUtf8("\u25BC"), "Step back.", 57, 341, 33, 25);
    label(this, "Label1", "Sounds", 21, 369);
    label(this, "Label2", "Music", 89, 369);
    btnsounds = button("btnsounds", "S", "Sounds on or off (S).", 25, 385, 33, 25);
    btnmusic = button("btnmusic", "M", "Music on or off (M).", 89, 385, 33, 25);
    btnsounds->setCheckable(true);
    btnmusic->setCheckable(true);
    lblsounds = label(this, "lblsounds", "ON", 61, 391, 26, 14);
    lblmusic = label(this, "lblmusic", "ON", 125, 391, 30, 14);
    btnquit = button("btnquit", "&Quit Maze...", "Quit this maze.", 28, 421, 91, 25);

    imcompass = picture(this, "imcompass", 161, 285, 72, 148);
    imcompass->hide();

    // The item panel.
    Panel5 = new QFrame(this);
    Panel5->setObjectName("Panel5");
    Panel5->setGeometry(253, 110, 157, 340);
    Panel5->setFrameShape(QFrame::Panel);
    Panel5->setFrameShadow(QFrame::Raised);
    QLabel* items = label(Panel5, "Label12", "ITEMS :", 8, 8);
    items->setFont(formfont(11, true));
    gbitems = new QGroupBox(Panel5);
    gbitems->setObjectName("gbitems");
    gbitems->setGeometry(6, 28, 145, 305);
    imcomp = picture(gbitems, "imcomp", 12, 15, 37, 36);
    imdetector = picture(gbitems, "imdetector", 12, 55, 37, 36);
    imbeacon = picture(gbitems, "imbeacon", 12, 95, 37, 36);
    imgps = picture(gbitems, "imgps", 12, 135, 37, 36);
    imtrack = picture(gbitems, "imtrack", 12, 175, 37, 36);
    imfood = picture(gbitems, "imfood", 53, 15, 37, 36);
    imstone = picture(gbitems, "imstone", 53, 55, 37, 36);
    imlight = picture(gbitems, "imlight", 53, 95, 37, 36);
    const auto counter = [this](const char* name, int y) {
        label(gbitems, "", "=", 93, y);
        QLabel* l = label(gbitems, name, "0", 103, y, 40, 14);
        l->setFont(formfont(11, true));
        return l;
    };
    lblfood = counter("lblfood", 24);
    lblstone = counter("lblstone", 64);
    lblbatcount = counter("lblbatcount", 104);

    // The message panel, and the clock panel that shares its indicator.
    Panel1 = new MessagePanel(this);
    Panel6 = new QFrame(this);
    Panel6->setObjectName("Panel6");
    Panel6->setGeometry(408, 110, 220, 88);
    Panel6->setFrameShape(QFrame::Panel);
    Panel6->setFrameShadow(QFrame::Raised);
    Panel6->setAutoFillBackground(true);
    QPalette gray = Panel6->palette();
    gray.setColor(QPalette::Window, QColor(128, 128, 128));
    gray.setColor(QPalette::WindowText, Qt::white);
    Panel6->setPalette(gray);
    Panel1->placeindicator(Panel6);
    QLabel* timecaption = label(Panel6, "Label4", "Time in maze:", 117, 9);
    lblElapsed = label(Panel6, "lblElapsed", "0 days, 00:00:00", 117, 26, 100, 14);
    QLabel* stepcaption = label(Panel6, "Label5", "Stepcounter:", 119, 46);
    lblstepcounter = label(Panel6, "lblstepcounter", "0", 119, 63, 90, 14);
    lblstepcounter->setToolTip("Current number of steps taken in maze.");
    for (QLabel* l : {lblElapsed, lblstepcounter})
        l->setFont(formfont(11, true));
    for (QLabel* l : {timecaption, stepcaption})
        l->setStyleSheet("color: rgb(255, 255, 0);");

    GameTimer = new QTimer(this);
    GameTimer->setObjectName("GameTimer");
    GameTimer->setInterval(1000);
    RunTimer = new QTimer(this);
    RunTimer->setObjectName("RunTimer");
    RunTimer->setInterval(200);
    connect(GameTimer, &QTimer::timeout, this, [this] { m_game.GameTimerTimer(); });
    connect(RunTimer, &QTimer::timeout, this, [this] { m_game.RunTimerTimer(); });

    connect(btnmove, &QPushButton::clicked, this, [this] { m_game.btnmoveClick(); });
    connect(btnturnleft, &QPushButton::clicked, this, [this] { m_game.btnturnleftClick(); });
    connect(btnturnright, &QPushButton::clicked, this, [this] { m_game.btnturnrightClick(); });
    connect(btnturnback, &QPushButton::clicked, this, [this] { m_game.btnturnbackClick(); });
    connect(btnuse, &QPushButton::clicked, this, [this] { m_game.btnuseClick(); });
    connect(btnsounds, &QPushButton::clicked, this, &Tform2::btnsoundsClick);
    connect(btnmusic, &QPushButton::clicked, this, &Tform2::btnmusicClick);
    connect(btnquit, &QPushButton::clicked, this, &QWidget::close);
}

void Tform2::setwindows(QWidget* openingscreen, TfMap* mapwindow, Tfmwinner* endscreen) {
    m_opening = openingscreen;
    m_map = mapwindow;
    m_end = endscreen;
}

// ---- showing and hiding ---------------------------------------------------------------

void Tform2::loadviewimages() {
    const bool builtin = m_session.themename == defaulttheme;
    m_composer->loadviewimages(builtin ? QString()
                                       : QString::fromStdString(themefolder(m_session.themename)));
    imfood->setPixmap(QPixmap::fromImage(m_composer->panelpicture(PanelPicture::food)));
    imstone->setPixmap(QPixmap::fromImage(m_composer->panelpicture(PanelPicture::gems)));
    imlight->setPixmap(QPixmap::fromImage(m_composer->panelpicture(PanelPicture::charge)));
    Panel1->setindicatorpictures(m_composer->panelpicture(PanelPicture::standard),
                                 m_composer->panelpicture(PanelPicture::critical));
    const QPixmap empty = QPixmap::fromImage(m_composer->itemempty());
    for (QLabel* tool : {imcomp, imdetector, imbeacon, imgps, imtrack}) {
        tool->setPixmap(empty);
        tool->setToolTip("");
    }
    m_composer->resetcompass();
    showcompasspicture();
    imcompass->hide();
}

void Tform2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void Tform2::FormShow() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    MessageCatalogue& words = m_session.catalogue;
    loadviewimages();
    lblname->setText(QString::fromStdString(m_session.playername));
    Panel1->hideindicator();
    Panel1->clearmessages();
    restoreposition();
    loadtheme(words, m_session.themename);
    imfood->setToolTip(QString::fromStdString(words.itemhint(1)));
    imstone->setToolTip(QString::fromStdString(words.itemhint(-4)));
    imlight->setToolTip(QString::fromStdString(words.itemhint(-5)));
    if (m_map) {
        m_map->setwords(capitalise(words.itemname(-3, false, true)), words.itemword(2, false));
    }
    m_game.begin();
    if (m_opening) m_opening->hide();
    QApplication::restoreOverrideCursor();
    SoundService& sound = *m_session.sound;
    btnsounds->setChecked(!sound.nosound);
    btnmusic->setChecked(!sound.nomusic);
    lblsounds->setText(sound.nosound ? "OFF" : "ON");
    lblmusic->setText(sound.nomusic ? "OFF" : "ON");
    activateWindow();
    setFocus();
}

void Tform2::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

void Tform2::FormHide() {
    m_game.end();
    m_session.sound->closemusic();
    saveposition();
    if (m_map) m_map->hide();
    if (m_opening) m_opening->show();
}

void Tform2::closeEvent(QCloseEvent* event) {
    if (m_game.FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void Tform2::restoreposition() {
    // Where the player left this size's window; the first time, the middle of the screen.
    QPoint place = pos();
    if (!m_placed) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            place = screen->availableGeometry().center() - QPoint(width() / 2, height() / 2);
        m_placed = true;
    }
    const IniFile ini = IniFile::load(settingspath());
    const std::string section = playersection(m_session.playername, ".Settings");
    const std::string n = std::to_string(m_game.maze().mazesize);
    const int top = ini.readinteger(section, "Top" + n, place.y());
    const int left = ini.readinteger(section, "Left" + n, place.x());
    move(left, top);
}

void Tform2::saveposition() {
    const std::string path = settingspath();
    IniFile ini = IniFile::load(path);
    const std::string section = playersection(m_session.playername, ".Settings");
    const std::string n = std::to_string(m_game.maze().mazesize);
    ini.writeinteger(section, "Top" + n, pos().y());
    ini.writeinteger(section, "Left" + n, pos().x());
    ini.save(path);
    openaccess(path);
}

void Tform2::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    const QPoint now = pos();
    if (m_positionknown && m_map)
        m_map->followgame(now.x() - m_lastposition.x(), now.y() - m_lastposition.y());
    m_positionknown = true;
    m_lastposition = now;
}

void Tform2::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !m_map) return;
    // Minimising the game minimises the whole program, its map window included.
    if (isMinimized()) {
        m_mapwasvisible = m_map->isVisible();
        if (m_mapwasvisible) m_map->hide();
    } else if (m_mapwasvisible && isVisible()) {
        m_mapwasvisible = false;
        m_map->show();
    }
}

// ---- keys and switches -------------------------------------------------------------------

void Tform2::keyReleaseEvent(QKeyEvent* event) {
    // Arrows act when released; a held key does not walk on by itself.
    if (event->isAutoRepeat()) return;
    switch (event->key()) {
    case Qt::Key_Left: m_game.btnturnleftClick(); break;
    case Qt::Key_Right: m_game.btnturnrightClick(); break;
    case Qt::Key_Up: m_game.btnmoveClick(); break;
    case Qt::Key_Down: m_game.btnturnbackClick(); break;
    default: QWidget::keyReleaseEvent(event); return;
    }
}

void Tform2::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() != 1) {
        QWidget::keyPressEvent(event);
        return;
    }
    const char key = text.at(0).toUpper().toLatin1();
    switch (key) {
    case 'W': Wkey(); break;
    case 'S':
        btnsounds->toggle();
        btnsoundsClick();
        break;
    case 'M':
        btnmusic->toggle();
        btnmusicClick();
        break;
    case 'U': m_game.btnuseClick(); break;
    case '/':
    case '?':
        if (showstory) showstory();
        break;
    case 'R': m_game.startrun(); break;
    case 'Y':
    case 'L':
    case 'C':
    case 'J':
    case 'D': m_game.funkey(key); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void Tform2::Wkey() {
    if (!m_map) return;
    m_map->savemapsettings(m_session.playername);
    if (!m_map->isVisible()) {
        m_map->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        m_map->show();
    } else {
        const bool ontop = m_map->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        m_map->setWindowFlag(Qt::WindowStaysOnTopHint, !ontop);
        m_map->show(); // a window whose flags change is hidden until shown again
    }
    m_map->raise();
    activateWindow();
    setFocus();
}

void Tform2::btnsoundsClick() {
    const bool on = btnsounds->isChecked();
    m_session.sound->nosound = !on;
    lblsounds->setText(on ? "ON" : "OFF");
}

void Tform2::btnmusicClick() {
    const bool on = btnmusic->isChecked();
    m_session.sound->nomusic = !on;
    lblmusic->setText(on ? "ON" : "OFF");
    if (on)
        m_session.sound->playmusic(m_session.themename, "music");
    else
        m_session.sound->stopmusic();
}

// ---- what the rules ask of the screen --------------------------------------------------------

void Tform2::drawmaze() {
    m_plan = viewscan(m_game.maze());
    m_composer->drawmaze(m_plan);
    if (m_plan.viewcase == ViewCase::onexit) {
        // The ending picture shows at once, before the end screen opens over it.
        mazeimage2->setPixmap(QPixmap::fromImage(m_composer->shownview()));
        mazeimage2->repaint();
    }
}

void Tform2::drawwallmap() {
    m_composer->drawwallmap();
}

void Tform2::finishview(int darkness) {
    m_composer->drawbox(m_plan);
    m_composer->darken(darkness);
    m_composer->showview();
    mazeimage2->setPixmap(QPixmap::fromImage(m_composer->shownview()));
    showsides();
}

void Tform2::showsides() {
    const SidePictures sides = m_composer->showsides(m_game.maze());
    if (sides.left) LeftSpace->setPixmap(QPixmap::fromImage(*sides.left));
    if (sides.right) RightSpace->setPixmap(QPixmap::fromImage(*sides.right));
}

void Tform2::showcompasspicture() {
    imcompass->setPixmap(QPixmap::fromImage(withoutkey(m_composer->compassimage())));
}

void Tform2::drawcompass(int heading) {
    m_composer->drawcompass(heading);
    showcompasspicture();
}

void Tform2::showcompass() {
    imcompass->show();
}

QLabel* Tform2::toolpicture(Tool tool) const {
    switch (tool) {
    case Tool::compass: return imcomp;
    case Tool::detector: return imdetector;
    case Tool::beacon: return imbeacon;
    case Tool::gps: return imgps;
    case Tool::tracker: return imtrack;
    }
    return imcomp;
}

void Tform2::showtool(Tool tool) {
    QLabel* l = toolpicture(tool);
    l->setPixmap(QPixmap::fromImage(m_composer->toolpicture(tool)));
    l->setToolTip(QString::fromStdString(m_session.catalogue.itemhint(toolcode(tool))));
}

void Tform2::setuse(bool enabled) {
    btnuse->setEnabled(enabled);
    btnuse->setToolTip(
        enabled ? QString::fromStdString("Use " + m_session.catalogue.itemname(2, false, false))
                : QString());
}

void Tform2::showcounters() {
    const GameState& s = m_game.state();
    lblfood->setText(QString::number(s.foodlevel));
    lblstone->setText(QString::number(s.gemscore));
    lblbatcount->setText(QString::number(s.batterylevel) + "%");
    lblstepcounter->setText(QString::number(s.stepcount));
}

void Tform2::updatemaptools(bool inview, bool detector, bool beacon) {
    if (m_map) m_map->updatemaptools(inview, detector, beacon);
}

void Tform2::updatemapposition(int row, int col, bool gps, bool tracker) {
    if (m_map) m_map->updatemapposition(row, col, gps, tracker);
}

void Tform2::countremaining() {
    if (m_map) m_map->countremaining();
}

bool Tform2::postgamemessage(int key, Colour colour, int level) {
    return Panel1->postgamemessage(m_session.catalogue, key, m_session.playername, colour, level);
}

bool Tform2::showgamemessage(const std::string& text, Colour colour, int level) {
    return Panel1->showgamemessage(text, colour, level);
}

std::string Tform2::randommessage(int chance) {
    return m_session.catalogue.randommessage(chance, m_session.playername);
}

void Tform2::hideindicator() {
    Panel1->hideindicator();
}

void Tform2::playsoundfx(const std::string& name, const std::string& fallback, int mode) {
    m_session.sound->playsoundfx(m_session.themename, name, fallback, mode);
}

void Tform2::serviceevents() {
    QCoreApplication::processEvents();
}

void Tform2::setruntimer(bool enabled) {
    if (enabled)
        RunTimer->start();
    else
        RunTimer->stop();
}

void Tform2::setgametimer(bool enabled) {
    if (enabled)
        GameTimer->start();
    else
        GameTimer->stop();
}

void Tform2::showclock(const std::string& text) {
    lblElapsed->setText(QString::fromStdString(text));
}

Answer Tform2::showendscreen(const EndScreen& screen) {
    return m_end ? m_end->showend(screen) : Answer::close;
}

bool Tform2::confirmquit() {
    return confirmbox("Quit game?", "Are you sure you want to stop playing?");
}

int Tform2::recordbesttime(const BestTimeEntry& entry) {
    BestTime result;
    result.name = m_session.playername;
    result.time = entry.elapsed;
    result.gems = entry.gemscore;
    result.timetext = entry.timetext;
    result.steps = entry.stepcount;
    result.food = entry.foodlevel;
    result.battery = entry.batterylevel;
    if (m_map) {
        const OverheadMap& om = m_map->overheadmap();
        for (int code = 0; code < 256; ++code) {
            result.start[code] = static_cast<std::uint32_t>(om.placedtally()[code]);
            result.end[code] = static_cast<std::uint32_t>(om.remainingtally()[code]);
        }
    }
    return m_session.besttimes.recordbesttime(entry.level, result);
}

bool Tform2::savegame() {
    return !m_map || quorvel::savegame(m_session.playername, m_game, *m_map);
}

void Tform2::deletesave() {
    quorvel::deletesave(m_session.playername, m_game.maze().level());
}

void Tform2::closegamescreen() {
    close();
}

} // namespace quorvel
