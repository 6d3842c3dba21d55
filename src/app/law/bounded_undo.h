#pragma once
// A bound on a text box's undo history. QLineEdit records each character an edit inserts or
// removes (16 bytes apiece) and keeps every record until its text is set anew, so a box into
// which long texts are pasted again and again grows without end. BoundedUndo estimates what the
// box's edits record and, once that passes its budget, starts the history afresh from the text
// as it stands: the edits before can no longer be undone, the text and the cursor stay.

#include <QObject>

class QLineEdit;

class BoundedUndo final : public QObject {
  Q_OBJECT
 public:
  // Watches `box`, whose child it becomes; `budget` counts characters recorded.
  BoundedUndo(QLineEdit& box, qsizetype budget);

 private:
  void OnTextEdited(const QString& text);

  QLineEdit& box_;
  qsizetype budget_;
  qsizetype recorded_ = 0;
  qsizetype length_ = 0;    // the text's length before the edit under way
  qsizetype selected_ = 0;  // the longest selection since the last edit: what it may replace
};
