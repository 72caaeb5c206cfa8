#include "widgets/captionlabel.h"

#include <QPainter>
#include <QStyle>

namespace quorvel {

QString captionWords(const QString& caption) {
    QString words;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == '&' && i + 1 < caption.size()) ++i;
        words += caption.at(i);
    }
    return words;
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect space = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, space,
                          QStyle::visualAlignment(layoutDirection(), alignment()) |
                              Qt::TextShowMnemonic,
                          palette(), isEnabled(), text(), foregroundRole());
}

} // namespace quorvel
