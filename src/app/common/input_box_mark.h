#pragma once
// Marking a text box whose text does not read: a red background and the reason as its tooltip.
// The legend boxes are marked while their text does not read; the parameter boxes after the
// shade command found them wrong, until they are edited.

#include <QString>

class QLineEdit;
class QWidget;

// Marks `box` with `mark`; an empty `mark` removes the mark and gives the box its own tooltip
// and colours back.
void MarkInputBox(QLineEdit& box, const QString& mark);

// The box's mark; empty when it is not marked.
QString InputBoxMark(const QLineEdit& box);

// The control's own tooltip, whatever it shows at the moment.
QString OwnToolTip(const QWidget& control);
// Gives the control its own tooltip; a box marked for a text that does not read keeps the reason
// until it is unmarked.
void SetOwnToolTip(QWidget& control, const QString& text);
