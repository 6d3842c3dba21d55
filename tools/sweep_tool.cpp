#include "sweep_tool.h"

#include <QFile>
#include <array>
#include <charconv>
#include <variant>
#include <vector>

#include "animation/gif_file.h"
#include "fileio/staged_files.h"
#include "input_error_text.h"
#include "intake/number_text.h"
#include "law_options.h"
#include "option_modes.h"
#include "picture_file.h"
#include "render_tool.h"
#include "surface_tool.h"

namespace {

// The shortest text that reads back as `value` in the C number format.
std::string NumberText(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

OptionValueError ParseSweep(std::string_view text, RenderJob& job) {
  const std::string all(text);
  const size_t equals = all.find('=');
  const auto fail = [&all] {
    return "--sweep needs NAME=FROM:TO:FRAMES (slant, rot-x, rot-y, rot-z, exposure or a law's "
           "parameter; FRAMES 2 to " +
           std::to_string(kMaxSweepFrames) + "), got " + QuotedText(all);
  };
  if (equals == std::string::npos || equals == 0) return fail();
  Sweep sweep{all.substr(0, equals), 0.0, 0.0, 0};
  std::vector<std::string> parts;
  size_t start = equals + 1;
  for (size_t at = all.find(':', start); at != std::string::npos;
       start = at + 1, at = all.find(':', start)) {
    parts.push_back(all.substr(start, at - start));
  }
  parts.push_back(all.substr(start));
  if (parts.size() != 3) return fail();
  const NumberReading<double> from = ReadDouble(parts[0], CNumberFormat());
  const NumberReading<double> to = ReadDouble(parts[1], CNumberFormat());
  const NumberReading<double> frames = ReadDouble(parts[2], CNumberFormat());
  if (!from.Ok() || !to.Ok() || !frames.Ok() || frames.value != std::floor(frames.value) ||
      frames.value < kMinSweepFrames || frames.value > kMaxSweepFrames) {
    return fail();
  }
  sweep.from = from.value;
  sweep.to = to.value;
  sweep.frames = static_cast<int>(frames.value);
  job.sweep = sweep;
  return std::nullopt;
}

OptionValueError ParseFrameDelay(std::string_view text, RenderJob& job) {
  const NumberReading<double> delay = ReadDouble(text, CNumberFormat());
  if (!delay.Ok() || delay.value != std::floor(delay.value) || delay.value < 1 ||
      delay.value > 6000) {
    return "--frame-delay needs hundredths of a second, a whole number from 1 to 6000, got " +
           QuotedText(text);
  }
  job.frameDelay = static_cast<int>(delay.value);
  return std::nullopt;
}

OptionValueError ResolveSweep(const RenderJob& job) {
  if (!job.sweep) return std::nullopt;
  const std::string& swept = job.sweep->name;
  if (OptionGiven(job, swept)) {
    return "--" + swept + " and --sweep " + swept + "=... both set " + swept + ": give one of them";
  }
  for (const std::string& parameter : job.lawParameterTexts) {
    if (parameter.rfind(swept + "=", 0) == 0) {
      return "--param " + swept + "=... and --sweep " + swept + "=... both set " + swept +
             ": give one of them";
    }
  }
  if (swept.rfind("rot-", 0) == 0 && (job.surface || job.gradientSpace)) {
    return "--sweep " + swept + ": " + (job.surface ? "a surface image" : "gradient space") +
           " is seen from +z, so every frame would be the same";
  }
  if (job.outputPath.empty() || job.outputPath == "-") {
    return std::string("--sweep writes -o FILE.gif or -o FILE_%03d.png");
  }
  if (EndsWith(job.outputPath, ".gif")) {
    // A GIF holds every frame until its one palette is made: refuse what no one means to hold.
    const double pixels = static_cast<double>(job.width) * job.height * job.sweep->frames;
    if (pixels > kMaxGifPixels) {
      return "--sweep: " + std::to_string(job.sweep->frames) + " frames of " +
             std::to_string(job.width) + "x" + std::to_string(job.height) +
             " are too many pixels for one GIF (at most " +
             std::to_string(kMaxGifPixels / 1000000) +
             " million); write numbered PNG files instead";
    }
    return std::nullopt;
  }
  if (EndsWith(job.outputPath, ".png") && FrameFieldCount(job.outputPath) == 1) {
    if (OptionGiven(job, "frame-delay")) {
      return std::string("--frame-delay is a GIF's: numbered PNG files of --sweep show no delay");
    }
    if (const std::optional<FrameNameProblem> problem =
            CheckFrameNames(job.outputPath, job.sweep->frames)) {
      if (problem->kind == FrameNameProblem::kShared) {
        return "--sweep: frames " + std::to_string(problem->earlier) + " and " +
               std::to_string(problem->frame) + " would both be written to " +
               QuotedText(problem->name);
      }
      return "--sweep: the frame name " + QuotedText(problem->name) + " is longer than " +
             std::to_string(kMaxFileNameBytes) + " bytes, which no file name can be";
    }
    return std::nullopt;
  }
  return "--sweep writes a .gif, or numbered .png files named with one %d field (FILE_%03d.png), "
         "got " +
         QuotedText(job.outputPath);
}

std::variant<RenderJob, std::string> SweepFrameJob(const RenderJob& job, int frame) {
  RenderJob one = job;
  one.sweep.reset();
  const Sweep& sweep = *job.sweep;
  const double value = SweepValue(sweep.from, sweep.to, sweep.frames, frame);
  const std::string text = NumberText(value);
  if (sweep.name == "slant") {
    one.inputs.slant = text;
  } else if (sweep.name == "rot-x") {
    one.inputs.rotX = text;
  } else if (sweep.name == "rot-y") {
    one.inputs.rotY = text;
  } else if (sweep.name == "rot-z") {
    one.inputs.rotZ = text;
  } else if (sweep.name == "exposure") {
    if (!(value >= 0.1 && value <= 10.0)) {
      return "--sweep exposure: " + text + " is outside 0.1 to 10";
    }
    one.exposure = value;
    one.autoExposure = false;
  } else {
    // A parameter of the law: the last --param of a name holds.
    one.lawParameterTexts.push_back(sweep.name + "=" + text);
    if (OptionValueError error = ResolveLaw(one)) return "--sweep " + sweep.name + ": " + *error;
  }
  return one;
}

namespace {

// One frame: the sphere or the map as one press paints it, or the surface's image.
std::variant<ImageBuffer, std::string> FramePicture(const RenderJob& job,
                                                    const SurfaceScene* scene) {
  if (scene) {
    std::variant<PreparedSurface, std::string> ready = PrepareSurfaceOver(job, *scene);
    if (auto* message = std::get_if<std::string>(&ready)) return std::move(*message);
    PassResult pass = PaintPreparedSurface(job, std::get<PreparedSurface>(ready));
    return std::move(pass.picture);
  }
  RenderOutcome outcome = RenderPicture(job);
  if (auto* error = std::get_if<InputError>(&outcome)) return DescribeInputError(*error);
  return std::move(std::get<ImageBuffer>(outcome));
}

}  // namespace

int RunSweepTool(const RenderJob& job, std::ostream& out, std::ostream& err) {
  std::vector<ImageBuffer> frames;
  // Numbered PNG files are staged and renamed into place together: a sweep that fails part-way
  // leaves every old frame as it was.
  StagedFiles staged;
  const bool gif = EndsWith(job.outputPath, ".gif");
  // A surface is read once; each frame lights it anew.
  std::optional<SurfaceScene> scene;
  if (job.surface) {
    std::variant<SurfaceScene, std::string> loaded = LoadSurfaceScene(job);
    if (auto* message = std::get_if<std::string>(&loaded)) {
      err << kToolName << *message << "\n";
      return kExitFailure;
    }
    scene = std::move(std::get<SurfaceScene>(loaded));
  }
  for (int frame = 0; frame < job.sweep->frames; ++frame) {
    std::variant<RenderJob, std::string> one = SweepFrameJob(job, frame);
    if (auto* message = std::get_if<std::string>(&one)) {
      err << kToolName << *message << "\n";
      return kExitFailure;
    }
    std::variant<ImageBuffer, std::string> painted =
        FramePicture(std::get<RenderJob>(one), scene ? &*scene : nullptr);
    if (auto* message = std::get_if<std::string>(&painted)) {
      err << kToolName << *message << "\n";
      return kExitFailure;
    }
    ImageBuffer& picture = std::get<ImageBuffer>(painted);
    if (gif) {
      frames.push_back(std::move(picture));
      continue;
    }
    const std::string path = FramePath(job.outputPath, frame);
    const std::string bytes = EncodePng(picture);
    if (bytes.empty()) {
      err << kToolName << "cannot encode the picture as PNG for " << path << "\n";
      return kExitFailure;
    }
    if (auto failure = staged.Stage(QFile::decodeName(QByteArray::fromStdString(path)), bytes)) {
      err << kToolName << OutputFailureMessage(path, *failure) << "\n";
      return kExitFailure;
    }
  }
  if (!gif) {
    if (auto failure = staged.Commit()) {
      err << kToolName << OutputFailureMessage(failure->first.toStdString(), failure->second)
          << "\n";
      return kExitFailure;
    }
    return kExitSuccess;
  }
  const std::optional<std::string> bytes = EncodeGif(frames, job.frameDelay);
  if (!bytes) {
    err << kToolName << "cannot encode the frames as GIF for " << job.outputPath << "\n";
    return kExitFailure;
  }
  out.flush();
  if (auto error = WriteOutputFile(job.outputPath, *bytes)) {
    err << kToolName << *error << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}
