// The recovery window's mirror ball: a folder of its photographs read off the window's thread,
// and its lights put to the photographs chosen from a folder.

#include <QMessageBox>

#include "app/picture/background_pass.h"
#include "app/recovery/ball_lights_box.h"
#include "app/recovery/recovery_controls.h"
#include "app/recovery/recovery_window.h"
#include "messages/translated_message.h"
#include "photoset/ball_set.h"
#include "recovery/light_check.h"

void RecoveryWindow::OpenBallFolder(const QString& folder) {
  auto read = std::make_shared<std::variant<std::vector<LightAim>, Message>>();
  controls_->SetRunning(true);
  pass_->Start([folder, read] { *read = BallLightsSaid(folder); },
               [this, folder, read] {
                 controls_->SetRunning(false);
                 if (auto* message = std::get_if<Message>(read.get())) {
                   QMessageBox::warning(this, windowTitle(), TranslatedMessage(*message));
                   return;
                 }
                 ball_->SetLights(std::move(std::get<std::vector<LightAim>>(*read)), folder);
               });
}

// The photographs keep their pixels and take the ball's lights, one a photograph in order; the
// lights must be as many and able to light a photometric stereo, or nothing changes.
bool RecoveryWindow::UseBallLights() {
  const std::vector<LightAim>& lights = ball_->Lights();
  const std::shared_ptr<const RecoveryImages> photos = controls_->Photos();
  QString fault;
  if (photos == nullptr) {
    fault = tr("Источники шара освещают снимки из папки: сначала выберите папку снимков.");
  } else if (photos->intensity.size() != lights.size()) {
    fault = tr("Снимков %1, а источников шара %2: каждому снимку нужен свой источник.")
                .arg(photos->intensity.size())
                .arg(lights.size());
  } else if (const std::optional<LightsError> error = CheckLights(lights)) {
    fault = TranslatedMessage(error->said);
  }
  if (!fault.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), fault);
    return false;
  }
  auto lit = std::make_shared<RecoveryImages>(*photos);
  lit->sources = lights;
  controls_->SetPhotos(std::move(lit), controls_->Folder());
  return true;
}
