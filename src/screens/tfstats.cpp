#include "tfstats.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "besttimes.h"
#include "maze.h"
#include "session.h"

namespace quorvel {

namespace {

constexpr int clientwidth = 632, clientheight = 453;
constexpr int panelx = 3, panely = 3, panelwidth = 625, panelheight = 409;

const QColor yellow(255, 255, 0), aqua(0, 255, 255), fuchsia(255, 0, 255), lime(0, 255, 0),
    red(255, 0, 0), white(255, 255, 255);

constexpr const char* leader = "..................................";

/// Each row: its controls' names, and the item word it shows (code, plural).
struct RowSpec {
    const char* name;
    int wordcode;
    bool plural;
};
constexpr RowSpec rowspecs[10] = {
    {"lblFood", 1, true},      {"lblCompass", 7, false},   {"lblGPS", 8, false},
    {"lblBeacon", 9, false},   {"lblDetector", 11, false}, {"lblTracker", 10, false},
    {"lblBatteries", 2, true}, {"lblGem5", 3, true},       {"lblGem3", 4, true},
    {"lblGem1", 5, true},
};

// The table: item word, first leader, placed count, second leader, found count.
constexpr int itemwidth = 112, countwidth = 52;
constexpr int headingy = 170, firstrowy = 194, rowheight = 19;

void setcolour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

/// A number shown in a label; text that is not one counts as 0.
long long shownnumber(const QLabel* label) {
    bool ok = false;
    const long long n = label->text().trimmed().toLongLong(&ok);
    return ok ? n : 0;
}

bool isone(const std::string& text) {
    bool ok = false;
    return QString::fromStdString(text).trimmed().toLongLong(&ok) == 1 && ok;
}

} // namespace

const std::array<int, 10> TfStats::rowcodes = {cellfood,     cellcompass, cellgps,     cellbeacon,
                                               celldetector, celltracker, cellbattery, cellgem5,
                                               cellgem3,     cellgem1};

TfStats::TfStats(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_session(session) {
    setObjectName("TfStats");
    setWindowTitle("Game Statistics");
    setFixedSize(clientwidth, clientheight);
    setModal(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(panelx, panely, panelwidth, panelheight);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, white);
    Panel1->setPalette(black);

    // The five lines: large italic serif, centred on the window as they are filled.
    QFont large("Liberation Serif");
    large.setPixelSize(27);
    large.setItalic(true);
    large.setBold(true);
    const auto line = [this, &large](const char* name, int y) {
        auto* l = new QLabel(Panel1);
        l->setObjectName(name);
        l->setFont(large);
        l->setGeometry(0, y, panelwidth, 32);
        setcolour(l, white);
        return l;
    };
    lblPlayer = line("lblPlayer", 8);
    lblDifficulty = line("lblDifficulty", 38);
    lblTime = line("lblTime", 68);
    lblPoints = line("lblPoints", 98);
    lblSteps = line("lblSteps", 128);

    QFont table("Liberation Serif");
    table.setPixelSize(16);
    QFont heading = table;
    heading.setUnderline(true);
    heading.setBold(true);
    const auto cell = [this](const QFont& font, const QString& name, int x, int y, int w,
                             Qt::Alignment align) {
        auto* l = new QLabel(Panel1);
        l->setObjectName(name);
        l->setFont(font);
        l->setGeometry(x, y, w, rowheight);
        l->setAlignment(align | Qt::AlignVCenter);
        setcolour(l, white);
        return l;
    };
    // The columns, the whole table centred on the panel.
    const int leaderwidth = QFontMetrics(table).horizontalAdvance(leader) + 2;
    const int colitem = (panelwidth - (itemwidth + 2 * leaderwidth + 2 * countwidth)) / 2;
    const int colleader1 = colitem + itemwidth, colplaced = colleader1 + leaderwidth;
    const int colleader2 = colplaced + countwidth, colfound = colleader2 + leaderwidth;
    lblItem = cell(heading, "lblItem", colitem, headingy, itemwidth, Qt::AlignLeft);
    lblItem->setText("Item:");
    lblPlaced =
        cell(heading, "lblPlaced", colplaced - 20, headingy, countwidth + 40, Qt::AlignHCenter);
    lblPlaced->setText("Placed:");
    lblFound =
        cell(heading, "lblFound", colfound - 20, headingy, countwidth + 40, Qt::AlignHCenter);
    lblFound->setText("Found:");

    for (int i = 0; i < 10; ++i) {
        const QString name = rowspecs[i].name;
        const int y = firstrowy + i * rowheight;
        StatsRow& r = rows[i];
        r.item = cell(table, name, colitem, y, itemwidth - 2, Qt::AlignLeft);
        r.leader1 = cell(table, name + "Leader1", colleader1, y, leaderwidth, Qt::AlignLeft);
        r.placed = cell(table, name + "P", colplaced, y, countwidth, Qt::AlignHCenter);
        r.leader2 = cell(table, name + "Leader2", colleader2, y, leaderwidth, Qt::AlignLeft);
        r.found = cell(table, name + "F", colfound, y, countwidth, Qt::AlignHCenter);
        r.leader1->setText(leader);
        r.leader2->setText(leader);
    }

    btnClose = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Close", this);
    btnClose->setObjectName("btnClose");
    btnClose->setGeometry((clientwidth - 88) / 2, panely + panelheight + 8, 88, 28);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    // The level line keeps the caption's accelerator mark and shows it underlined, as
    // the level buttons do; a label shows its mark only when it has a buddy.
    lblDifficulty->setBuddy(btnClose);
}

void TfStats::centre(QLabel* line) {
    // Its left edge at half the window's width minus half the line's width.
    const int width = line->fontMetrics().horizontalAdvance(line->text()) + 4;
    line->setGeometry(clientwidth / 2 - width / 2 - Panel1->x(), line->y(), width, line->height());
}

void TfStats::fill(int rank, const std::string& player, const std::string& level,
                   const std::string& timetext, const std::string& gemtext,
                   const std::string& steptext, const std::array<std::int64_t, 10>& placed,
                   const std::array<std::int64_t, 10>& found) {
    const MessageCatalogue& words = m_session.catalogue;
    m_rank = rank;
    lblPlayer->setText(QString::fromStdString(player));
    lblDifficulty->setText(QString::fromStdString(level));
    lblTime->setText(QString::fromStdString(timetext));
    lblPoints->setText(
        QString::fromStdString(gemtext + " " + words.itemword(codegem, !isone(gemtext))));
    lblSteps->setText(QString::fromStdString(steptext + (isone(steptext) ? " step" : " steps ")));
    for (QLabel* l : {lblPlayer, lblDifficulty, lblTime, lblPoints, lblSteps})
        centre(l);
    for (int i = 0; i < 10; ++i) {
        rows[i].item->setText(
            QString::fromStdString(words.itemword(rowspecs[i].wordcode, rowspecs[i].plural)));
        rows[i].placed->setText(QString::number(placed[i]));
        rows[i].found->setText(QString::number(found[i]));
    }
    FormShow();
}

void TfStats::fillgamestats(int rank, const GameStatsSource& game) {
    std::array<std::int64_t, 10> placed{}, found{};
    for (int i = 0; i < 10; ++i) {
        placed[i] = game.placed[rowcodes[i]];
        found[i] = std::int64_t{game.placed[rowcodes[i]]} - game.remaining[rowcodes[i]];
    }
    fill(rank, game.player, game.level, game.timetext, game.gemtext, game.steptext, placed, found);
}

void TfStats::fillentry(int rank, const std::string& leveltitle, const BestTime& entry) {
    std::array<std::int64_t, 10> placed{}, found{};
    for (int i = 0; i < 10; ++i) {
        placed[i] = entry.start[rowcodes[i]];
        found[i] = std::int64_t{entry.start[rowcodes[i]]} - entry.end[rowcodes[i]];
    }
    setWindowTitle("Game Statistics");
    fill(rank, entry.name, leveltitle, entry.timetext, std::to_string(entry.gems),
         std::to_string(entry.steps), placed, found);
}

void TfStats::showgamestats(int rank, const GameStatsSource& game) {
    fillgamestats(rank, game);
    exec();
}

void TfStats::showentry(int rank, const std::string& leveltitle, const BestTime& entry) {
    fillentry(rank, leveltitle, entry);
    exec();
}

void TfStats::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    FormShow();
}

void TfStats::FormShow() {
    // The name and level in the rank's colour.
    const QColor& rankcolour = m_rank == 1   ? yellow
                               : m_rank == 2 ? aqua
                               : m_rank == 3 ? fuchsia
                                             : white;
    setcolour(lblPlayer, rankcolour);
    setcolour(lblDifficulty, rankcolour);
    // Each row: lime when every box of its kind was found (or none was there), red when
    // there were some and none was found.
    for (const StatsRow& r : rows) {
        const long long p = shownnumber(r.placed), f = shownnumber(r.found);
        const QColor& colour = p == f ? lime : (p >= 1 && f < 1) ? red : white;
        for (QLabel* l : {r.item, r.leader1, r.placed, r.leader2, r.found})
            setcolour(l, colour);
    }
}

} // namespace quorvel
