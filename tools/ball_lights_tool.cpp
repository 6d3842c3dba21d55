#include "ball_lights_tool.h"

#include <string>
#include <variant>
#include <vector>

#include "message_language.h"
#include "photoset/ball_set.h"
#include "render_tool.h"

OptionValueError StoreBallLightsFolder(std::string_view text, RenderJob& job) {
  job.ballLightsFolder = std::string(text);
  return std::nullopt;
}

int RunBallLightsTool(const RenderJob& job, std::ostream& out, std::ostream& err) {
  const std::variant<std::vector<LightAim>, Message> lights =
      BallLightsSaid(QString::fromStdString(job.ballLightsFolder));
  if (const auto* message = std::get_if<Message>(&lights)) {
    err << kToolName << RendererText(*message) << "\n";
    return kExitFailure;
  }
  out << LightDirectionsText(std::get<std::vector<LightAim>>(lights));
  return kExitSuccess;
}
