#include "screens/statisticsscreen.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "game/besttimes.h"
#include "game/maze.h"
#include "game/mazenumber.h"
#include "platform/windowframe.h"
#include "screens/gamescreen.h"
#include "screens/mapwindow.h"
#include "play/session.h"
#include "text/textutil.h"
#include "widgets/accessibility.h"
#include "widgets/dialogs.h"
#include "widgets/elidedtext.h"
#include "widgets/language.h"
#include "widgets/mnemonickeys.h"

namespace quorvel {

namespace {

constexpr int clientWidth = 632, clientHeight = 453;
constexpr int panelX = 3, panelY = 3, panelWidth = 625, panelHeight = 409;
// The five lines keep this far from the panel's sides.
constexpr int lineMargin = 8;

const QColor yellow(255, 255, 0), aqua(0, 255, 255), fuchsia(255, 0, 255), lime(0, 255, 0),
    red(255, 0, 0), white(255, 255, 255);

constexpr const char* leader = "..................................";

/// Each row: its controls' names, and the item word it shows (code, plural).
struct RowSpec {
    const char* name;
    int wordCode;
    bool plural;
};
constexpr RowSpec rowSpecs[10] = {
    {"lblFood", msgFood, true},          {"lblCompass", msgCompass, false},
    {"lblGPS", msgGps, false},           {"lblBeacon", msgBeacon, false},
    {"lblDetector", msgDetector, false}, {"lblTracker", msgTracker, false},
    {"lblBatteries", msgBattery, true},  {"lblGem5", msgGem5, true},
    {"lblGem3", msgGem3, true},          {"lblGem1", msgGem1, true},
};

// The table: item word, first leader, placed count, second leader, found count.
constexpr int itemWidth = 112, countWidth = 52;
constexpr int headingY = 170, firstRowY = 194, rowHeight = 19;

void setColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

/// A number shown in a label; text that is not one counts as 0.
long long shownNumber(const QLabel* label) {
    bool ok = false;
    const long long n = label->text().trimmed().toLongLong(&ok);
    return ok ? n : 0;
}

bool isOne(const std::string& text) {
    bool ok = false;
    return QString::fromStdString(text).trimmed().toLongLong(&ok) == 1 && ok;
}

} // namespace

GameStatsSource gameStatsSource(const GameScreen& game, const std::string& level,
                                const MapWindow& map) {
    GameStatsSource source;
    source.player = wholeText(game.nameLabel).toStdString();
    source.level = level;
    source.timeText = game.clockLabel->text().toStdString();
    source.gemText = game.gemCount->text().toStdString();
    source.stepText = game.stepCounter->text().toStdString();
    source.placed = map.overheadMap().placedTally();
    source.remaining = map.overheadMap().remainingTally();
    source.mazeNumber = mazeNumberText(game.game().maze());
    return source;
}

const std::array<int, 10> StatisticsScreen::rowCodes = {
    cellFood,    cellCompass, cellGps,  cellBeacon, cellDetector,
    cellTracker, cellBattery, cellGem5, cellGem3,   cellGem1};

StatisticsScreen::StatisticsScreen(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_session(session) {
    setObjectName("TfStats");
    setWindowTitle(tr("Game Statistics"));
    setFixedSize(clientWidth, clientHeight);
    setModal(true);

    tablePanel = new QFrame(this);
    tablePanel->setObjectName("Panel1");
    tablePanel->setGeometry(panelX, panelY, panelWidth, panelHeight);
    tablePanel->setFrameShape(QFrame::Panel);
    tablePanel->setFrameShadow(QFrame::Sunken);
    tablePanel->setAutoFillBackground(true);
    QPalette black = tablePanel->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, white);
    tablePanel->setPalette(black);

    // The five lines: large italic serif, centred on the window as they are filled.
    QFont large("Liberation Serif");
    large.setPixelSize(27);
    large.setItalic(true);
    large.setBold(true);
    const auto line = [this, &large](const char* name, int y) {
        auto* l = new QLabel(tablePanel);
        l->setObjectName(name);
        l->setFont(large);
        l->setGeometry(0, y, panelWidth, 32);
        setColour(l, white);
        return l;
    };
    playerLine = line("lblPlayer", 8);
    levelLine = line("lblDifficulty", 38);
    timeLine = line("lblTime", 68);
    pointsLine = line("lblPoints", 98);
    stepsLine = line("lblSteps", 128);

    QFont table("Liberation Serif");
    table.setPixelSize(16);
    QFont heading = table;
    heading.setUnderline(true);
    heading.setBold(true);
    const auto cell = [this](const QFont& font, const QString& name, int x, int y, int w,
                             Qt::Alignment align) {
        auto* l = new QLabel(tablePanel);
        l->setObjectName(name);
        l->setFont(font);
        l->setGeometry(x, y, w, rowHeight);
        l->setAlignment(align | Qt::AlignVCenter);
        setColour(l, white);
        return l;
    };
    // The columns, the whole table centred on the panel.
    const int leaderWidth = QFontMetrics(table).horizontalAdvance(leader) + 2;
    const int colItem = (panelWidth - (itemWidth + 2 * leaderWidth + 2 * countWidth)) / 2;
    const int colLeader1 = colItem + itemWidth, colPlaced = colLeader1 + leaderWidth;
    const int colLeader2 = colPlaced + countWidth, colFound = colLeader2 + leaderWidth;
    itemHeader = cell(heading, "lblItem", colItem, headingY, itemWidth, Qt::AlignLeft);
    itemHeader->setText(tr("Item:"));
    placedHeader =
        cell(heading, "lblPlaced", colPlaced - 20, headingY, countWidth + 40, Qt::AlignHCenter);
    placedHeader->setText(tr("Placed:"));
    foundHeader =
        cell(heading, "lblFound", colFound - 20, headingY, countWidth + 40, Qt::AlignHCenter);
    foundHeader->setText(tr("Found:"));

    for (int i = 0; i < 10; ++i) {
        const QString name = rowSpecs[i].name;
        const int y = firstRowY + i * rowHeight;
        StatsRow& r = rows[i];
        r.item = cell(table, name, colItem, y, itemWidth - 2, Qt::AlignLeft);
        r.leader1 = cell(table, name + "Leader1", colLeader1, y, leaderWidth, Qt::AlignLeft);
        r.placed = cell(table, name + "P", colPlaced, y, countWidth, Qt::AlignHCenter);
        r.leader2 = cell(table, name + "Leader2", colLeader2, y, leaderWidth, Qt::AlignLeft);
        r.found = cell(table, name + "F", colFound, y, countWidth, Qt::AlignHCenter);
        r.leader1->setText(leader);
        r.leader2->setText(leader);
        markDecoration(r.leader1);
        markDecoration(r.leader2);
    }

    // The maze's number under the table, smaller and grey: there to share, not to read.
    QFont small("Liberation Serif");
    small.setPixelSize(14);
    small.setItalic(true);
    mazeNumberLine = cell(small, "mazeNumberLine", 0, firstRowY + 10 * rowHeight + 4, panelWidth,
                          Qt::AlignHCenter);
    setColour(mazeNumberLine, QColor(160, 160, 160));
    mazeNumberLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mazeNumberLine->setFocusPolicy(Qt::NoFocus); // C still closes
    mazeNumberLine->hide();

    closeButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("&Close"), this);
    closeButton->setObjectName("btnClose");
    closeButton->setGeometry((clientWidth - 88) / 2, panelY + panelHeight + 8, 88, 28);
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    answerPlainLetters(this); // C closes
    // The level line keeps the caption's accelerator mark and shows it underlined, as
    // the level buttons do; a label shows its mark only when it has a buddy.
    levelLine->setBuddy(closeButton);
    describeControl(tablePanel, tr("Game statistics"), QString());
    describeControl(closeButton, tr("Close"), tr("Close the statistics."));
    makeAccessible(this);
}

void StatisticsScreen::centre(QLabel* line) {
    // Its left edge at half the window's width minus half the line's width.
    const int width = line->fontMetrics().horizontalAdvance(line->text()) + 4;
    line->setGeometry(clientWidth / 2 - width / 2 - tablePanel->x(), line->y(), width,
                      line->height());
}

void StatisticsScreen::fill(int rank, const std::string& player, const std::string& level,
                            const std::string& timeText, const std::string& gemText,
                            const std::string& stepText, const std::array<std::int64_t, 10>& placed,
                            const std::array<std::int64_t, 10>& found,
                            const std::string& mazeNumber) {
    const MessageCatalogue& words = m_session.catalogue;
    m_rank = rank;
    // Names and theme words may be longer than a line: cut to fit, whole in the hint.
    const int lineWidth = panelWidth - 2 * lineMargin;
    showElided(playerLine, QString::fromStdString(player), lineWidth);
    levelLine->setText(QString::fromStdString(level));
    showElided(timeLine, shownClockText(timeText), lineWidth);
    showElided(pointsLine,
               QString::fromStdString(gemText + " " + words.itemWord(codeGem, !isOne(gemText))),
               lineWidth);
    showElided(
        stepsLine,
        (isOne(stepText) ? tr("%1 step") : tr("%1 steps ")).arg(QString::fromStdString(stepText)),
        lineWidth);
    for (QLabel* l : {playerLine, levelLine, timeLine, pointsLine, stepsLine})
        centre(l);
    for (int i = 0; i < 10; ++i) {
        rows[i].item->setText(
            QString::fromStdString(words.itemWord(rowSpecs[i].wordCode, rowSpecs[i].plural)));
        rows[i].placed->setText(QString::number(placed[i]));
        rows[i].found->setText(QString::number(found[i]));
        describeControl(rows[i].placed, tr("%1 placed").arg(placed[i]), QString());
        describeControl(rows[i].found, tr("%1 found").arg(found[i]), QString());
    }
    mazeNumberLine->setText(
        mazeNumber.empty() ? QString() : tr("Maze %1").arg(QString::fromStdString(mazeNumber)));
    mazeNumberLine->setToolTip(
        mazeNumber.empty() ? QString() : QString::fromStdString(mazeNumberHint(mazeNumber)));
    mazeNumberLine->setVisible(!mazeNumber.empty());
    onShown();
}

void StatisticsScreen::fillGameStats(int rank, const GameStatsSource& game) {
    std::array<std::int64_t, 10> placed{}, found{};
    for (int i = 0; i < 10; ++i) {
        placed[i] = game.placed[rowCodes[i]];
        found[i] = std::int64_t{game.placed[rowCodes[i]]} - game.remaining[rowCodes[i]];
    }
    fill(rank, game.player, game.level, game.timeText, game.gemText, game.stepText, placed, found,
         game.mazeNumber);
}

void StatisticsScreen::fillEntry(int rank, const std::string& levelTitle, const BestTime& entry) {
    std::array<std::int64_t, 10> placed{}, found{};
    for (int i = 0; i < 10; ++i) {
        placed[i] = entry.start[rowCodes[i]];
        found[i] = std::int64_t{entry.start[rowCodes[i]]} - entry.end[rowCodes[i]];
    }
    setWindowTitle(tr("Game Statistics"));
    fill(rank, entry.name, levelTitle, entry.timeText, std::to_string(entry.gems),
         std::to_string(entry.steps), placed, found, {});
}

void StatisticsScreen::showGameStats(int rank, const GameStatsSource& game) {
    fillGameStats(rank, game);
    m_session.spoken.sayNow(spokenWords());
    exec();
}

void StatisticsScreen::showEntry(int rank, const std::string& levelTitle, const BestTime& entry) {
    fillEntry(rank, levelTitle, entry);
    m_session.spoken.sayNow(spokenWords());
    exec();
}

std::string StatisticsScreen::spokenWords() const {
    std::string words;
    addSentence(words, windowTitle().toStdString());
    for (const QLabel* line : {playerLine, levelLine, timeLine, pointsLine, stepsLine})
        addSentence(words, QString(wholeText(line)).remove('&').toStdString());
    addSentence(words, tr("Item, placed, found:").toStdString());
    for (const StatsRow& r : rows)
        addSentence(words, tr("%1, %2 placed, %3 found")
                               .arg(r.item->text(), r.placed->text(), r.found->text())
                               .toStdString());
    if (mazeNumberLine->isVisibleTo(this)) addSentence(words, mazeNumberLine->text().toStdString());
    return words + " " + dialogWords({}, {}, {{closeButton->text().toStdString(), ""}});
}

void StatisticsScreen::showEvent(QShowEvent* event) {
    centreFrame(this); // before it appears, so it never jumps
    QDialog::showEvent(event);
    onShown();
}

void StatisticsScreen::onShown() {
    // The name and level in the rank's colour.
    const QColor& rankColour = m_rank == 1   ? yellow
                               : m_rank == 2 ? aqua
                               : m_rank == 3 ? fuchsia
                                             : white;
    setColour(playerLine, rankColour);
    setColour(levelLine, rankColour);
    // The colours in words, for screen readers.
    const QString ranked =
        m_rank >= 1 && m_rank <= 3 ? tr("Best time of rank %1.").arg(m_rank) : QString();
    describeControl(playerLine, QString(), ranked);
    describeControl(levelLine, QString(), ranked);
    // Each row: lime when every box of its kind was found (or none was there), red when
    // there were some and none was found.
    for (const StatsRow& r : rows) {
        const long long p = shownNumber(r.placed), f = shownNumber(r.found);
        const QColor& colour = p == f ? lime : (p >= 1 && f < 1) ? red : white;
        for (QLabel* l : {r.item, r.leader1, r.placed, r.leader2, r.found})
            setColour(l, colour);
        describeControl(r.item, QString(),
                        p == f              ? (p == 0 ? tr("None placed.") : tr("All found."))
                        : (p >= 1 && f < 1) ? tr("None found.")
                                            : tr("Some found."));
    }
}

} // namespace quorvel
