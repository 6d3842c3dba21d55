#pragma once
// A picture of the recovery window: one of the recovered fields as an image, each cell shown as
// a square of the largest whole number of pixels that fits, optionally with needles or with the
// error's colour scale beside it, and a ring at the chosen cell. A click chooses the cell under
// it.

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "recovery/recovered_normals.h"

class RecoveryPicture final : public QWidget {
  Q_OBJECT
 public:
  explicit RecoveryPicture(QWidget* parent = nullptr);

  // `image` one pixel a cell; `needles` (or nullptr) drawn over it; `scaleTop` the error scale's
  // top in degrees, when the image is an error map.
  void Show(QImage image, const RecoveredNormals* needles, std::optional<double> scaleTop);
  void Clear();
  void SetChosen(std::optional<QPoint> cell);
  // Logical pixels a cell takes now.
  int Zoom() const;
  const QImage& Image() const { return image_; }
  // The error scale's top shown beside an error map; none beside other pictures.
  std::optional<double> ScaleTop() const { return scaleTop_; }

  QSize sizeHint() const override;

 signals:
  void CellChosen(QPoint cell);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int ScaleWidth() const;

  QImage image_;
  const RecoveredNormals* needles_ = nullptr;
  std::optional<double> scaleTop_;
  std::optional<QPoint> chosen_;
};
