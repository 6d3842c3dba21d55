#pragma once
// Form1, the described form, one window among the others. It owns the RenderState, lays out the
// controls and wires its parts together:
//
//   start-up        -> RenderState start values, default texts, legend, observer arrow position
//   Check1, Check3  -> halfSphere, showIsolines (+ legend swatch colours)
//   Option1..4      -> reflectanceKind (+ which glossy fields and formula picture show)
//   ChooseLaw       -> reflectanceKind 5 to 12 and its LawSettings, no option button checked;
//                      shades at once; ChangeLawSettings shades at most once a frame
//   LegendPanel     -> isoLevel, isoHalfWidth (Text8, Text7: after the start-up period, on every
//                      change; a box that does not read is marked and refuses the pass)
//   Command1        -> shade command: ParameterBoxes -> intake -> raster pass off the window's
//                      thread (BackgroundPass; Esc cancels) -> Picture1, LastPass,
//                      ObserverArrowView (Line1..3, Label6, Timer2 blinking)
//   Enter, F5       -> press Command1 (from a parameter or legend box, or anywhere for F5)
//   LiveShading     -> Up, Down and the wheel in an angle box, drags on the sphere and the map:
//                      the box steps, then Command1's pass runs, at most one a frame
//   pointer         -> PointerReadout: the readout of the last pass under it, over Picture1
//   Picture1's menu -> save or copy the picture as shown (PictureMenu); the same actions serve
//                      MainWindow's menu bar, which adds the windows beside the form
//   PassShown       -> every pass shown, to the windows that follow it (the shell's Companions);
//                      the ring of a MarkNormal on Picture1 (a surface cell under the pointer)
//
// The controls come from the layout table; the window and its parts find them by name once, at
// construction. Handlers are named for the signal they serve.

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "app/picture/last_pass.h"
#include "intake/input_messages.h"
#include "intake/parameter_intake.h"
#include "model/picture.h"
#include "model/render_state.h"
#include "overlay/overlay_marks.h"
#include "photometry/gradient_space.h"

class BackgroundPass;
class FormControl;
class JobRunner;
class QCheckBox;
class QLabel;
class QPainter;
class QPushButton;
class QRadioButton;
class QTimer;
class LegendPanel;
class LiveShading;
class ObserverArrowView;
class ParameterBoxes;
class PictureBox;
class PictureMenu;
class PointerReadout;
struct InputError;
struct Setup;
struct ShadeIntake;
struct SpherePass;

class Form1 final : public QWidget {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // What the windows beside the form may ask of it (their interface to the form).
  FormControl& Control() const { return *control_; }

  const RenderState& State() const { return state_; }
  // True from construction until the first tick of Timer1: the legend boxes are not read.
  bool InStartupPeriod() const { return startupPeriod_; }
  // What the last pass left; none before the first pass. The readout reads this, never the boxes.
  const std::optional<LastPass>& LastPassResult() const { return lastPass_; }
  // The state of the last pass; nullptr before the first pass.
  const RenderState* LastPassState() const { return lastPass_ ? &lastPass_->state : nullptr; }
  // What the shade command would read now: the angle, s and n boxes' texts, and the smoothing
  // switch (greyed counts as unchecked).
  ShadeInputs ParameterTexts() const;
  bool SmoothingChecked() const;

  // Save and copy (PictureMenu::SaveAction, CopyAction), one QAction each for any menu that
  // offers them; the shell adds its own to the same menu.
  PictureMenu& PictureContextMenu() const { return *pictureMenu_; }
  // Picture1, the thread the passes run on, and what shades at once on a drag: for the windows
  // beside the form, which paint from the form's passes and take its drags.
  PictureBox& Picture() const { return *picture1_; }
  JobRunner& Jobs() const { return *jobs_; }
  LiveShading& Live() const { return *live_; }
  // Presses «Тонировать», as a click does (a window's F5 or Enter).
  void PressShade();

  // The orientation whose normal is ringed on the picture (the cell under the pointer on the
  // surface's images); none while there is none. The ring shows where the last pass's view
  // shows that normal.
  const std::optional<Gradient>& MarkedNormal() const { return markedNormal_; }
  void MarkNormal(std::optional<Gradient> gradient);
  // Where the ring stands on the picture, in its device pixels: the pixel whose readout is the
  // marked normal; none while nothing is marked or the view hides that normal.
  std::optional<PixelPoint> MarkedNormalPoint() const;

  // The reflectance function. A described one (kMatte to kMirror) is chosen by pressing its
  // option button, with no pass, as a click does. An additional law (kMinnaert to kFormula)
  // clears the option buttons, hides the glossy fields and shades at once.
  void ChooseDescribedFunction(int32_t kind);
  void ChooseLaw(int32_t kind, const LawSettings& settings);
  // The law chosen as ChooseLaw chooses it, without the pass.
  void SelectLaw(int32_t kind, const LawSettings& settings);
  // New settings for the chosen additional law: the pass follows, at most one a frame.
  void ChangeLawSettings(const LawSettings& settings);

  // The colour the picture is cleared in (model/backgrounds.h): shades at once once a pass has
  // been shown. A click on the picture chooses white, as it always did.
  void ChooseBackground(Rgb colour);

  // The exposure k of the grey tone (0.1 to 10): the pass follows, at most one a frame.
  void ChangeExposure(double exposure);
  // The exposure that paints the brightest finite phi of the last pass's picture white; none
  // before the first pass.
  std::optional<double> BrightestExposure() const;

  // What is drawn over the sphere and the map (contour lines, outline, sun mark, line width):
  // shades at once once a pass has been shown, since contour lines change the painting too.
  const OverlayChoice& Overlay() const { return overlay_; }
  void SetOverlayChoice(const OverlayChoice& choice);

  // In form1_setup.cpp. The setup's part the form holds: its boxes, switches, function, the
  // chosen law's settings, exposure, background and overlay. Fill reads the boxes as they stand
  // and gives the message of the first that does not read (nothing is filled then). Apply puts a
  // checked setup in the boxes as if typed, with `law` the settings of its additional law
  // (compiled); no pass: Shade follows once everything is in place.
  std::optional<QString> FillSetup(Setup& setup) const;
  void ApplySetup(const Setup& setup, const LawSettings& law);
  void Shade() { OnCommand1Clicked(); }
  // After a pass: shades again at the exposure «По максимуму» would choose for it.
  void ShadeAtBrightestExposure();

  // Stops the sphere's and the map's passes under way (Esc, quitting); what is shown stays.
  void CancelPasses();

 signals:
  // Whichever way the function was chosen: an option button, a menu or a law's window.
  void FunctionChosen(int32_t kind);
  // Whichever way the background was chosen: the menu or a click on the picture.
  void BackgroundChosen(Rgb colour);
  void OverlayChoiceChanged(const OverlayChoice& choice);
  // A pass has been shown: the state, Picture1 and the last pass have changed.
  void PassShown(const LastPass& pass);
  // The sphere's pass under way was stopped (Esc, quitting, a newer press): so are the others.
  void PassesCancelled();

 private:
  void FindControls();
  void ConnectHandlers();
  void ConnectKeys();

  // Start-up and what changes the RenderState between passes.
  void RunStartup();
  void OnTimer1Timeout();
  void OnCheck1StateChanged();
  void OnCheck3StateChanged();
  void OnOptionToggled(int option, bool selected);
  void ShowGlossyFields(int option);
  void SetOption2Caption(const char* source);
  void OnLegendTextChanged(LegendColumn column);
  void OnPicture1Clicked();

  // The shade command.
  void OnCommand1Clicked();
  void ShowSpherePass(SpherePass& pass, const ShadeIntake& read, bool smoothing);
  void ShowInputError(const InputError& error);

  // What the window adds around the picture: the readout and the context menu.
  void SetUpPictureAdditions();
  void DrawMarkedNormal(QPainter& painter) const;
  QImage PictureToExport() const;

  FormControl* control_ = nullptr;
  RenderState state_{};
  std::optional<LastPass> lastPass_;
  OverlayChoice overlay_;
  SphereOverlay shownOverlay_;  // where the marks of the pass shown lie
  bool startupPeriod_ = true;
  std::optional<Gradient> markedNormal_;
  // The thread the passes run on, off the window's; destroyed first, so no pass outlives what
  // it reports to.
  std::unique_ptr<JobRunner> jobs_;
  BackgroundPass* spherePass_ = nullptr;

  std::unique_ptr<ParameterBoxes> parameters_;
  std::unique_ptr<LegendPanel> legend_;
  ObserverArrowView* arrow_ = nullptr;
  PointerReadout* readout_ = nullptr;
  LiveShading* live_ = nullptr;  // Up, Down, the wheel and drags shade at once
  PictureMenu* pictureMenu_ = nullptr;

  QTimer* timer1_ = nullptr;
  PictureBox* picture1_ = nullptr;
  QLabel* label6_ = nullptr;
  std::array<QRadioButton*, 5> option_{};  // Option1 to Option4; element 0 unused
  const char* option2Caption_ = nullptr;   // the source text Option2 shows, in the language in use
  QLabel* label4_ = nullptr;
  QLabel* image1_ = nullptr;
  QLabel* image4_ = nullptr;
  QLabel* image5_ = nullptr;
  QLabel* image6_ = nullptr;
  QCheckBox* check1_ = nullptr;
  QCheckBox* check2_ = nullptr;
  QCheckBox* check3_ = nullptr;
  QPushButton* command1_ = nullptr;
};
