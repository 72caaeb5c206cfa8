#include "screens/besttimesscreen.h"

#include <QFrame>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "game/besttimes.h"
#include "platform/windowframe.h"
#include "play/runchecks.h"
#include "screens/statisticsscreen.h"
#include "text/textutil.h"
#include "widgets/accessibility.h"
#include "widgets/afterpaint.h"
#include "widgets/dialogs.h"
#include "widgets/elidedtext.h"
#include "widgets/language.h"
#include "widgets/mnemonickeys.h"

namespace quorvel {

namespace {

constexpr int clientWidth = 632, clientHeight = 453;
constexpr int panelWidth = 200, panelHeight = 198, gap = 8;

const QColor rankColours[3] = {QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255)};

constexpr const char* titleTexts[levelCount] = {
    QT_TRANSLATE_NOOP("quorvel::BestTimesScreen", "Nice-n-Easy"),
    QT_TRANSLATE_NOOP("quorvel::BestTimesScreen", "A little harder now"),
    QT_TRANSLATE_NOOP("quorvel::BestTimesScreen", "A real challenge"),
    QT_TRANSLATE_NOOP("quorvel::BestTimesScreen", "Now we're getting there"),
    QT_TRANSLATE_NOOP("quorvel::BestTimesScreen", "O.K. This is hard"),
    QT_TRANSLATE_NOOP("quorvel::BestTimesScreen", "Only for the Strongest")};

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
    return isLevel(level) ? BestTimesScreen::tr(titleTexts[level - 1]).toStdString()
                          : std::string();
}

BestTimesScreen::BestTimesScreen(StatisticsScreen& stats, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_stats(stats), m_table(std::make_unique<BestTimes>()),
      m_checks(std::make_unique<RunChecks>()) {
    connect(m_checks.get(), &RunChecks::runsFound, this, &BestTimesScreen::showRuns);
    connect(m_checks.get(), &RunChecks::runChecked, this, &BestTimesScreen::showChecked);
    connect(m_checks.get(), &RunChecks::finished, this, [this] { m_checked = true; });
    setObjectName("TFmBestTimes");
    setWindowTitle(tr("Best times"));
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

    for (int level = 0; level < levelCount; ++level) {
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

        auto* t = new QLabel(tr(titleTexts[level]), panel);
        t->setObjectName(QString("lblTitle%1").arg(level + 1));
        t->setFont(title);
        t->setAlignment(Qt::AlignCenter);
        t->setGeometry(4, 8, panelWidth - 8, 24);
        setColour(t, Qt::white);
        titles[level] = t;
        markDecoration(t); // the panel's name
        describeControl(panel, tr("Level %1: %2").arg(level + 1).arg(t->text()), QString());

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
            n->setFocusPolicy(Qt::StrongFocus); // Tab reaches each result, Enter opens it
            setColour(n, rankColours[rank]);
            names[level][rank] = n;
            readLabelAs(n, tr("Rank %1:").arg(rank + 1));

            auto* tl = new QLabel(panel);
            tl->setObjectName(QString("lblTime%1%2").arg(level + 1).arg(rank + 1));
            tl->setFont(time);
            tl->setGeometry(12, top + 21, panelWidth - 24, 19);
            tl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setColour(tl, rankColours[rank]);
            times[level][rank] = tl;
            readLabelAs(tl, tr("Time"));

            auto* watch = new QPushButton(tr("Watch"), panel);
            watch->setObjectName(QString("watchButton%1%2").arg(level + 1).arg(rank + 1));
            watch->setGeometry(12, top + 22, 46, 18);
            QFont small = watch->font();
            small.setPixelSize(11);
            watch->setFont(small);
            watch->setAutoDefault(false);
            watch->setToolTip(tr("Watch this run again on the game screen."));
            watch->hide();
            connect(watch, &QPushButton::clicked, this, [this, level, rank] {
                m_chosen = m_runs[level][rank].path;
                accept();
            });
            watchButtons[level][rank] = watch;

            auto* mark = new QLabel(panel);
            mark->setObjectName(QString("checkedMark%1%2").arg(level + 1).arg(rank + 1));
            mark->setToolTip(tr("Checked: the kept run of this result plays again with the rules "
                                "to this very time and gems."));
            mark->hide();
            checkedMarks[level][rank] = mark;
        }
    }

    closeButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Cancel"), this);
    closeButton->setObjectName("btnCancel");
    closeButton->setGeometry((clientWidth - 88) / 2, clientHeight - gap - 30, 88, 28);
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    answerPlainLetters(this);
    describeControl(closeButton, tr("Cancel"), tr("Close the best times."));
    makeAccessible(this);
}

BestTimesScreen::~BestTimesScreen() = default;

void BestTimesScreen::fillTimes(const BestTimes& table) {
    m_checks->cancel();
    *m_table = table;
    m_runs = {};
    m_checkAsked = m_checkStarted = m_checked = false;
    for (int level = 0; level < levelCount; ++level)
        for (int rank = 0; rank < 3; ++rank) {
            const BestTime e = table.entry(level + 1, rank + 1);
            // A name longer than its line is cut to fit, whole in the hint.
            showElided(names[level][rank], QString::fromStdString(e.name));
            times[level][rank]->setText(shownClockText(e.timeText));
            // Read by Tab one by one: each result says its level, rank, name and time.
            const QString result = tr("%1, rank %2: %3, %4")
                                       .arg(QString::fromStdString(levelTitle(level + 1)))
                                       .arg(rank + 1)
                                       .arg(QString::fromStdString(e.name),
                                            times[level][rank]->text());
            describeControl(names[level][rank], result,
                            tr("Enter or a click shows the statistics of this game."));
            describeControl(watchButtons[level][rank], tr("Watch %1").arg(result),
                            watchButtons[level][rank]->toolTip());
            watchButtons[level][rank]->hide();
            checkedMarks[level][rank]->hide();
        }
}

bool BestTimesScreen::runsChecked() const {
    return m_checked;
}

// The kept runs behind the table, found on a worker once the screen is up: a Watch
// button beside each; their checks follow one by one.
void BestTimesScreen::showRuns(const RunsOfTable& runs) {
    m_runs = runs;
    for (int level = 0; level < levelCount; ++level)
        for (int rank = 0; rank < 3; ++rank) {
            const RunOfTable& run = m_runs[level][rank];
            watchButtons[level][rank]->setVisible(!run.path.empty());
            // The table keeps 20 characters of a name; its run keeps the whole name, shown
            // cut to the line with an ellipsis and whole in the hint.
            if (charcount(run.player) > charcount(m_table->entry(level + 1, rank + 1).name))
                showElided(names[level][rank], QString::fromStdString(run.player));
        }
}

void BestTimesScreen::showTimes(const BestTimes& table) {
    m_chosen.clear();
    fillTimes(table);
    emit wordsToSay(spokenWords());
    exec();
}

void BestTimesScreen::showChecked(int level, int rank, bool verified) {
    --level;
    --rank;
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
    const QString places[3] = {tr("first"), tr("second"), tr("third")};
    std::string words;
    addSentence(words, windowTitle().toStdString());
    for (int level = 0; level < levelCount; ++level) {
        std::string line = titles[level]->text().toStdString() + ":";
        for (int rank = 0; rank < 3; ++rank)
            line += std::string(rank == 0 ? " " : "; ") + places[rank].toStdString() + ", " +
                    wholeText(names[level][rank]).toStdString() + ", " +
                    times[level][rank]->text().toStdString();
        addSentence(words, line);
    }
    return words + " " + dialogWords({}, {}, {{closeButton->text().toStdString(), "Esc"}});
}

void BestTimesScreen::showEntryStats(QObject* clicked) {
    for (int level = 0; level < levelCount; ++level)
        for (int rank = 0; rank < 3; ++rank)
            if (clicked == names[level][rank]) {
                m_stats.showEntry(rank + 1, levelTitle(level + 1),
                                  m_table->entry(level + 1, rank + 1));
                return;
            }
}

bool BestTimesScreen::eventFilter(QObject* watched, QEvent* event) {
    // A name with the focus answers Enter and Space (the dialog's default button would).
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            for (const auto& level : names)
                for (const QLabel* name : level)
                    if (watched == name) {
                        showEntryStats(watched);
                        return true;
                    }
        }
    }
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
    if (!m_checkAsked) {
        m_checkAsked = true;
        afterNextPaint(this, [this] { startRunChecks(); });
    }
}

void BestTimesScreen::startRunChecks() {
    if (m_checkStarted) return;
    m_checkStarted = true;
    m_checks->check(*m_table);
}

void BestTimesScreen::finishRunChecks() {
    startRunChecks();
    m_checks->waitForResults();
}

} // namespace quorvel
