#pragma once
// A small box of text lines laid over a picture widget, in the corner away from the pointer, so
// that it never hides what the pointer rests on. It is a child widget drawn over the picture: the
// picture's own image is never touched. The pointer passes through it to the picture.

#include <QStringList>
#include <QWidget>

class ReadoutOverlay final : public QWidget {
  Q_OBJECT
 public:
  explicit ReadoutOverlay(QWidget* picture);

  const QStringList& Lines() const { return lines_; }
  // Shows `lines` in the corner of the picture farthest from `pointer` (picture coordinates).
  void ShowLines(const QStringList& lines, QPoint pointer);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList lines_;
};
