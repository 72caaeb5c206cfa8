#include "widgets/elidedtext.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLabel>

namespace quorvel {

namespace {
constexpr const char* wholeTextProperty = "quorvelWholeText";
constexpr const char* shownTextProperty = "quorvelShownText";
} // namespace

void showElided(QLabel* label, const QString& text, int width) {
    if (width < 0) width = label->contentsRect().width() - 2 * label->margin();
    const QFontMetrics metrics(label->font());
    // A slanted last letter leans past its advance; keep it inside the space.
    if (label->font().italic()) width -= metrics.height() / 6;
    const QString shown = metrics.elidedText(text, Qt::ElideRight, std::max(0, width));
    label->setProperty(wholeTextProperty, text);
    label->setProperty(shownTextProperty, shown);
    label->setTextFormat(Qt::PlainText);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

QString wholeText(const QLabel* label) {
    // A text set since by other means than showElided is the whole text itself.
    if (label->property(shownTextProperty).toString() != label->text()) return label->text();
    return label->property(wholeTextProperty).toString();
}

} // namespace quorvel
