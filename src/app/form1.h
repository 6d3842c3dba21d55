#pragma once
// Form1, the program's one window. It owns the RenderState and keeps it in step with its controls:
//
//   start-up        -> RenderState start values, default texts, legend, observer arrow position
//   Check1, Check3  -> halfSphere, showIsolines (+ legend swatch colours)
//   Option1..4      -> reflectanceKind (+ which glossy fields and formula picture show)
//   Text8, Text7    -> isoLevel, isoHalfWidth (after the start-up period, on every change)
//   Command1        -> shade command: six boxes -> RunShadeCommand -> Picture1 + observer arrow
//   Timer2          -> the arrow blinks
//   Enter, F5       -> press Command1 (from a parameter or legend box, or anywhere for F5)
//   pointer         -> the readout of the last pass under it, in a box over Picture1 (again
//                      where the pointer rests once a dialog closes)
//   Picture1's menu -> save or copy the picture as shown (PictureMenu); Ctrl+G or the menu
//                      open the gradient-space map (GradientMapWindow), repainted by every pass
//
// The controls come from the layout table; handlers find them by name once, at construction, and
// are named for the signal they serve. The window builds on shading and model: start-up values,
// the legend intake, the shade command and the arrow's blink rule.

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "model/render_state.h"
#include "shading/input_messages.h"
#include "shading/observer_arrow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class GradientMapWindow;
class PictureBox;
class PictureMenu;
class ReadoutOverlay;
class ShapeWidget;
struct InputError;

class Form1 final : public QWidget {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);

  const RenderState& renderState() const { return state_; }
  // True from construction until the first tick of Timer1: the legend boxes are not read.
  bool inStartupPeriod() const { return startupPeriod_; }
  // A copy of the RenderState as the last pass left it; none before the first pass. The readout
  // reads this, never the boxes.
  const std::optional<RenderState>& lastPassState() const { return lastPass_; }
  // The picture's context menu, where further actions can be added.
  PictureMenu& pictureMenu() const { return *pictureMenu_; }
  // The gradient-space map's window; none until it was first opened.
  GradientMapWindow* gradientMapWindow() const { return mapWindow_; }

 protected:
  // Once a dialog closes, the readout follows the pointer where it now rests.
  bool event(QEvent* event) override;

 private:
  // Array-valued controls are indexed by their control index (element 0 unused where the
  // array starts at 1).
  template <typename T>
  T* Control(const char* name, int index = -1) const;
  void FindControls();
  void ConnectHandlers();
  void ConnectKeys();

  // Start-up and display switches.
  void RunStartup();
  void PlaceObserverArrow();
  void OnTimer1Timeout();
  void OnCheck1StateChanged();
  void OnCheck3StateChanged();

  // Parameter controls.
  void OnOptionToggled(int option, bool selected);
  void OnLevelTextChanged();
  void OnHalfWidthTextChanged();
  void OnPicture1Clicked();

  // The legend: reading a column, marking a box whose text does not read.
  void RefreshLegendColumn(LegendColumn column);
  QLineEdit* LegendBox(LegendColumn column, int row) const;
  // What the shade button says while legend boxes are marked; empty when none is.
  QString LegendMarksRefusal() const;

  // The shade command and the observer arrow.
  void OnCommand1Clicked();
  void ApplyObserverArrow(const ArrowState& arrow);
  void OnTimer2Timeout();
  QLineEdit* ParameterBox(ShadeField field) const;
  void ShowInputError(const InputError& error);
  void MarkKeptGlossBoxes(const std::vector<InputError>& kept);

  // What the window adds around the picture: the readout and the context menu.
  void SetUpPictureAdditions();
  void OnPicturePointerMoved(QPoint position);
  void OpenGradientMap();
  void PlaceBeside(QWidget& window) const;
  QImage PictureToExport() const;

  RenderState state_{};
  std::optional<RenderState> lastPass_;
  bool lastPassSmoothing_ = false;
  GradientMapWindow* mapWindow_ = nullptr;  // made when first opened
  bool startupPeriod_ = true;

  QTimer* timer1_ = nullptr;
  QTimer* timer2_ = nullptr;
  PictureBox* picture1_ = nullptr;
  QLabel* label6_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QLineEdit* text3_ = nullptr;  // Text3(0)
  QLineEdit* text4_ = nullptr;  // Text4(0)
  QLineEdit* text5_ = nullptr;
  QLineEdit* text6_ = nullptr;
  std::array<QLineEdit*, 8> text7_{};
  std::array<QLineEdit*, 8> text8_{};
  std::array<ShapeWidget*, 8> shape1_{};
  std::array<QLabel*, 11> label2_{};
  std::array<QRadioButton*, 5> option_{};
  QLabel* label4_ = nullptr;
  QLabel* image1_ = nullptr;
  QLabel* image4_ = nullptr;
  QLabel* image5_ = nullptr;
  QLabel* image6_ = nullptr;
  QCheckBox* check1_ = nullptr;
  QCheckBox* check2_ = nullptr;
  QCheckBox* check3_ = nullptr;
  QPushButton* command1_ = nullptr;
  ReadoutOverlay* readout_ = nullptr;
  PictureMenu* pictureMenu_ = nullptr;
};
