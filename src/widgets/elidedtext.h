#pragma once
// Names shown in a space of fixed width: a player's name, a theme's name, a best
// time's name. The label shows as much as fits in its own font, ending in an
// ellipsis, and the whole text as its tooltip. The whole text stays with the label
// (wholeText), so whatever is stored or handed on is never the shortened text.

#include <QString>

class QLabel;

namespace quorvel {

/// Shows text in label as plain text, cut with an ellipsis to width pixels (the
/// label's own contents width when width is negative). The tooltip shows the whole
/// text when it was cut and is cleared when it was not.
void showElided(QLabel* label, const QString& text, int width = -1);

/// The whole text last given to showElided; the label's text when it was never used
/// or its text was set otherwise since.
QString wholeText(const QLabel* label);

} // namespace quorvel
