#pragma once
// «Яркость»: the exposure k of the grey tone, for the sphere and the map alike. A box and a
// logarithmic slider (0.1 to 10) set it; «По максимуму» chooses the k that paints the brightest
// phi of the last pass white. The isolines, zones and readouts keep phi itself.
//
//   box (Enter) or slider -> FormControl::ChangeExposure -> the pass, at most one a frame

#include <QWidget>

class FormControl;
class QLineEdit;
class QPushButton;
class QSlider;

class ExposureWindow final : public QWidget {
  Q_OBJECT
 public:
  ExposureWindow(FormControl& form, QWidget* parent);

  // Shows k in the box and on the slider without shading.
  void ShowExposure(double exposure);

 private:
  void OnBoxEntered();
  void OnSliderMoved(int position);
  void OnBrightest();

  FormControl& form_;
  QLineEdit* box_ = nullptr;
  QSlider* slider_ = nullptr;
  QPushButton* brightest_ = nullptr;
};
