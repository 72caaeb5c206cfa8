#include "screens/storywindow.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>

#include "files/programfolder.h"
#include "platform/windowframe.h"
#include "text/rtf.h"
#include "theme/theme.h"
#include "widgets/accessibility.h"
#include "widgets/dialogs.h"
#include "widgets/mnemonickeys.h"
#include "widgets/qtext.h"
#include "widgets/storyview.h"

namespace quorvel {

namespace {

constexpr int storyWidth = 312;
constexpr int storyHeight = 286;
constexpr int margin = 8;
constexpr int buttonWidth = 75;
constexpr int buttonHeight = 25;

} // namespace

StoryWindow::StoryWindow(std::string programFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName("fStory");
    setWindowTitle(tr("Quorvel 3-D Story"));
    setModal(true);
    setFixedSize(storyWidth, storyHeight);
    setProgramFolder(std::move(programFolder));

    storyViewer = new QTextBrowser(this);
    storyViewer->setObjectName("eStoryDoc");
    storyViewer->setReadOnly(true);
    storyViewer->setOpenLinks(false);
    storyViewer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    storyViewer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    storyViewer->document()->setDocumentMargin(margin);
    storyViewer->setGeometry(margin, margin, storyWidth - 2 * margin,
                             storyHeight - 3 * margin - buttonHeight);

    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName("bClose");
    closeButton->setToolTip(tr("Close Help"));
    closeButton->setAutoDefault(false);
    closeButton->setGeometry((storyWidth - buttonWidth) / 2, storyHeight - margin - buttonHeight,
                             buttonWidth, buttonHeight);
    connect(closeButton, &QPushButton::clicked, this, [this] { closeStory(); });
    answerPlainLetters(this);
    describeControl(storyViewer, tr("Story"), tr("The story of the theme."));
    describeControl(closeButton, tr("Close"), tr("Close the story."));
    makeAccessible(this);

    storyViewer->installEventFilter(this);
    closeButton->installEventFilter(this);
}

void StoryWindow::setProgramFolder(std::string folder) {
    m_programFolder = withTrailingSlash(folder);
}

bool StoryWindow::loadStory(const std::string& path) {
    std::string bytes;
    if (!readRtfFile(path, bytes)) return false;
    // Pictures are shown no wider than the text between the viewer's margins.
    const int width = storyViewer->contentsRect().width() -
                      storyViewer->style()->pixelMetric(QStyle::PM_ScrollBarExtent) -
                      2 * static_cast<int>(storyViewer->document()->documentMargin());
    showRtf(storyViewer->document(), bytes, width);
    storyViewer->moveCursor(QTextCursor::Start); // the story opens at its beginning
    storyViewer->verticalScrollBar()->setValue(0);
    return true;
}

bool StoryWindow::showStory(std::string_view theme) {
    const std::string folder = themeFolder(m_programFolder, theme);
    const std::string path = folder.empty() ? std::string() : themeStory(folder);
    if (path.empty() || !loadStory(path)) {
        m_startStory = false; // no window, so nothing is left open by "Enter"
        return false;
    }
    setWindowTitle(QString::fromUtf8(theme.data(), static_cast<qsizetype>(theme.size())));
    centreFrame(this);
    storyViewer->setFocus();
    emit wordsToSay(dialogWords(tr("The story of %1").arg(qText(theme)).toStdString(),
                                storyViewer->toPlainText().toStdString(),
                                {{closeButton->text().toStdString(), "Esc"}}));
    exec();
    return true;
}

void StoryWindow::closeStory() {
    reject();
}

bool StoryWindow::handleKey(QKeyEvent* event) {
    // A held key repeats; the repeat of the key that opened the story must not close it.
    if (event->isAutoRepeat()) return false;
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        closeStory();
        return true;
    }
    const QString text = event->text();
    if (text == "/" || text == "?") {
        if (!m_startStory) closeStory();
        return true;
    }
    return false;
}

void StoryWindow::done(int result) {
    onClosed();
    QDialog::done(result);
}

void StoryWindow::onClosed() {
    m_startStory = false;
}

void StoryWindow::onResized() {
    storyViewer->viewport()->update();
}

void StoryWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    onResized();
}

void StoryWindow::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event)) QDialog::keyPressEvent(event);
}

bool StoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event))) return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace quorvel
