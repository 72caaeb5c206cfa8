#include "widgets/messagedialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

#include "platform/windowframe.h"
#include "resources/resources.h"
#include "widgets/accessibility.h"
#include "widgets/dialogs.h"
#include "widgets/mnemonickeys.h"
#include "widgets/qtext.h"

namespace quorvel {

namespace {

QPointer<MessageDialog>& instance() {
    static QPointer<MessageDialog> dialog;
    return dialog;
}

} // namespace

MessageDialog::MessageDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName("fMessage");
    setWindowTitle(QCoreApplication::translate("quorvel::MessageDialog", "Message"));
    setFixedSize(312, 126);

    iconLabel = new QLabel(this);
    iconLabel->setObjectName("iMsg");
    iconLabel->setGeometry(12, 12, 48, 48);
    textLabel = new QLabel(this);
    textLabel->setObjectName("Label1");
    textLabel->setGeometry(68, 12, 232, 70);
    textLabel->setWordWrap(true);
    textLabel->setTextFormat(Qt::PlainText);
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton** buttons[3] = {&leftButton, &middleButton, &rightButton};
    const int lefts[3] = {12, 116, 218};
    for (int i = 0; i < 3; ++i) {
        QPushButton* b = new QPushButton(this);
        b->setObjectName(QString("b%1").arg(i + 1));
        b->setGeometry(lefts[i], 96, 82, 25);
        b->setAutoDefault(false); // Enter is the dialog's key, not a button's
        connect(b, &QPushButton::clicked, this, [this, i] { buttonClicked(i); });
        *buttons[i] = b;
    }
    makeAccessible(this);
}

QPixmap messageIcon(MessageIcon kind, qreal ratio) {
    static const char* const names[] = {"iconwarning", "iconerror", "iconinfo", "iconquestion"};
    initResources();
    // Each picture is read when a message first needs it; the icon finds its @2x file.
    static std::map<MessageIcon, QIcon> icons;
    auto it = icons.find(kind);
    if (it == icons.end())
        it = icons
                 .emplace(kind, QIcon(QString(":/pictures/%1.png")
                                          .arg(names[static_cast<int>(kind)])))
                 .first;
    return it->second.pixmap(QSize(48, 48), ratio);
}

void MessageDialog::showIcon(MessageIcon kind) {
    iconLabel->setPixmap(messageIcon(kind, devicePixelRatioF()));
}

void MessageDialog::setButton(int index, const char* caption, QStyle::StandardPixmap glyph,
                              int result) {
    auto it = m_glyphs.find(glyph);
    if (it == m_glyphs.end()) it = m_glyphs.emplace(glyph, style()->standardIcon(glyph)).first;
    QPushButton* b = index == 0 ? leftButton : index == 1 ? middleButton : rightButton;
    b->setText(QCoreApplication::translate("quorvel::MessageDialog", caption));
    b->setIcon(it->second);
    m_results[index] = result;
}

int MessageDialog::showDialog(int kind, std::string_view title, std::string_view text) {
    m_acceptEnter = m_acceptEsc = false;
    m_enterResult = mrOk;
    m_escResult = mrCancel;
    textLabel->setText(qText(text));
    middleButton->setVisible(true);
    for (QPushButton* b : {leftButton, middleButton, rightButton})
        b->setToolTip({});

    const char* caption = QT_TRANSLATE_NOOP("quorvel::MessageDialog", "Notice");
    switch (kind) {
    case dkWarning:
    case dkError:
        caption = kind == dkWarning ? QT_TRANSLATE_NOOP("quorvel::MessageDialog", "Warning")
                                    : QT_TRANSLATE_NOOP("quorvel::MessageDialog", "Error");
        showIcon(kind == dkWarning ? MessageIcon::warning : MessageIcon::error);
        setButton(1, QT_TRANSLATE_NOOP("quorvel::MessageDialog", "OK"), QStyle::SP_DialogYesButton, mrOk);
        leftButton->setVisible(false);
        rightButton->setVisible(false);
        m_acceptEnter = m_acceptEsc = true;
        break;
    case dkQuestion:
        caption = QT_TRANSLATE_NOOP("quorvel::MessageDialog", "Question");
        showIcon(MessageIcon::question);
        setButton(1, QT_TRANSLATE_NOOP("quorvel::MessageDialog", "&Yes"), QStyle::SP_DialogYesButton, mrYes);
        setButton(2, QT_TRANSLATE_NOOP("quorvel::MessageDialog", "&No"), QStyle::SP_DialogNoButton, mrNo);
        leftButton->setVisible(false);
        rightButton->setVisible(true);
        break;
    case dkQuestionCancel:
        caption = QT_TRANSLATE_NOOP("quorvel::MessageDialog", "Question");
        showIcon(MessageIcon::question);
        setButton(0, QT_TRANSLATE_NOOP("quorvel::MessageDialog", "&Yes"), QStyle::SP_DialogYesButton, mrYes);
        setButton(1, QT_TRANSLATE_NOOP("quorvel::MessageDialog", "&No"), QStyle::SP_DialogNoButton, mrNo);
        setButton(2, QT_TRANSLATE_NOOP("quorvel::MessageDialog", "Cancel"), QStyle::SP_DialogCancelButton, mrCancel);
        leftButton->setVisible(true);
        rightButton->setVisible(true);
        m_acceptEsc = true;
        break;
    default:
        showIcon(MessageIcon::information);
        setButton(1, QT_TRANSLATE_NOOP("quorvel::MessageDialog", "OK"), QStyle::SP_DialogYesButton, mrOk);
        leftButton->setVisible(false);
        rightButton->setVisible(false);
        m_acceptEnter = m_acceptEsc = true;
        break;
    }
    const QString kindName = QCoreApplication::translate("quorvel::MessageDialog", caption);
    setWindowTitle(title.empty() ? kindName : qText(title));
    // For screen readers: the icon by its kind, and each button with the message it answers.
    describeControl(
        iconLabel, kindName,
        QCoreApplication::translate("quorvel::MessageDialog", "The kind of this message."));
    for (QPushButton* b : {leftButton, middleButton, rightButton})
        describeControl(b, QString(), textLabel->text());

    centreFrame(this);
    middleButton->setFocus();
    announceDialog(windowTitle().toStdString(), text, spokenButtons());
    return exec();
}

// The buttons shown, each with the key that answers it: its marked letter, or Enter or
// Esc where the kind lets them answer with its result.
std::vector<SpokenButton> MessageDialog::spokenButtons() const {
    std::vector<SpokenButton> out;
    const QPushButton* buttons[3] = {leftButton, middleButton, rightButton};
    for (int i = 0; i < 3; ++i) {
        if (!buttons[i]->isVisibleTo(this)) continue;
        std::string key;
        if (m_acceptEnter && m_results[i] == m_enterResult)
            key = "Enter";
        else if (m_acceptEsc && m_results[i] == m_escResult)
            key = "Esc";
        out.push_back({buttons[i]->text().toStdString(), key});
    }
    return out;
}

void MessageDialog::buttonClicked(int index) {
    done(m_results[index]);
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_acceptEnter) done(m_enterResult);
        return;
    case Qt::Key_Escape:
        if (m_acceptEsc) done(m_escResult);
        return;
    default:
        // Y and N (either case) answer Yes and No while those buttons are shown.
        if (clickMnemonicButton(this, event)) return;
        break;
    }
    QDialog::keyPressEvent(event);
}

// Closing the window by other means than its buttons and keys answers Cancel.
void MessageDialog::reject() {
    done(mrCancel);
}

MessageDialog* createMessageDialog() {
    if (!instance()) instance() = new MessageDialog;
    return instance();
}

MessageDialog* messageDialog() {
    return createMessageDialog();
}

} // namespace quorvel
