#pragma once
// One recovery as the window runs it, off the window's thread: the images made from the surface
// window's scene under its sources (with the camera's noise and quantisation), or a folder's
// photographs as read; then the method; then, where the true surface is known, the report and
// the angle of each cell's normal from the truth.
//
//   RecoveryRequest -> RunRecovery -> RecoveryOutcome (shape, report, errors; or a message)

#include <QString>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "gradient/light_sources.h"
#include "model/message.h"
#include "model/render_state.h"
#include "recovery/recover_shape.h"
#include "recovery/recovery_images.h"
#include "recovery/recovery_report.h"
#include "surface/surface_image.h"

struct RecoveryRequest {
  RenderState law;  // the main window's last pass: the law the images follow
  // Synthetic images: the scene and its sources, through the camera.
  std::shared_ptr<const SurfaceScene> scene;
  std::vector<LightAim> sources;
  CameraModel camera;
  // Or photographs, when given (then the scene is not used).
  std::shared_ptr<const RecoveryImages> photos;
  RecoveryMethod method = RecoveryMethod::kWoodhamStereo;
  Integrator integrator = Integrator::kDctPoisson;
};

struct RecoveryOutcome {
  std::shared_ptr<const RecoveryImages> images;
  std::shared_ptr<const SurfaceScene> truth;  // nullptr for photographs
  RecoveredShape shape;
  std::optional<RecoveryReport> report;  // with a truth
  std::vector<double> angleErrors;       // degrees, one a cell; with a truth
  RenderState law;
  QString error;      // why nothing was recovered, in Russian; empty when something was
  Message errorSaid;  // the same, shown in the language in use
  void Refuse(Message why) {
    error = QString::fromStdString(RussianText(why));
    errorSaid = std::move(why);
  }
};

RecoveryOutcome RunRecovery(const RecoveryRequest& request);
