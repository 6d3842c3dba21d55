#pragma once
// Marking a text box whose text does not read: a red background and the reason as its tooltip.
// The legend boxes are marked while their text does not read; the parameter boxes after the
// shade command found them wrong, until they are edited.

#include <QString>

class QLineEdit;

// Marks `box` with `mark`; an empty `mark` removes the mark and gives the box its own tooltip
// and colours back.
void MarkInputBox(QLineEdit& box, const QString& mark);

// The box's mark; empty when it is not marked.
QString InputBoxMark(const QLineEdit& box);
