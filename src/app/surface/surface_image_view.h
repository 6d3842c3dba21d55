#pragma once
// One image of the surface window, for one source: its caption (the source's number in its
// colour, and its aim), the picture, the readout box over it and its context menu (save, copy;
// the keys work while the picture has the focus, so that each image's keys are its own). Over
// the picture the window's map marks are drawn: the cells of the map pixel pointed at, washed
// over, and the pre-image of source 1's isophote through it.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "figure/used_source.h"
#include "overlay/marching_squares.h"

class PictureBox;
class PictureMenu;
class QLabel;
class ReadoutOverlay;

// What the orientation pointed on the map marks on every image, in image pixels.
struct MapPointedMarks {
  std::vector<uint8_t> cells;  // one flag a cell, row 0 the top row; empty: none
  int width = 0;
  int height = 0;
  std::vector<ContourLine> preImage;
  int lineWidth = 1;
};

class SurfaceImageView final : public QWidget {
  Q_OBJECT
 public:
  // The marks shared by the window's images; nullptr while there are none.
  using MarksSource = std::function<const MapPointedMarks*()>;

  SurfaceImageView(int index, MarksSource marks, QWidget* parent);

  PictureBox& Picture() const { return *picture_; }
  PictureMenu& ContextMenu() const { return *menu_; }
  ReadoutOverlay& ReadoutBox() const { return *readout_; }
  // The source this image shows, for its caption.
  void SetSource(const UsedSource& source);
  QString Caption() const;

 private:
  void ShowCaption();

  std::optional<UsedSource> source_;  // the last set, captioned again when the language changes
  QLabel* swatch_ = nullptr;
  QLabel* caption_ = nullptr;
  PictureBox* picture_ = nullptr;
  ReadoutOverlay* readout_ = nullptr;
  PictureMenu* menu_ = nullptr;
  MarksSource marks_;
};
