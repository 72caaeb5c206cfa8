#include "tfmessage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "dialogs.h"

namespace quorvel {

namespace {

QPointer<TfMessage>& instance() {
    static QPointer<TfMessage> dialog;
    return dialog;
}

QString qtext(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TfMessage::TfMessage(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName("fMessage");
    setWindowTitle("Message");
    setFixedSize(312, 126);

    iMsg = new QLabel(this);
    iMsg->setObjectName("iMsg");
    iMsg->setGeometry(12, 12, 48, 48);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(68, 12, 232, 70);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton** buttons[3] = {&b1, &b2, &b3};
    const int lefts[3] = {12, 116, 218};
    for (int i = 0; i < 3; ++i) {
        QPushButton* b = new QPushButton(this);
        b->setObjectName(QString("b%1").arg(i + 1));
        b->setGeometry(lefts[i], 96, 82, 25);
        b->setAutoDefault(false); // Enter is the dialog's key, not a button's
        connect(b, &QPushButton::clicked, this, [this, i] { b1Click(i); });
        *buttons[i] = b;
    }

    QStyle* s = style();
    iWarn = s->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48);
    iError = s->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(48, 48);
    iInfo = s->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48);
    iQuest = s->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(48, 48);
    iYes = s->standardIcon(QStyle::SP_DialogYesButton);
    iNo = s->standardIcon(QStyle::SP_DialogNoButton);
    iCan = s->standardIcon(QStyle::SP_DialogCancelButton);
}

void TfMessage::setbutton(int index, const char* caption, const QIcon& glyph, int result) {
    QPushButton* b = index == 0 ? b1 : index == 1 ? b2 : b3;
    b->setText(caption);
    b->setIcon(glyph);
    m_results[index] = result;
}

int TfMessage::showdialog(int kind, std::string_view title, std::string_view text) {
    m_acceptenter = m_acceptesc = m_accepty = m_acceptn = false;
    m_enterresult = mrOk;
    m_escresult = mrCancel;
    Label1->setText(qtext(text));
    b2->setVisible(true);
    for (QPushButton* b : {b1, b2, b3})
        b->setToolTip({});

    const char* caption = "Notice";
    switch (kind) {
    case dkWarning:
    case dkError:
        caption = kind == dkWarning ? "Warning" : "Error";
        iMsg->setPixmap(kind == dkWarning ? iWarn : iError);
        setbutton(1, "OK", iYes, mrOk);
        b1->setVisible(false);
        b3->setVisible(false);
        m_acceptenter = m_acceptesc = true;
        break;
    case dkQuestion:
        caption = "Question";
        iMsg->setPixmap(iQuest);
        setbutton(1, "&Yes", iYes, mrYes);
        setbutton(2, "&No", iNo, mrNo);
        b1->setVisible(false);
        b3->setVisible(true);
        m_accepty = m_acceptn = true;
        break;
    case dkQuestionCancel:
        caption = "Question";
        iMsg->setPixmap(iQuest);
        setbutton(0, "&Yes", iYes, mrYes);
        setbutton(1, "&No", iNo, mrNo);
        setbutton(2, "Cancel", iCan, mrCancel);
        b1->setVisible(true);
        b3->setVisible(true);
        m_accepty = m_acceptn = m_acceptesc = true;
        break;
    default:
        iMsg->setPixmap(iInfo);
        setbutton(1, "OK", iYes, mrOk);
        b1->setVisible(false);
        b3->setVisible(false);
        m_acceptenter = m_acceptesc = true;
        break;
    }
    setWindowTitle(title.empty() ? QString(caption) : qtext(title));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    b2->setFocus();
    return exec();
}

void TfMessage::b1Click(int index) {
    done(m_results[index]);
}

void TfMessage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_acceptenter) done(m_enterresult);
        return;
    case Qt::Key_Escape:
        if (m_acceptesc) done(m_escresult);
        return;
    case Qt::Key_Y:
        if (m_accepty && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            done(mrYes);
            return;
        }
        break;
    case Qt::Key_N:
        if (m_acceptn && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            done(mrNo);
            return;
        }
        break;
    default: break;
    }
    QDialog::keyPressEvent(event);
}

// Closing the window by other means than its buttons and keys answers Cancel.
void TfMessage::reject() {
    done(mrCancel);
}

TfMessage* createfmessage() {
    if (!instance()) instance() = new TfMessage;
    return instance();
}

TfMessage* fMessage() {
    return createfmessage();
}

} // namespace quorvel
