// Form1's plot windows: «Фазовая кривая» follows every pass shown while it is open; «Профиль»
// plots phi along a line dragged with Shift on the sphere or the map, the line marked over its
// picture while the window is open, and follows the sphere's passes.

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "app/common/companion_placement.h"
#include "app/common/companion_window.h"
#include "app/curves/compare_window.h"
#include "app/curves/phase_curve_window.h"
#include "app/curves/profile_drag.h"
#include "app/curves/profile_window.h"
#include "app/form/form1.h"
#include "app/language/translated_texts.h"
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

void Form1::SetUpCurves() {
  openPhaseCurve_ = new QAction(this);
  TranslatedTexts::Of(*this).Keep(openPhaseCurve_, &QAction::setText, "Form1",
                                  QT_TRANSLATE_NOOP("Form1", "Фазовая кривая"));
  openPhaseCurve_->setObjectName(QStringLiteral("OpenPhaseCurve"));
  openPhaseCurve_->setCheckable(true);
  connect(openPhaseCurve_, &QAction::triggered, this, [this](bool show) {
    if (show) {
      OpenPhaseCurve();
    } else if (phaseCurve_ != nullptr) {
      phaseCurve_->close();
    }
  });
  openCompare_ = new QAction(this);
  TranslatedTexts::Of(*this).Keep(openCompare_, &QAction::setText, "Form1",
                                  QT_TRANSLATE_NOOP("Form1", "Сравнить законы"));
  openCompare_->setObjectName(QStringLiteral("OpenCompare"));
  openCompare_->setCheckable(true);
  connect(openCompare_, &QAction::triggered, this, [this](bool show) {
    if (show) {
      OpenCompare();
    } else if (compare_ != nullptr) {
      compare_->close();
    }
  });
  auto* sphereDrag = new ProfileDrag(*picture1_, this);
  connect(sphereDrag, &ProfileDrag::LineChosen, this, &Form1::ShowSphereProfile);
  // The map's picture takes profile drags once the map has been made (after its own slot).
  connect(openMap_, &QAction::triggered, this, [this] {
    if (mapWindow_ == nullptr || mapProfiles_) return;
    mapProfiles_ = true;
    auto* mapDrag = new ProfileDrag(mapWindow_->Picture(), this);
    connect(mapDrag, &ProfileDrag::LineChosen, this, &Form1::ShowMapProfile);
  });
}

PhaseCurveWindow& Form1::MadePhaseCurve() {
  if (phaseCurve_ == nullptr) {
    phaseCurve_ = new PhaseCurveWindow(*jobs_, this);
    CompanionPlacement::Follow(*phaseCurve_, *window());
    connect(phaseCurve_, &PhaseCurveWindow::ShownChanged, openPhaseCurve_, &QAction::setChecked);
    if (lastPass_) phaseCurve_->ShowPass(*lastPass_);
  }
  return *phaseCurve_;
}

void Form1::OpenPhaseCurve() {
  MadePhaseCurve();
  BringForward(*phaseCurve_);
}

void Form1::OpenCompare() {
  if (compare_ == nullptr) {
    compare_ = new CompareWindow(*jobs_, this);
    CompanionPlacement::Follow(*compare_, *window());
    connect(compare_, &CompareWindow::ShownChanged, openCompare_, &QAction::setChecked);
    if (lastPass_) compare_->ShowPass(*lastPass_);
  }
  BringForward(*compare_);
}

void Form1::ShowPassInCurves() {
  if (phaseCurve_ != nullptr && phaseCurve_->isVisible()) phaseCurve_->ShowPass(*lastPass_);
  if (compare_ != nullptr && compare_->isVisible()) compare_->ShowPass(*lastPass_);
  if (profile_ != nullptr && profile_->isVisible() && profiled_ == picture1_) {
    if (equatorShown_) {
      ShowEquatorProfile();
    } else {
      ShowSphereProfile(*picture1_->LineMark());
    }
  }
}

ProfileWindow& Form1::ProfileShown(PictureBox& picture, QLineF line) {
  if (profile_ == nullptr) {
    profile_ = new ProfileWindow(this);
    CompanionPlacement::Follow(*profile_, *window(), BesideRow::kBottom);
    connect(profile_, &ProfileWindow::Closed, this, [this] {
      if (profiled_ != nullptr) profiled_->SetLineMark(std::nullopt);
      profiled_ = nullptr;
    });
    connect(&profile_->EquatorButton(), &QPushButton::clicked, this, &Form1::ShowEquatorProfile);
  }
  if (profiled_ != nullptr && profiled_ != &picture) profiled_->SetLineMark(std::nullopt);
  equatorShown_ = false;
  profiled_ = &picture;
  picture.SetLineMark(line);
  profile_->EquatorButton().setEnabled(&picture == picture1_);
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

void Form1::ShowSphereProfile(QLineF line) {
  if (!lastPass_) return;
  const RenderState& state = lastPass_->state;
  const QSize size = picture1_->Image().size();
  const QPoint from = picture1_->DevicePixelAt(line.p1().toPoint());
  const QPoint to = picture1_->DevicePixelAt(line.p2().toPoint());
  const auto clampX = [&size](int x) { return std::clamp(x, 0, size.width() - 1); };
  const auto clampY = [&size](int y) { return std::clamp(y, 0, size.height() - 1); };
  const std::vector<ProfileSample> samples = ReadProfile(
      clampX(from.x()), clampY(from.y()), clampX(to.x()), clampY(to.y()),
      [&](int x, int y) { return ReadoutAtPixel(state, size.width(), size.height(), x, y); });
  ProfileShown(*picture1_, line)
      .ShowProfile(samples, QCoreApplication::translate("Form1", "Профиль по сфере"));
}

// Along the photometric equator as the view shows it; the line marked from its first pixel to
// its last, the plot against the emission angle along the circle.
void Form1::ShowEquatorProfile() {
  if (!lastPass_) return;
  const RenderState& state = lastPass_->state;
  const QSize size = picture1_->Image().size();
  const std::vector<ProfileSample> samples =
      PhotometricEquatorProfile(state, size.width(), size.height());
  if (samples.empty()) return;
  const double ratio = picture1_->PixelRatio();
  const QLineF line(QPointF(samples.front().x + 0.5, samples.front().y + 0.5) / ratio,
                    QPointF(samples.back().x + 0.5, samples.back().y + 0.5) / ratio);
  ProfileWindow& window = ProfileShown(*picture1_, line);
  window.ShowEquatorProfile(
      samples,
      QCoreApplication::translate("Form1", "Потемнение к краю по фотометрическому экватору"));
  equatorShown_ = true;
}

void Form1::ShowMapProfile(QLineF line) {
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
  ProfileShown(picture, line)
      .ShowProfile(samples, QCoreApplication::translate("Form1", "Профиль по карте"));
}

// Along a line of surface image `image`: that source's phi at each cell, as the image's readout.
void Form1::ShowSurfaceProfile(int image, QLineF line) {
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
  ProfileShown(picture, line)
      .ShowProfile(samples,
                   QCoreApplication::translate("Form1", "Профиль по поверхности, источник %1")
                       .arg(image + 1));
}

CurvesSetup Form1::CurvesOf() const {
  CurvesSetup curves;
  curves.magnitudes = phaseCurve_ != nullptr && phaseCurve_->MagnitudesBox().isChecked();
  if (profile_ == nullptr || !profile_->isVisible() || profiled_ == nullptr) return curves;
  const bool onMap = mapWindow_ != nullptr && profiled_ == &mapWindow_->Picture();
  if (profiled_ != picture1_ && !onMap) return curves;
  if (profiled_ == picture1_ && equatorShown_) {
    curves.profile.picture = kEquatorProfile;
    return curves;
  }
  curves.profile.picture = onMap ? kMapProfile : kSphereProfile;
  if (const std::optional<QLineF>& line = profiled_->LineMark()) {
    curves.profile.line = {line->x1(), line->y1(), line->x2(), line->y2()};
  }
  return curves;
}

void Form1::RestoreCurves(const CurvesSetup& curves) {
  if (curves.magnitudes || phaseCurve_ != nullptr) {
    MadePhaseCurve().MagnitudesBox().setChecked(curves.magnitudes);
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
