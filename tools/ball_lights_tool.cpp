#include "ball_lights_tool.h"

#include <iomanip>
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
  // Nine digits: the directions are 32-bit (light_sources.h), and read back to the same aims.
  out << std::setprecision(9);
  for (const LightAim& light : std::get<std::vector<LightAim>>(lights)) {
    const SourceDirection direction = DirectionOf(light);
    out << direction.x << ' ' << direction.y << ' ' << direction.z << '\n';
  }
  return kExitSuccess;
}
