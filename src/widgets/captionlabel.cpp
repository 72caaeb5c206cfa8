#include "widgets/captionlabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace quorvel {

QString captionWords(const QString& caption) {
    QString words;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == '&' && i + 1 < caption.size()) ++i;
        words += caption.at(i);
    }
    return words;
}

namespace {

// Where the marked letter stands in the caption's words; -1 when none is marked.
int markedLetter(const QString& caption) {
    int words = 0;
    for (qsizetype i = 0; i < caption.size(); ++i, ++words) {
        if (caption.at(i) != '&' || i + 1 >= caption.size()) continue;
        if (caption.at(++i) != '&') return words;
    }
    return -1;
}

} // namespace

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QString caption = text();
    QTextLayout layout(captionWords(caption), font(), this);
    if (const int marked = markedLetter(caption); marked >= 0) {
        QTextLayout::FormatRange underline;
        underline.start = marked;
        underline.length = 1;
        underline.format.setFontUnderline(true);
        layout.setFormats({underline});
    }
    const QRect space = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(space.width());
    line.setLeadingIncluded(true);
    layout.endLayout();
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    // Centred as a label centres a line of rich text (its height with the leading, in
    // whole pixels), so the caption stands where the level's caption always stood.
    const qreal height = std::ceil(line.height());
    const qreal top =
        alignment() & Qt::AlignVCenter ? std::max((space.height() - height) / 2, 0.0) : 0.0;
    line.draw(&painter, QPointF(space.x(), space.y() + top));
}

} // namespace quorvel
