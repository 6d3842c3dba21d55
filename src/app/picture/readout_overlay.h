#pragma once
// A small box of text lines laid over a picture widget, in the corner away from the pointer, so
// that it never hides what the pointer rests on. It is a child widget drawn over the picture: the
// picture's own image is never touched. The pointer passes through it to the picture. The box
// is never wider than the picture: a line that would not fit is cut short with "…".

#include <QStringList>
#include <QWidget>

class ReadoutOverlay final : public QWidget {
  Q_OBJECT
 public:
  explicit ReadoutOverlay(QWidget* picture);

  // The lines as given, and as drawn (cut to the picture's width).
  const QStringList& Lines() const { return lines_; }
  const QStringList& ShownLines() const { return shownLines_; }
  // Shows `lines` in the corner of the picture farthest from `pointer` (picture coordinates).
  void ShowLines(const QStringList& lines, QPoint pointer);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList lines_;
  QStringList shownLines_;
};
