#include "widgets/widecombobox.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace quorvel {

WideComboBox::WideComboBox(QWidget* parent) : QComboBox(parent) {}

int WideComboBox::dropDownWidth(int listLeft) const {
    if (m_dropDownFixedWidth >= 1) return m_dropDownFixedWidth;
    const QFontMetrics metrics(font());
    const int scrollbar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int width = 0;
    for (int i = 0; i < count(); ++i) {
        const int measured = metrics.horizontalAdvance(itemText(i)) + scrollbar + 8;
        if (measured > width) width = measured + 8;
    }
    const QScreen* screen = this->screen();
    if (screen) {
        const int right = screen->geometry().right() + 1; // first pixel past the screen
        if (listLeft + width > right - 2) width = right - 2 - listLeft;
    }
    return width;
}

void WideComboBox::showPopup() {
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (!popup || popup == window()) return;
    const QRect frame = popup->geometry();
    // Never narrower than the box itself, as a drop-down list always is.
    const int width = qMax(dropDownWidth(frame.left()), this->width());
    popup->setGeometry(frame.left(), frame.top(), width, frame.height());
}

QString WideComboBox::shownText() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect room =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, room.width() - 2);
}

void WideComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (!isEditable()) option.currentText = shownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace quorvel
