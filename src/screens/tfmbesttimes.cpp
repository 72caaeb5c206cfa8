#include "tfmbesttimes.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "besttimes.h"
#include "tfstats.h"

namespace quorvel {

namespace {

constexpr int clientwidth = 632, clientheight = 453;
constexpr int panelwidth = 200, panelheight = 198, gap = 8;

const QColor rankcolours[3] = {QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255)};

constexpr const char* titletexts[6] = {"Nice-n-Easy",       "A little harder now",
                                       "A real challenge",  "Now we're getting there",
                                       "O.K. This is hard", "Only for the Strongest"};

void setcolour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace

std::string leveltitle(int level) {
    return level >= 1 && level <= 6 ? titletexts[level - 1] : std::string();
}

TFmBestTimes::TFmBestTimes(TfStats& stats, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_stats(stats), m_table(std::make_unique<BestTimes>()) {
    setObjectName("TFmBestTimes");
    setWindowTitle("Best times");
    setFixedSize(clientwidth, clientheight);
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
        const int x = gap + (level % 3) * (panelwidth + gap);
        const int y = gap + (level / 3) * (panelheight + gap);
        auto* panel = new QFrame(this);
        panel->setObjectName(QString("Panel%1").arg(level + 1));
        panel->setGeometry(x, y, panelwidth, panelheight);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAutoFillBackground(true);
        QPalette black = panel->palette();
        black.setColor(QPalette::Window, Qt::black);
        panel->setPalette(black);
        panels[level] = panel;

        auto* t = new QLabel(QString::fromUtf8(titletexts[level]), panel);
        t->setObjectName(QString("lblTitle%1").arg(level + 1));
        t->setFont(title);
        t->setAlignment(Qt::AlignCenter);
        t->setGeometry(4, 8, panelwidth - 8, 24);
        setcolour(t, Qt::white);
        titles[level] = t;

        auto* rule = new QFrame(panel);
        rule->setGeometry(16, 35, panelwidth - 32, 1);
        rule->setAutoFillBackground(true);
        QPalette grey = rule->palette();
        grey.setColor(QPalette::Window, QColor(96, 96, 96));
        rule->setPalette(grey);

        for (int rank = 0; rank < 3; ++rank) {
            const int top = 46 + rank * 50;
            auto* n = new QLabel(panel);
            n->setObjectName(QString("lblName%1%2").arg(level + 1).arg(rank + 1));
            n->setFont(name);
            n->setGeometry(12, top, panelwidth - 24, 22);
            n->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            n->setCursor(Qt::PointingHandCursor);
            n->installEventFilter(this);
            setcolour(n, rankcolours[rank]);
            names[level][rank] = n;

            auto* tl = new QLabel(panel);
            tl->setObjectName(QString("lblTime%1%2").arg(level + 1).arg(rank + 1));
            tl->setFont(time);
            tl->setGeometry(12, top + 21, panelwidth - 24, 19);
            tl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setcolour(tl, rankcolours[rank]);
            times[level][rank] = tl;
        }
    }

    btnCancel =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry((clientwidth - 88) / 2, clientheight - gap - 30, 88, 28);
    btnCancel->setDefault(true);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFmBestTimes::~TFmBestTimes() = default;

void TFmBestTimes::filltimes(const BestTimes& table) {
    *m_table = table;
    for (int level = 0; level < 6; ++level)
        for (int rank = 0; rank < 3; ++rank) {
            const BestTime e = table.entry(level + 1, rank + 1);
            names[level][rank]->setText(QString::fromStdString(e.name));
            times[level][rank]->setText(QString::fromStdString(e.timetext));
        }
}

void TFmBestTimes::showtimes(const BestTimes& table) {
    filltimes(table);
    exec();
}

void TFmBestTimes::showentrystats(QObject* clicked) {
    for (int level = 0; level < 6; ++level)
        for (int rank = 0; rank < 3; ++rank)
            if (clicked == names[level][rank]) {
                m_stats.showentry(rank + 1, leveltitle(level + 1),
                                  m_table->entry(level + 1, rank + 1));
                return;
            }
}

bool TFmBestTimes::eventFilter(QObject* watched, QEvent* event) {
    // A name answers a left click released over it.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = qobject_cast<QLabel*>(watched);
        if (label && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            showentrystats(watched);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFmBestTimes::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

} // namespace quorvel
