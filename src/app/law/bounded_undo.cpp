#include "app/law/bounded_undo.h"

#include <QLineEdit>
#include <algorithm>

BoundedUndo::BoundedUndo(QLineEdit& box, qsizetype budget)
    : QObject(&box), box_(box), budget_(budget), length_(box.text().size()) {
  connect(&box, &QLineEdit::textEdited, this, &BoundedUndo::OnTextEdited);
  // Sent after textEdited, so an edit reads the length from before it.
  connect(&box, &QLineEdit::textChanged, this,
          [this](const QString& text) { length_ = text.size(); });
  connect(&box, &QLineEdit::selectionChanged, this,
          [this] { selected_ = std::max(selected_, qsizetype{box_.selectionLength()}); });
}

// An edit replaces the selection, or removes characters next to the cursor, and inserts what
// was typed or pasted: the box records each character removed and each inserted.
void BoundedUndo::OnTextEdited(const QString& text) {
  const qsizetype removed = std::max(selected_, length_ - text.size());
  const qsizetype inserted = text.size() - length_ + removed;
  recorded_ += removed + inserted;
  selected_ = 0;
  if (recorded_ <= budget_) return;
  recorded_ = 0;
  const int cursor = box_.cursorPosition();
  box_.setText(text);  // the same text: QLineEdit clears its history
  box_.setCursorPosition(cursor);
}
