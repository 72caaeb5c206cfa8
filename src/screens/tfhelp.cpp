#include "tfhelp.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "helpresources.h"
#include "rtf.h"

namespace quorvel {

const HelpItem helpoutline[13] = {
    {1, "Getting Started", nullptr, nullptr},
    {2, "General Information", "A1", "General Information"},
    {2, "About Themes", "A2", "About Themes"},
    {2, "About Levels", "A3", "About Levels"},
    {2, "Loading a Game", "A4", "Loading a Previously Saved Game"},
    {1, "Playing the Game", nullptr, nullptr},
    {2, "Necessary Items", "B1", "Necessary Items"},
    {2, "Helpful Items", "B2", "Helpful Items"},
    {2, "Scoring Items", "B3", "Scoring Items"},
    {2, "Navigating the Maze", "B4", "Navigating the Maze"},
    {1, "Ending the Game", nullptr, nullptr},
    {2, "Saving a Game", "C1", "Saving a Game while in Progress"},
    {2, "Grand Finale", "C2", "The Grand Finale"},
};

namespace {

constexpr int helpwidth = 640;
constexpr int helpheight = 480;
constexpr int indexwidth = 165;
constexpr int pagecount = 10;

// The topic's place among the ten pages, 1..10.
int pagenumber(int item) {
    int n = 0;
    for (int i = 1; i <= item && i <= helpitemcount; ++i)
        if (helpoutline[i - 1].page) ++n;
    return n;
}

} // namespace

bool loadrtfresource(QTextBrowser* viewer, const char* name) {
    inithelpresources();
    QFile file(QStringLiteral(":/RTF/") + QString::fromLatin1(name));
    if (!viewer || !file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    viewer->clear();
    // The pages share one style sheet.
    QFile style(QStringLiteral(":/help/help.css"));
    if (style.open(QIODevice::ReadOnly))
        viewer->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    if (bytes.startsWith("{\\rtf")) {
        const RtfDocument doc = parsertf(std::string_view(bytes.constData(), bytes.size()));
        viewer->setHtml(QString::fromStdString(rtftohtml(doc)));
    } else {
        viewer->setHtml(QString::fromUtf8(bytes));
    }
    return true;
}

TfHelp::TfHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fHelp");
    setWindowTitle("Quorvel 3-D Help");
    resize(helpwidth, helpheight);
    setMinimumSize(360, 240);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(4, 4, 4, 0);
    body->setSpacing(4);
    cIndex = new QTreeWidget(this);
    cIndex->setObjectName("cIndex");
    cIndex->setFixedWidth(indexwidth);
    cIndex->setHeaderHidden(true);
    cIndex->setColumnCount(1);
    cIndex->setRootIsDecorated(true);
    cIndex->setIndentation(14);
    cIndex->setSelectionMode(QAbstractItemView::SingleSelection);
    QTreeWidgetItem* heading = nullptr;
    for (int n = 1; n <= helpitemcount; ++n) {
        const HelpItem& h = helpoutline[n - 1];
        auto* it =
            h.level == 1 || !heading ? new QTreeWidgetItem(cIndex) : new QTreeWidgetItem(heading);
        it->setText(0, QString::fromLatin1(h.text));
        it->setData(0, Qt::UserRole, n);
        if (h.level == 1) {
            heading = it;
            QFont bold = it->font(0);
            bold.setBold(true);
            it->setFont(0, bold);
        }
        m_items[n - 1] = it;
    }
    cIndex->collapseAll(); // all headings start collapsed
    body->addWidget(cIndex);

    eHelpDoc = new QTextBrowser(this);
    eHelpDoc->setObjectName("eHelpDoc");
    eHelpDoc->setReadOnly(true);
    eHelpDoc->setOpenLinks(false);
    eHelpDoc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    eHelpDoc->document()->setDocumentMargin(10);
    body->addWidget(eHelpDoc, 1);
    outer->addLayout(body, 1);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 4);
    bar->setSpacing(4);
    QStyle* s = style();
    auto button = [this, bar](QPushButton*& b, const char* name, const char* caption,
                              const QIcon& icon, const char* hint) {
        b = new QPushButton(icon, caption, this);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        bar->addWidget(b);
    };
    button(bFirst, "bFirst", "First", s->standardIcon(QStyle::SP_MediaSkipBackward), "First Topic");
    button(bPrev, "bPrev", "Previous", s->standardIcon(QStyle::SP_MediaSeekBackward),
           "Previous Topic");
    button(bNext, "bNext", "Next", s->standardIcon(QStyle::SP_MediaSeekForward), "Next Topic");
    button(bLast, "bLast", "Last", s->standardIcon(QStyle::SP_MediaSkipForward), "Last Topic");
    bar->addStretch(1);
    button(bClose, "bClose", "Close", s->standardIcon(QStyle::SP_DialogCloseButton), "Close Help");
    bFirst->setEnabled(false);
    outer->addLayout(bar);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(true);
    StatusTopic = new QLabel(StatusBar1);
    StatusTopic->setObjectName("StatusTopic");
    StatusBar1->addWidget(StatusTopic, 1);
    outer->addWidget(StatusBar1);

    connect(bFirst, &QPushButton::clicked, this, [this] { bFirstClick(); });
    connect(bPrev, &QPushButton::clicked, this, [this] { bPrevClick(); });
    connect(bNext, &QPushButton::clicked, this, [this] { bNextClick(); });
    connect(bLast, &QPushButton::clicked, this, [this] { bLastClick(); });
    connect(bClose, &QPushButton::clicked, this, [this] { bCloseClick(); });
    connect(cIndex, &QTreeWidget::currentItemChanged, this, [this] { cIndexClick(); });
    // Collapsing the heading of the selected topic selects the heading, as the
    // selection rule says: a topic under a collapsed heading is never selected.
    connect(cIndex, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* it) {
        if (QTreeWidgetItem* cur = cIndex->currentItem(); cur && cur->parent() == it)
            cIndex->setCurrentItem(it);
    });
    cIndex->installEventFilter(this);
    eHelpDoc->installEventFilter(this);
    for (QPushButton* b : {bFirst, bPrev, bNext, bLast, bClose})
        b->installEventFilter(this);

    cIndex->setCurrentItem(m_items[0]);
    cIndex->setFocus();
}

void TfHelp::showhelp() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

QTreeWidgetItem* TfHelp::item(int n) const {
    return n >= 1 && n <= helpitemcount ? m_items[n - 1] : nullptr;
}

int TfHelp::number(const QTreeWidgetItem* it) const {
    return it ? it->data(0, Qt::UserRole).toInt() : 0;
}

bool TfHelp::haspage(int n) {
    return n >= 1 && n <= helpitemcount && helpoutline[n - 1].page != nullptr;
}

int TfHelp::selecteditem() const {
    return number(cIndex->currentItem());
}

bool TfHelp::isexpanded(int n) const {
    QTreeWidgetItem* it = item(n);
    return it && it->isExpanded();
}

void TfHelp::expanditem(int n) {
    QTreeWidgetItem* it = item(n);
    if (it && it->childCount() > 0) it->setExpanded(true);
}

void TfHelp::selectitem(int n) {
    QTreeWidgetItem* it = item(n);
    if (!it) return;
    if (QTreeWidgetItem* heading = it->parent(); heading && !heading->isExpanded()) it = heading;
    cIndex->setCurrentItem(it);
}

void TfHelp::cIndexClick() {
    const int s = selecteditem();
    if (!haspage(s)) return; // a heading leaves the page on display
    const HelpItem& h = helpoutline[s - 1];
    eHelpDoc->clear();
    if (loadrtfresource(eHelpDoc, h.page))
        m_pageshown = QString::fromLatin1(h.page);
    else
        m_pageshown.clear();
    bFirst->setEnabled(s >= 2);
    bLast->setEnabled(s < helpitemcount);
    StatusTopic->setText(QStringLiteral("Topic %1 of %2:  %3")
                             .arg(pagenumber(s))
                             .arg(pagecount)
                             .arg(QString::fromLatin1(h.heading)));
}

void TfHelp::bNextClick() {
    const int s = selecteditem();
    if (!haspage(s)) expanditem(s);
    for (int n = s + 1; n <= helpitemcount; ++n) {
        if (!haspage(n)) {
            expanditem(n);
            continue;
        }
        selectitem(n);
        return;
    }
    // Past the last topic: nothing more to select.
}

void TfHelp::bPrevClick() {
    expanditem(1);
    const int s = selecteditem();
    if (s <= 1) return;
    int t = s - 1;
    if (!haspage(t)) t = s - 2; // only one heading is skipped
    if (t >= 1 && t <= helpitemcount) selectitem(t);
}

void TfHelp::bFirstClick() {
    selectitem(1);
}

void TfHelp::bLastClick() {
    expanditem(1);
    selectitem(helpitemcount);
}

void TfHelp::bCloseClick() {
    close();
}

bool TfHelp::FormKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        bCloseClick();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text().toUpper();
    QPushButton* b = text == "N"   ? bNext
                     : text == "P" ? bPrev
                     : text == "F" ? bFirst
                     : text == "L" ? bLast
                                   : nullptr;
    if (!b) return false; // other keys belong to the control
    if (b->isEnabled()) b->click();
    return true;
}

void TfHelp::FormShow() {
    if (!m_placed) {
        m_placed = true;
        if (QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    if (!haspage(selecteditem())) bNextClick();
    const int s = selecteditem();
    // Reopens on the last page read, where the reader left it.
    if (haspage(s) && m_pageshown != QString::fromLatin1(helpoutline[s - 1].page)) cIndexClick();
}

void TfHelp::FormResize() {
    eHelpDoc->viewport()->update();
}

void TfHelp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfHelp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TfHelp::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyPress(event)) QWidget::keyPressEvent(event);
}

bool TfHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FormKeyPress(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool TfHelp::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // A button's hint shows in the status bar while the mouse is over it.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty())
            StatusBar1->clearMessage();
        else
            StatusBar1->showMessage(tip);
        return true;
    }
    return QWidget::event(event);
}

} // namespace quorvel
