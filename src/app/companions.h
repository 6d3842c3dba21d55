#pragma once
// The windows beside the form and the actions that open them, made by the shell for one form:
//
//   Ctrl+G  «Карта R(p, q)»       -> GradientMapWindow; «Источники» (Ctrl+L) its panel of sources
//   Ctrl+B  «Сфера крупно»        -> BigSphereWindow
//           «Фазовая кривая»      -> PhaseCurveWindow;  «Сравнить законы» -> CompareWindow
//   Shift+drag on the sphere or the map, a surface image -> ProfileWindow («Профиль»)
//   Ctrl+U  «Поверхность»         -> SurfaceWindow, linked with the map; the cell under its
//                                    pointer rings its normal on the form's picture
//           its «Восстановление формы…» -> RecoveryWindow, its chosen cell pinned on the map
//
// Each window is made when first asked for and then follows every pass the form shows while it
// is shown (the map always); each action is checked while its window is shown. The form knows
// none of them: it reports its passes (Form1::PassShown, PassesCancelled) and its overlay.

#include <QLineF>
#include <QObject>
#include <functional>
#include <optional>

#include "app/common/companion_windows.h"
#include "curves/observations.h"

class BigSphereWindow;
class CompareWindow;
class Form1;
class GradientMapWindow;
class PhaseCurveWindow;
class PictureBox;
class ProfileWindow;
class QAction;
class QWidget;
class RecoveryWindow;
class SurfaceWindow;
struct CurvesSetup;
struct LastPass;

class Companions final : public QObject, public CompanionWindows {
  Q_OBJECT
 public:
  // Made for `form` as its child: it goes with the form, and before the windows it made, which
  // are the form's child windows so that they go only once the form's runner has stopped.
  static Companions& Attach(Form1& form);

  // Each action is checkable, checked while its window is shown; each window none until first
  // opened, then the same one every time.
  QAction* OpenMapAction() const { return openMap_; }
  QAction* SourcesAction() const { return showSources_; }
  QAction* BigSphereAction() const { return openBigSphere_; }
  QAction* PhaseCurveAction() const { return openPhaseCurve_; }
  QAction* CompareAction() const { return openCompare_; }
  QAction* SurfaceAction() const { return openSurface_; }
  GradientMapWindow* MapWindow() const override { return mapWindow_; }
  BigSphereWindow* BigSphere() const { return bigSphere_; }
  PhaseCurveWindow* PhaseCurve() const { return phaseCurve_; }
  CompareWindow* Compare() const override { return compare_; }
  // «Профиль»: the last line dragged with Shift; none until then.
  ProfileWindow* Profile() const { return profile_; }
  SurfaceWindow* Surface() const override { return surface_; }
  RecoveryWindow* Recovery() const { return recovery_; }

  // The map's and the surface's windows, made hidden if there is none yet (a setup's sources,
  // zoom and surface live there).
  GradientMapWindow& EnsureMapWindow();
  SurfaceWindow& EnsureSurfaceWindow();
  void OpenRecovery();

  // In companions_curves.cpp. The plot windows' part of a setup: the phase curve's magnitude and
  // opposition switches, its albedo and observed points' file, and the profile's picture and line
  // (a profile of a surface image is not kept).
  // Restore follows the pass that shows the setup.
  CurvesSetup CurvesOf() const;
  // `points`: the setup's observations, read before the setup changed anything.
  void RestoreCurves(const CurvesSetup& curves, const std::optional<ObservationSet>& points);

 private:
  explicit Companions(Form1& form);
  QAction* MadeAction(const char* name, const char* text);
  void OpensAndCloses(QAction* action, void (Companions::*open)(), std::function<QWidget*()> made);
  void OpenGradientMap();
  void OnShowSourcesTriggered(bool show);
  void OpenBigSphere();
  void OpenSurface();
  // The pass the form has just shown, to every window that follows it; the form's picture is
  // painted first, so that no other window's pass delays it.
  void ShowPass(const LastPass& pass);
  void CancelPasses();

  // In companions_curves.cpp.
  void SetUpCurves();
  PhaseCurveWindow& MadePhaseCurve();
  void OpenPhaseCurve();
  void OpenCompare();
  void ShowPassInCurves(const LastPass& pass);
  // «Толщина линий» to every plot window made.
  void SetPlotLineWidth(int width);
  // The profile along `line` (logical coordinates) of the form's picture, of the map's picture
  // or of surface image `image`.
  void ShowSphereProfile(QLineF line);
  void ShowMapProfile(QLineF line);
  void ShowEquatorProfile();
  void ShowSurfaceProfile(int image, QLineF line);
  ProfileWindow& ProfileShown(PictureBox& picture, QLineF line);

  Form1& form_;
  QAction* openMap_ = nullptr;
  QAction* showSources_ = nullptr;
  QAction* openBigSphere_ = nullptr;
  QAction* openPhaseCurve_ = nullptr;
  QAction* openCompare_ = nullptr;
  QAction* openSurface_ = nullptr;
  GradientMapWindow* mapWindow_ = nullptr;
  BigSphereWindow* bigSphere_ = nullptr;
  PhaseCurveWindow* phaseCurve_ = nullptr;
  CompareWindow* compare_ = nullptr;
  ProfileWindow* profile_ = nullptr;
  SurfaceWindow* surface_ = nullptr;
  RecoveryWindow* recovery_ = nullptr;
  PictureBox* profiled_ = nullptr;  // the picture whose line is marked
  bool mapProfiles_ = false;        // the map's picture takes profile drags
  bool equatorShown_ = false;       // the profile shown is the photometric equator's
};
