#include "screens/helpwindow.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/windowframe.h"
#include "screens/helpresources.h"
#include "screens/keybindings.h"
#include "widgets/accessibility.h"
#include "widgets/language.h"
#include "widgets/storyhtml.h"

namespace quorvel {

const HelpItem helpOutline[13] = {
    {1, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Getting Started"), nullptr, nullptr},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "General Information"), "A1",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "General Information")},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "About Themes"), "A2",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "About Themes")},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "About Levels"), "A3",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "About Levels")},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Loading a Game"), "A4",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Loading a Previously Saved Game")},
    {1, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Playing the Game"), nullptr, nullptr},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Necessary Items"), "B1",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Necessary Items")},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Helpful Items"), "B2",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Helpful Items")},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Scoring Items"), "B3",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Scoring Items")},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Navigating the Maze"), "B4",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Navigating the Maze")},
    {1, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Ending the Game"), nullptr, nullptr},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Saving a Game"), "C1",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Saving a Game while in Progress")},
    {2, QT_TRANSLATE_NOOP("quorvel::HelpWindow", "Grand Finale"), "C2",
     QT_TRANSLATE_NOOP("quorvel::HelpWindow", "The Grand Finale")},
};

namespace {

constexpr int helpWidth = 640;
constexpr int helpHeight = 480;
constexpr int indexWidth = 165;
constexpr int pageCount = 10;

// The topic's place among the ten pages, 1..10.
int pageNumber(int item) {
    int n = 0;
    for (int i = 1; i <= item && i <= helpItemCount; ++i)
        if (helpOutline[i - 1].page) ++n;
    return n;
}

} // namespace

bool loadRtfResource(QTextBrowser* viewer, const char* name) {
    initHelpResources();
    // The page in the player's language where there is one, else the English one.
    QFile file(QStringLiteral(":/RTF/%1/%2")
                   .arg(QString::fromStdString(gameLanguage()), QString::fromLatin1(name)));
    if (gameLanguage().empty() || !file.exists())
        file.setFileName(QStringLiteral(":/RTF/") + QString::fromLatin1(name));
    if (!viewer || !file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    viewer->clear();
    // The pages share one style sheet.
    QFile style(QStringLiteral(":/help/help.css"));
    if (style.open(QIODevice::ReadOnly))
        viewer->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    if (bytes.startsWith("{\\rtf")) {
        const RtfDocument doc = parseRtf(std::string_view(bytes.constData(), bytes.size()));
        viewer->setHtml(QString::fromStdString(rtfToHtml(doc)));
    } else {
        viewer->setHtml(QString::fromUtf8(bytes));
    }
    return true;
}

namespace {

// The page of keys names the game's own; keys the settings file's [Keys] section has
// moved are listed under it, so the help never sends a player to a key that does not act.
void addKeysInForce(QTextBrowser* viewer, const KeyBindings& keys) {
    if (keys.isDefault()) return;
    const KeyBindings own;
    QString list;
    for (int n = 0; n < keyActionCount; ++n) {
        const auto action = static_cast<KeyAction>(n);
        if (keys.key(action) == own.key(action)) continue;
        list += QStringLiteral("<li><span class=\"key\">%1</span> %2</li>")
                    .arg(QString::fromStdString(keys.keyName(action)).toHtmlEscaped(),
                         HelpWindow::tr(keyActionMeaning(action)));
    }
    QTextCursor end(viewer->document());
    end.movePosition(QTextCursor::End);
    end.insertHtml(QStringLiteral("<p class=\"sub\">%1</p><p>%2</p><ul>%3</ul>")
                       .arg(HelpWindow::tr("Your keys"),
                            HelpWindow::tr("The settings file moves these keys for every player:"),
                            list));
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fHelp");
    setWindowTitle(tr("Quorvel 3-D Help"));
    resize(helpWidth, helpHeight);
    setMinimumSize(360, 240);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(4, 4, 4, 0);
    body->setSpacing(4);
    outline = new QTreeWidget(this);
    outline->setObjectName("cIndex");
    outline->setFixedWidth(indexWidth);
    outline->setHeaderHidden(true);
    outline->setColumnCount(1);
    outline->setRootIsDecorated(true);
    outline->setIndentation(14);
    outline->setSelectionMode(QAbstractItemView::SingleSelection);
    QTreeWidgetItem* heading = nullptr;
    for (int n = 1; n <= helpItemCount; ++n) {
        const HelpItem& h = helpOutline[n - 1];
        auto* it =
            h.level == 1 || !heading ? new QTreeWidgetItem(outline) : new QTreeWidgetItem(heading);
        it->setText(0, tr(h.text));
        it->setData(0, Qt::UserRole, n);
        if (h.level == 1) {
            heading = it;
            QFont bold = it->font(0);
            bold.setBold(true);
            it->setFont(0, bold);
        }
        m_items[n - 1] = it;
    }
    outline->collapseAll(); // all headings start collapsed
    body->addWidget(outline);

    pageViewer = new QTextBrowser(this);
    pageViewer->setObjectName("eHelpDoc");
    pageViewer->setReadOnly(true);
    pageViewer->setOpenLinks(false);
    pageViewer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pageViewer->document()->setDocumentMargin(10);
    body->addWidget(pageViewer, 1);
    outer->addLayout(body, 1);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 4);
    bar->setSpacing(4);
    QStyle* s = style();
    auto button = [this, bar](QPushButton*& b, const char* name, const QString& caption,
                              const QIcon& icon, const QString& hint) {
        b = new QPushButton(icon, caption, this);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        bar->addWidget(b);
    };
    button(firstButton, "bFirst", tr("First"), s->standardIcon(QStyle::SP_MediaSkipBackward),
           tr("First Topic"));
    button(previousButton, "bPrev", tr("Previous"), s->standardIcon(QStyle::SP_MediaSeekBackward),
           tr("Previous Topic"));
    button(nextButton, "bNext", tr("Next"), s->standardIcon(QStyle::SP_MediaSeekForward),
           tr("Next Topic"));
    button(lastButton, "bLast", tr("Last"), s->standardIcon(QStyle::SP_MediaSkipForward),
           tr("Last Topic"));
    bar->addStretch(1);
    button(closeButton, "bClose", tr("Close"), s->standardIcon(QStyle::SP_DialogCloseButton),
           tr("Close Help"));
    firstButton->setEnabled(false);
    outer->addLayout(bar);

    statusBar = new QStatusBar(this);
    statusBar->setObjectName("StatusBar1");
    statusBar->setSizeGripEnabled(true);
    statusTopic = new QLabel(statusBar);
    statusTopic->setObjectName("StatusTopic");
    statusBar->addWidget(statusTopic, 1);
    outer->addWidget(statusBar);

    connect(firstButton, &QPushButton::clicked, this, [this] { firstTopic(); });
    connect(previousButton, &QPushButton::clicked, this, [this] { previousTopic(); });
    connect(nextButton, &QPushButton::clicked, this, [this] { nextTopic(); });
    connect(lastButton, &QPushButton::clicked, this, [this] { lastTopic(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { closeHelp(); });
    connect(outline, &QTreeWidget::currentItemChanged, this, [this] { showSelectedPage(); });
    // Collapsing the heading of the selected topic selects the heading, as the
    // selection rule says: a topic under a collapsed heading is never selected.
    connect(outline, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* it) {
        if (QTreeWidgetItem* cur = outline->currentItem(); cur && cur->parent() == it)
            outline->setCurrentItem(it);
    });
    outline->installEventFilter(this);
    pageViewer->installEventFilter(this);
    for (QPushButton* b : {firstButton, previousButton, nextButton, lastButton, closeButton})
        b->installEventFilter(this);

    describeControl(outline, tr("Topics"),
                    tr("The topics of the help under their headings; choosing one shows its page. "
                       "N, P, F and L go to the next, previous, first and last topic."));
    describeControl(pageViewer, tr("Help page"), QString());
    describeControl(statusBar, tr("Status"), tr("The topic shown, and the hint of a button."));
    makeAccessible(this);

    outline->setCurrentItem(m_items[0]);
    outline->setFocus();
}

void HelpWindow::showHelp() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

QTreeWidgetItem* HelpWindow::item(int n) const {
    return n >= 1 && n <= helpItemCount ? m_items[n - 1] : nullptr;
}

int HelpWindow::number(const QTreeWidgetItem* it) const {
    return it ? it->data(0, Qt::UserRole).toInt() : 0;
}

bool HelpWindow::hasPage(int n) {
    return n >= 1 && n <= helpItemCount && helpOutline[n - 1].page != nullptr;
}

int HelpWindow::selectedItem() const {
    return number(outline->currentItem());
}

bool HelpWindow::isExpanded(int n) const {
    QTreeWidgetItem* it = item(n);
    return it && it->isExpanded();
}

void HelpWindow::expandItem(int n) {
    QTreeWidgetItem* it = item(n);
    if (it && it->childCount() > 0) it->setExpanded(true);
}

void HelpWindow::selectItem(int n) {
    QTreeWidgetItem* it = item(n);
    if (!it) return;
    if (QTreeWidgetItem* heading = it->parent(); heading && !heading->isExpanded()) it = heading;
    outline->setCurrentItem(it);
}

void HelpWindow::showSelectedPage() {
    const int s = selectedItem();
    if (!hasPage(s)) return; // a heading leaves the page on display
    const HelpItem& h = helpOutline[s - 1];
    pageViewer->clear();
    if (loadRtfResource(pageViewer, h.page))
        m_pageShown = QString::fromLatin1(h.page);
    else
        m_pageShown.clear();
    if (m_pageShown == "B4") addKeysInForce(pageViewer, KeyBindings::load());
    firstButton->setEnabled(s >= 2);
    lastButton->setEnabled(s < helpItemCount);
    describeControl(pageViewer, pageViewer->accessibleName(), tr(h.heading));
    statusTopic->setText(
        tr("Topic %1 of %2:  %3").arg(pageNumber(s)).arg(pageCount).arg(tr(h.heading)));
}

void HelpWindow::nextTopic() {
    const int s = selectedItem();
    if (!hasPage(s)) expandItem(s);
    for (int n = s + 1; n <= helpItemCount; ++n) {
        if (!hasPage(n)) {
            expandItem(n);
            continue;
        }
        selectItem(n);
        return;
    }
    // Past the last topic: nothing more to select.
}

void HelpWindow::previousTopic() {
    expandItem(1);
    const int s = selectedItem();
    if (s <= 1) return;
    int t = s - 1;
    if (!hasPage(t)) t = s - 2; // only one heading is skipped
    if (t >= 1 && t <= helpItemCount) selectItem(t);
}

void HelpWindow::firstTopic() {
    selectItem(1);
}

void HelpWindow::lastTopic() {
    expandItem(1);
    selectItem(helpItemCount);
}

void HelpWindow::closeHelp() {
    close();
}

bool HelpWindow::handleKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeHelp();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text().toUpper();
    QPushButton* b = text == "N"   ? nextButton
                     : text == "P" ? previousButton
                     : text == "F" ? firstButton
                     : text == "L" ? lastButton
                                   : nullptr;
    if (!b) return false; // other keys belong to the control
    if (b->isEnabled()) b->click();
    return true;
}

void HelpWindow::onShown() {
    if (!m_placed) {
        m_placed = true;
        centreFrame(this);
    }
    if (!hasPage(selectedItem())) nextTopic();
    const int s = selectedItem();
    // Reopens on the last page read, where the reader left it.
    if (hasPage(s) && m_pageShown != QString::fromLatin1(helpOutline[s - 1].page))
        showSelectedPage();
}

void HelpWindow::onResized() {
    pageViewer->viewport()->update();
}

void HelpWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) onShown();
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    onResized();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event)) QWidget::keyPressEvent(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

bool HelpWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // A button's hint shows in the status bar while the mouse is over it.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty())
            statusBar->clearMessage();
        else
            statusBar->showMessage(tip);
        return true;
    }
    return QWidget::event(event);
}

} // namespace quorvel
