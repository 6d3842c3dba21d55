// The plot windows beside the form: «Фазовая кривая» and «Сравнить законы» follow every pass shown
// while they are open; «Профиль» plots phi along a line dragged with Shift on the sphere, the map
// or a surface image, the line marked over its picture while the window is open, and follows the
// sphere's passes.

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "app/common/companion_placement.h"
#include "app/common/companion_window.h"
#include "app/companions.h"
#include "app/curves/compare_window.h"
#include "app/curves/observations_panel.h"
#include "app/curves/phase_curve_window.h"
#include "app/curves/plot_view.h"
#include "app/curves/profile_drag.h"
#include "app/curves/profile_window.h"
#include "app/form/form1.h"
#include "app/map/gradient_map_window.h"
#include "app/map/map_figure.h"
#include "app/picture/picture_box.h"
#include "app/surface/surface_image_view.h"
#include "app/surface/surface_paint.h"
#include "app/surface/surface_window.h"
#include "curves/photometric_equator.h"
#include "gradient/gradient_readout.h"
#include "gradient/source_phi.h"
#include "pass/readout.h"
#include "setup/setup.h"
#include "surface/surface_image.h"

void Companions::SetUpCurves() {
  openPhaseCurve_ = MadeAction("OpenPhaseCurve", QT_TRANSLATE_NOOP("Form1", "Фазовая кривая"));
  OpensAndCloses(openPhaseCurve_, &Companions::OpenPhaseCurve,
                 [this]() -> QWidget* { return phaseCurve_; });
  openCompare_ = MadeAction("OpenCompare", QT_TRANSLATE_NOOP("Form1", "Сравнить законы"));
  OpensAndCloses(openCompare_, &Companions::OpenCompare, [this]() -> QWidget* { return compare_; });
  auto* sphereDrag = new ProfileDrag(form_.Picture(), this);
  connect(sphereDrag, &ProfileDrag::LineChosen, this, &Companions::ShowSphereProfile);
  // The map's picture takes profile drags once the map has been made (after its own slot).
  connect(openMap_, &QAction::triggered, this, [this] {
    if (mapWindow_ == nullptr || mapProfiles_) return;
    mapProfiles_ = true;
    auto* mapDrag = new ProfileDrag(mapWindow_->Picture(), this);
    connect(mapDrag, &ProfileDrag::LineChosen, this, &Companions::ShowMapProfile);
  });
}

PhaseCurveWindow& Companions::MadePhaseCurve() {
  if (phaseCurve_ == nullptr) {
    phaseCurve_ = new PhaseCurveWindow(form_.Jobs(), &form_);
    CompanionPlacement::Follow(*phaseCurve_, *form_.window());
    connect(phaseCurve_, &PhaseCurveWindow::ShownChanged, openPhaseCurve_, &QAction::setChecked);
    phaseCurve_->SetLineWidth(form_.Overlay().lineWidth);
    if (form_.LastPassResult()) phaseCurve_->ShowPass(*form_.LastPassResult());
  }
  return *phaseCurve_;
}

void Companions::OpenPhaseCurve() {
  MadePhaseCurve();
  BringForward(*phaseCurve_);
}

void Companions::OpenCompare() {
  if (compare_ == nullptr) {
    compare_ = new CompareWindow(form_.Jobs(), &form_);
    CompanionPlacement::Follow(*compare_, *form_.window());
    connect(compare_, &CompareWindow::ShownChanged, openCompare_, &QAction::setChecked);
    if (form_.LastPassResult()) compare_->ShowPass(*form_.LastPassResult());
  }
  BringForward(*compare_);
}

void Companions::ShowPassInCurves(const LastPass& pass) {
  if (phaseCurve_ != nullptr && phaseCurve_->isVisible()) phaseCurve_->ShowPass(pass);
  if (compare_ != nullptr && compare_->isVisible()) compare_->ShowPass(pass);
  if (profile_ != nullptr && profile_->isVisible() && profiled_ == &form_.Picture()) {
    if (equatorShown_) {
      ShowEquatorProfile();
    } else {
      ShowSphereProfile(*form_.Picture().LineMark());
    }
  }
}

void Companions::SetPlotLineWidth(int width) {
  if (phaseCurve_ != nullptr) phaseCurve_->SetLineWidth(width);
  if (profile_ != nullptr) profile_->View().SetLineWidth(width);
}

ProfileWindow& Companions::ProfileShown(PictureBox& picture, QLineF line) {
  if (profile_ == nullptr) {
    profile_ = new ProfileWindow(&form_);
    CompanionPlacement::Follow(*profile_, *form_.window(), BesideRow::kBottom);
    connect(profile_, &ProfileWindow::Closed, this, [this] {
      if (profiled_ != nullptr) profiled_->SetLineMark(std::nullopt);
      profiled_ = nullptr;
    });
    connect(&profile_->EquatorButton(), &QPushButton::clicked, this,
            &Companions::ShowEquatorProfile);
    profile_->View().SetLineWidth(form_.Overlay().lineWidth);
  }
  if (profiled_ != nullptr && profiled_ != &picture) profiled_->SetLineMark(std::nullopt);
  equatorShown_ = false;
  profiled_ = &picture;
  picture.SetLineMark(line);
  profile_->EquatorButton().setEnabled(&picture == &form_.Picture());
  profile_->show();
  profile_->raise();
  return *profile_;
}

namespace {

// The device pixels of a line's ends on `picture`, each kept within the picture.
std::pair<QPoint, QPoint> DeviceEnds(const PictureBox& picture, QLineF line) {
  const QSize size = picture.Image().size();
  const auto inside = [&picture, &size](QPointF logical) {
    const QPoint pixel = picture.DevicePixelAt(logical.toPoint());
    return QPoint(std::clamp(pixel.x(), 0, size.width() - 1),
                  std::clamp(pixel.y(), 0, size.height() - 1));
  };
  return {inside(line.p1()), inside(line.p2())};
}

}  // namespace

void Companions::ShowSphereProfile(QLineF line) {
  const std::optional<LastPass>& last = form_.LastPassResult();
  if (!last) return;
  const RenderState& state = last->state;
  const QSize size = form_.Picture().Image().size();
  const QPoint from = form_.Picture().DevicePixelAt(line.p1().toPoint());
  const QPoint to = form_.Picture().DevicePixelAt(line.p2().toPoint());
  const auto clampX = [&size](int x) { return std::clamp(x, 0, size.width() - 1); };
  const auto clampY = [&size](int y) { return std::clamp(y, 0, size.height() - 1); };
  const std::vector<ProfileSample> samples = ReadProfile(
      clampX(from.x()), clampY(from.y()), clampX(to.x()), clampY(to.y()),
      [&](int x, int y) { return ReadoutAtPixel(state, size.width(), size.height(), x, y); });
  ProfileShown(form_.Picture(), line).ShowProfile(samples, [] {
    return QCoreApplication::translate("Form1", "Профиль по сфере");
  });
}

// Along the photometric equator as the view shows it; the line marked from its first pixel to
// its last, the plot against the emission angle along the circle.
void Companions::ShowEquatorProfile() {
  const std::optional<LastPass>& last = form_.LastPassResult();
  if (!last) return;
  const RenderState& state = last->state;
  const QSize size = form_.Picture().Image().size();
  const std::vector<ProfileSample> samples =
      PhotometricEquatorProfile(state, size.width(), size.height());
  if (samples.empty()) return;
  const double ratio = form_.Picture().PixelRatio();
  const QLineF line(QPointF(samples.front().x + 0.5, samples.front().y + 0.5) / ratio,
                    QPointF(samples.back().x + 0.5, samples.back().y + 0.5) / ratio);
  ProfileWindow& window = ProfileShown(form_.Picture(), line);
  window.ShowEquatorProfile(samples, [] {
    return QCoreApplication::translate("Form1", "Потемнение к краю по фотометрическому экватору");
  });
  equatorShown_ = true;
}

void Companions::ShowMapProfile(QLineF line) {
  const RenderState* state = mapWindow_ != nullptr ? mapWindow_->MapState() : nullptr;
  if (state == nullptr) return;
  PictureBox& picture = mapWindow_->Picture();
  const QSize size = picture.Image().size();
  const GradientView view = mapWindow_->Figure().View();
  std::vector<UsedSource> sources = mapWindow_->Figure().Sources();
  if (!sources.empty()) sources.erase(sources.begin());  // the described one is phi itself
  const std::vector<LightAim> extra = AimsOf(sources);
  const auto [from, to] = DeviceEnds(picture, line);
  const std::vector<ProfileSample> samples = ReadProfile(
      from.x(), from.y(), to.x(), to.y(),
      [&](int x, int y) {
        return GradientReadoutAtPixel(*state, size.width(), size.height(), x, y, view);
      },
      [&](int x, int y) {
        return SourcePhisAtPixel(*state, extra, view, size.width(), size.height(), x, y);
      });
  ProfileShown(picture, line).ShowProfile(samples, [] {
    return QCoreApplication::translate("Form1", "Профиль по карте");
  });
}

// Along a line of surface image `image`: that source's phi at each cell, as the image's readout.
void Companions::ShowSurfaceProfile(int image, QLineF line) {
  const ShownSurface* shown = surface_ != nullptr ? surface_->Shown() : nullptr;
  if (shown == nullptr || image < 0 || image >= static_cast<int>(shown->sources.size())) return;
  PictureBox& picture = surface_->ImageView(image).Picture();
  const auto [from, to] = DeviceEnds(picture, line);
  const std::vector<LightAim> sources = AimsOf(shown->sources);
  const std::vector<ProfileSample> samples =
      ReadProfile(from.x(), from.y(), to.x(), to.y(), [&](int x, int y) -> std::optional<Readout> {
        const std::optional<SurfaceReadout> cell =
            ReadSurfaceCell(shown->pass.state, *shown->scene, sources, shown->castShadows, x, y);
        if (!cell) return std::nullopt;
        return cell->sources[static_cast<size_t>(image)];
      });
  ProfileShown(picture, line).ShowProfile(samples, [image] {
    return QCoreApplication::translate("Form1", "Профиль по поверхности, источник %1")
        .arg(image + 1);
  });
}

CurvesSetup Companions::CurvesOf() const {
  CurvesSetup curves;
  if (phaseCurve_ != nullptr) {
    curves.magnitudes = phaseCurve_->MagnitudesBox().isChecked();
    curves.opposition = phaseCurve_->OppositionBox().isChecked();
    curves.lawAlbedo = phaseCurve_->Albedo();
    curves.observationsPath = phaseCurve_->Observations().FilePath().toStdString();
  }
  if (profile_ == nullptr || !profile_->isVisible() || profiled_ == nullptr) return curves;
  const bool onMap = mapWindow_ != nullptr && profiled_ == &mapWindow_->Picture();
  if (profiled_ != &form_.Picture() && !onMap) return curves;
  if (profiled_ == &form_.Picture() && equatorShown_) {
    curves.profile.picture = kEquatorProfile;
    return curves;
  }
  curves.profile.picture = onMap ? kMapProfile : kSphereProfile;
  if (const std::optional<QLineF>& line = profiled_->LineMark()) {
    curves.profile.line = {line->x1(), line->y1(), line->x2(), line->y2()};
  }
  return curves;
}

void Companions::RestoreCurves(const CurvesSetup& curves,
                               const std::optional<ObservationSet>& points) {
  const CurvesSetup fresh;
  if (curves.magnitudes || curves.opposition || curves.lawAlbedo != fresh.lawAlbedo || points ||
      phaseCurve_ != nullptr) {
    PhaseCurveWindow& window = MadePhaseCurve();
    window.MagnitudesBox().setChecked(curves.magnitudes);
    window.OppositionBox().setChecked(curves.opposition);
    window.SetAlbedo(curves.lawAlbedo);
    if (points) {
      window.Observations().ShowPoints(*points, QString::fromStdString(curves.observationsPath));
    }
  }
  const ProfileSetup& profile = curves.profile;
  const QLineF line(profile.line[0], profile.line[1], profile.line[2], profile.line[3]);
  if (profile.picture == kSphereProfile) {
    ShowSphereProfile(line);
  } else if (profile.picture == kEquatorProfile) {
    ShowEquatorProfile();
  } else if (profile.picture == kMapProfile && mapWindow_ != nullptr) {
    ShowMapProfile(line);
  } else if (profile_ != nullptr) {
    profile_->close();
  }
}
