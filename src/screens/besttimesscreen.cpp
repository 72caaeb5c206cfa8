#include "screens/besttimesscreen.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

#include "game/besttimes.h"
#include "platform/windowframe.h"
#include "screens/statisticsscreen.h"
#include "widgets/accessibility.h"
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
    for (int level = 0; level < 6; ++level)
        for (int rank = 0; rank < 3; ++rank) {
            const BestTime e = table.entry(level + 1, rank + 1);
            // A name longer than its line is cut to fit, whole in the hint.
            showElided(names[level][rank], QString::fromStdString(e.name));
            times[level][rank]->setText(QString::fromStdString(e.timeText));
        }
}

void BestTimesScreen::showTimes(const BestTimes& table) {
    fillTimes(table);
    exec();
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
}

} // namespace quorvel
