#include "widgets/mnemonickeys.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quorvel {

namespace {

// A field the player types into, where a letter is text and no answer.
bool isTextField(const QWidget* w) {
    if (!w) return false;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)) return true;
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) return combo->isEditable();
    if (const auto* edit = qobject_cast<const QTextEdit*>(w)) return !edit->isReadOnly();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(w)) return !edit->isReadOnly();
    return false;
}

class PlainLetters : public QObject {
  public:
    explicit PlainLetters(QWidget* window) : QObject(window), m_window(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::KeyPress &&
            clickMnemonicButton(m_window, static_cast<QKeyEvent*>(event)))
            return true;
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* m_window;
};

} // namespace

bool clickMnemonicButton(QWidget* window, QKeyEvent* event) {
    if (event->isAutoRepeat()) return false;
    const Qt::KeyboardModifiers held =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (held != Qt::NoModifier) return false;
    const int key = event->key();
    if (key == 0 || key >= Qt::Key_Escape) return false; // not a printable key
    if (isTextField(QApplication::focusWidget())) return false;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->window() != window || !button->isVisible() || !button->isEnabled()) continue;
        const QKeySequence letter = QKeySequence::mnemonic(button->text());
        if (letter.isEmpty() || letter[0].key() != key) continue;
        button->click();
        return true;
    }
    return false;
}

void answerPlainLetters(QWidget* window) {
    window->installEventFilter(new PlainLetters(window));
}

} // namespace quorvel
