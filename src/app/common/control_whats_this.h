#pragma once
// The «Что это?» texts of the main window's controls (Shift+F1, then a click): one short Russian
// paragraph a control, saying what it does, in the words of the help's sections; F1 opens that
// section itself. A member of a control array ("Text8_3") takes its array's text unless it has
// one of its own.

#include <QString>

class QWidget;

// The text for the control of this objectName; empty for a control without one.
QString WhatsThisOfControl(const QString& objectName);

// Gives every control of `form` that has a text in the table its «Что это?».
void GiveWhatsThis(QWidget& form);
