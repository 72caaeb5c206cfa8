#include "tfstory.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>

#include "progfolder.h"
#include "rtf.h"
#include "theme.h"

namespace quorvel {

namespace {

constexpr int storywidth = 312;
constexpr int storyheight = 286;
constexpr int margin = 8;
constexpr int buttonwidth = 75;
constexpr int buttonheight = 25;

} // namespace

TfStory::TfStory(std::string programfolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName("fStory");
    setWindowTitle("Quorvel 3-D Story");
    setModal(true);
    setFixedSize(storywidth, storyheight);
    setprogramfolder(std::move(programfolder));

    eStoryDoc = new QTextBrowser(this);
    eStoryDoc->setObjectName("eStoryDoc");
    eStoryDoc->setReadOnly(true);
    eStoryDoc->setOpenLinks(false);
    eStoryDoc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    eStoryDoc->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    eStoryDoc->document()->setDocumentMargin(margin);
    eStoryDoc->setGeometry(margin, margin, storywidth - 2 * margin,
                           storyheight - 3 * margin - buttonheight);

    bClose = new QPushButton("Close", this);
    bClose->setObjectName("bClose");
    bClose->setToolTip("Close Help");
    bClose->setAutoDefault(false);
    bClose->setGeometry((storywidth - buttonwidth) / 2, storyheight - margin - buttonheight,
                        buttonwidth, buttonheight);
    connect(bClose, &QPushButton::clicked, this, [this] { bCloseClick(); });

    eStoryDoc->installEventFilter(this);
    bClose->installEventFilter(this);
}

void TfStory::setprogramfolder(std::string folder) {
    m_programfolder = addbackslash(folder);
}

bool TfStory::loadstory(const std::string& path) {
    std::string bytes;
    if (!readrtffile(path, bytes)) return false;
    eStoryDoc->clear();
    eStoryDoc->setHtml(QString::fromStdString(rtftohtml(parsertf(bytes))));
    return true;
}

bool TfStory::showstory(std::string_view theme) {
    const std::string folder = themefolder(m_programfolder, theme);
    const std::string path = folder.empty() ? std::string() : themestory(folder);
    if (path.empty() || !loadstory(path)) {
        m_startstory = false; // no window, so nothing is left open by "Enter"
        return false;
    }
    setWindowTitle(QString::fromUtf8(theme.data(), static_cast<qsizetype>(theme.size())));
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    eStoryDoc->setFocus();
    exec();
    return true;
}

void TfStory::bCloseClick() {
    reject();
}

bool TfStory::FormKeyPress(QKeyEvent* event) {
    // A held key repeats; the repeat of the key that opened the story must not close it.
    if (event->isAutoRepeat()) return false;
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        bCloseClick();
        return true;
    }
    const QString text = event->text();
    if (text == "/" || text == "?") {
        if (!m_startstory) bCloseClick();
        return true;
    }
    return false;
}

void TfStory::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TfStory::FormClose() {
    m_startstory = false;
}

void TfStory::FormResize() {
    eStoryDoc->viewport()->update();
}

void TfStory::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void TfStory::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyPress(event)) QDialog::keyPressEvent(event);
}

bool TfStory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FormKeyPress(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace quorvel
