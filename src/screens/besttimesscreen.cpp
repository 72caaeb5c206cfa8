#include "screens/besttimesscreen.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "files/runfiles.h"
#include "game/besttimes.h"
#include "game/runplayer.h"
#include "platform/windowframe.h"
#include "screens/statisticsscreen.h"
#include "text/textutil.h"
#include "widgets/accessibility.h"
#include "widgets/afterpaint.h"
#include "widgets/dialogs.h"
#include "widgets/elidedtext.h"
#include "widgets/mnemonickeys.h"

namespace quorvel {

namespace {

constexpr int clientWidth = 632, clientHeight = 453;
constexpr int panelWidth = 200, panelHeight = 198, gap = 8;

const QColor rankColours[3] = {QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255)};

constexpr const char* titleTexts[6] = {"Nice-n-Easy",       "A little harder now",
                                       "A real challenge",  "Now we're getting there",
                                       "O.K. This is hard", "Only for the Strongest"};

void setColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

constexpr int markSide = 12;
const QColor markColour(0, 255, 0); // lime, the colour of what is all there

// A tick drawn with two strokes, so no font has to carry the sign.
QPixmap tickPicture(qreal ratio) {
    QPixmap tick(QSize(markSide, markSide) * ratio);
    tick.setDevicePixelRatio(ratio);
    tick.fill(Qt::transparent);
    QPainter p(&tick);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(markColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{2, 6.5}, {5, 9.5}, {10, 2.5}}));
    return tick;
}

} // namespace

std::string levelTitle(int level) {
    return level >= 1 && level <= 6 ? titleTexts[level - 1] : std::string();
}

BestTimesScreen::BestTimesScreen(StatisticsScreen& stats, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_stats(stats), m_table(std::make_unique<BestTimes>()) {
    setObjectName("TFmBestTimes");
    setWindowTitle("Best times");
    setFixedSize(clientWidth, clientHeight);
    setModal(true);

    QFont title("Liberation Serif");
    title.setPixelSize(17);
    title.setBold(true);
    title.setItalic(true);
    QFont name("Liberation Serif");
    name.setPixelSize(17);
    name.setItalic(true);
    QFont time("Liberation Serif");
    time.setPixelSize(14);

    for (int level = 0; level < 6; ++level) {
        const int x = gap + (level % 3) * (panelWidth + gap);
        const int y = gap + (level / 3) * (panelHeight + gap);
        auto* panel = new QFrame(this);
        panel->setObjectName(QString("Panel%1").arg(level + 1));
        panel->setGeometry(x, y, panelWidth, panelHeight);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAutoFillBackground(true);
        QPalette black = panel->palette();
        black.setColor(QPalette::Window, Qt::black);
        panel->setPalette(black);
        panels[level] = panel;

        auto* t = new QLabel(QString::fromUtf8(titleTexts[level]), panel);
        t->setObjectName(QString("lblTitle%1").arg(level + 1));
        t->setFont(title);
        t->setAlignment(Qt::AlignCenter);
        t->setGeometry(4, 8, panelWidth - 8, 24);
        setColour(t, Qt::white);
        titles[level] = t;
        markDecoration(t); // the panel's name
        describeControl(panel, QString("Level %1: %2").arg(level + 1).arg(t->text()), QString());

        auto* rule = new QFrame(panel);
        rule->setGeometry(16, 35, panelWidth - 32, 1);
        rule->setAutoFillBackground(true);
        QPalette grey = rule->palette();
        grey.setColor(QPalette::Window, QColor(96, 96, 96));
        rule->setPalette(grey);
        markDecoration(rule);

        for (int rank = 0; rank < 3; ++rank) {
            const int top = 46 + rank * 50;
            auto* n = new QLabel(panel);
            n->setObjectName(QString("lblName%1%2").arg(level + 1).arg(rank + 1));
            n->setFont(name);
            n->setGeometry(12, top, panelWidth - 24, 22);
            n->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            n->setCursor(Qt::PointingHandCursor);
            n->installEventFilter(this);
            setColour(n, rankColours[rank]);
            names[level][rank] = n;
            readLabelAs(n, QString("Rank %1:").arg(rank + 1));
            describeControl(n, QString(), "A click shows the statistics of this game.");

            auto* tl = new QLabel(panel);
            tl->setObjectName(QString("lblTime%1%2").arg(level + 1).arg(rank + 1));
            tl->setFont(time);
            tl->setGeometry(12, top + 21, panelWidth - 24, 19);
            tl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setColour(tl, rankColours[rank]);
            times[level][rank] = tl;
            readLabelAs(tl, "Time");

            auto* watch = new QPushButton("Watch", panel);
            watch->setObjectName(QString("watchButton%1%2").arg(level + 1).arg(rank + 1));
            watch->setGeometry(12, top + 22, 46, 18);
            QFont small = watch->font();
            small.setPixelSize(11);
            watch->setFont(small);
            watch->setAutoDefault(false);
            watch->setToolTip("Watch this run again on the game screen.");
            watch->hide();
            connect(watch, &QPushButton::clicked, this, [this, level, rank] {
                m_chosen = m_runs[level][rank];
                accept();
            });
            watchButtons[level][rank] = watch;

            auto* mark = new QLabel(panel);
            mark->setObjectName(QString("checkedMark%1%2").arg(level + 1).arg(rank + 1));
            mark->setToolTip("Checked: the kept run of this result plays again with the rules "
                             "to this very time and gems.");
            mark->hide();
            checkedMarks[level][rank] = mark;
        }
    }

    closeButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    closeButton->setObjectName("btnCancel");
    closeButton->setGeometry((clientWidth - 88) / 2, clientHeight - gap - 30, 88, 28);
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    answerPlainLetters(this);
    describeControl(closeButton, "Cancel", "Close the best times.");
    makeAccessible(this);
}

BestTimesScreen::~BestTimesScreen() = default;

void BestTimesScreen::fillTimes(const BestTimes& table) {
    *m_table = table;
    m_runs = {};
    m_unchecked.clear();
    m_runsFound = false;
    for (int level = 0; level < 6; ++level)
        for (int rank = 0; rank < 3; ++rank) {
            const BestTime e = table.entry(level + 1, rank + 1);
            // A name longer than its line is cut to fit, whole in the hint.
            showElided(names[level][rank], QString::fromStdString(e.name));
            times[level][rank]->setText(QString::fromStdString(e.timeText));
            watchButtons[level][rank]->hide();
            checkedMarks[level][rank]->hide();
        }
}

// The kept runs are all read to find those behind the table: after the screen is up,
// and again only when "Replays" or the table has changed since.
void BestTimesScreen::findRuns() {
    std::error_code failed;
    const auto changed = std::filesystem::last_write_time(replaysFolder(), failed);
    if (failed || !m_found.changed || *m_found.changed != changed ||
        m_found.table != m_table->image())
        m_found = {failed ? std::nullopt : std::optional(changed), m_table->image(),
                   runsOfTable(*m_table)};
    m_runs = m_found.runs;
    m_unchecked.clear();
    for (int level = 0; level < 6; ++level)
        for (int rank = 0; rank < 3; ++rank) {
            const bool kept = !m_runs[level][rank].empty();
            watchButtons[level][rank]->setVisible(kept);
            if (kept) m_unchecked.push_back({level, rank});
        }
    m_runsFound = true;
}

void BestTimesScreen::showTimes(const BestTimes& table) {
    m_chosen.clear();
    fillTimes(table);
    if (speak) speak(spokenWords());
    exec();
}

// One run a turn of the event loop, once the screen is up, so it answers while the runs
// are found and played again.
void BestTimesScreen::checkNextRun() {
    if (!m_runsFound) {
        findRuns();
        QTimer::singleShot(0, this, &BestTimesScreen::checkNextRun);
        return;
    }
    if (m_unchecked.empty()) return;
    const auto [level, rank] = m_unchecked.back();
    m_unchecked.pop_back();
    const std::string& path = m_runs[level][rank];
    const QFileInfo file(QString::fromStdString(path));
    Checked& known = m_checked[path];
    const long long modified = file.lastModified().toMSecsSinceEpoch();
    if (known.size != file.size() || known.modified != modified) {
        RunRecord run;
        known = {file.size(), modified, false};
        if (!readRunFile(path, run) &&
            runMatches(run, level + 1, m_table->entry(level + 1, rank + 1)))
            known.verified = verifyRun(run).verified;
    }
    showChecked(level, rank, known.verified);
    if (!m_unchecked.empty()) QTimer::singleShot(0, this, &BestTimesScreen::checkNextRun);
}

void BestTimesScreen::showChecked(int level, int rank, bool verified) {
    QLabel* mark = checkedMarks[level][rank];
    const QLabel* time = times[level][rank];
    if (!verified) {
        mark->hide();
        return;
    }
    // Just left of the time, which stands at the right of its line.
    const int textWidth = time->fontMetrics().horizontalAdvance(time->text());
    mark->setPixmap(tickPicture(devicePixelRatioF()));
    const int beside = time->geometry().right() + 1 - textWidth - markSide - 4;
    const int clear = watchButtons[level][rank]->geometry().right() + 3; // never over Watch
    mark->setGeometry(std::max(beside, clear), time->y() + (time->height() - markSide) / 2,
                      markSide, markSide);
    mark->show();
}

std::string BestTimesScreen::spokenWords() const {
    static constexpr const char* places[3] = {"first", "second", "third"};
    std::string words;
    addSentence(words, windowTitle().toStdString());
    for (int level = 0; level < 6; ++level) {
        std::string line = titles[level]->text().toStdString() + ":";
        for (int rank = 0; rank < 3; ++rank)
            line += std::string(rank == 0 ? " " : "; ") + places[rank] + ", " +
                    wholeText(names[level][rank]).toStdString() + ", " +
                    times[level][rank]->text().toStdString();
        addSentence(words, line);
    }
    return words + " " + dialogWords({}, {}, {{closeButton->text().toStdString(), "Esc"}});
}

void BestTimesScreen::showEntryStats(QObject* clicked) {
    for (int level = 0; level < 6; ++level)
        for (int rank = 0; rank < 3; ++rank)
            if (clicked == names[level][rank]) {
                m_stats.showEntry(rank + 1, levelTitle(level + 1),
                                  m_table->entry(level + 1, rank + 1));
                return;
            }
}

bool BestTimesScreen::eventFilter(QObject* watched, QEvent* event) {
    // A name answers a left click released over it.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = qobject_cast<QLabel*>(watched);
        if (label && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            showEntryStats(watched);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BestTimesScreen::showEvent(QShowEvent* event) {
    centreFrame(this); // before it appears, so it never jumps
    QDialog::showEvent(event);
    if (!m_runsFound) afterNextPaint(this, [this] { checkNextRun(); });
}

} // namespace quorvel
