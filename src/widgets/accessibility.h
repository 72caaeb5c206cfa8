#pragma once
// What screen readers are told of the game's windows. A window hands itself to
// makeAccessible once it is built; from then on its labels and panels are described here:
// a label reads its whole text (never the part an ellipsis cut off, never its "&" marks),
// a label that shows a value reads what it counts with the value ("Food 87") and offers
// the number, a label that shows nothing is not read at all, and a panel lists its
// controls but leaves out what only decorates. Buttons, lists, the theme box and the
// text viewers keep Qt's own descriptions, named in the game's words by describeControl.

#include <QString>

class QLabel;
class QWidget;

namespace quorvel {

/// Takes over the labels and panels of a built window, the window itself included, for
/// screen readers; labels and panels made later are left to Qt.
void makeAccessible(QWidget* window);

/// A control's name and description for screen readers, in the game's words. Only what
/// changed is set, so a screen reader hears of no change that was not one.
void describeControl(QWidget* control, const QString& name, const QString& description);

/// Leaves a picture or a line that only decorates out of what screen readers are told.
void markDecoration(QWidget* widget);
/// True for a widget marked by markDecoration.
bool isDecoration(const QWidget* widget);

/// A label of makeAccessible reads as `what`, a blank and the text it shows ("Food 87",
/// "Sounds ON"); showing nothing, it reads `whenEmpty`, or is not read when that is
/// empty too.
void readLabelAs(QLabel* label, const QString& what, const QString& whenEmpty = {});
/// The number a label of makeAccessible shows, as its value; a screen reader is told when
/// it changes.
void reportNumber(QLabel* label, double number);

/// What a screen reader hears of a widget: its name and its description.
QString readerName(QWidget* widget);
QString readerDescription(QWidget* widget);

} // namespace quorvel
