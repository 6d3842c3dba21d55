#include "compare_tool.h"

#include <QStringList>
#include <cstring>
#include <variant>

#include "figure/compared_row.h"
#include "figure/figure_frame.h"
#include "headless_gui.h"
#include "input_error_text.h"
#include "law_options.h"
#include "picture_file.h"
#include "plots/curve_plots.h"
#include "render_tool.h"

std::variant<RenderJob, std::string> ComparedJob(const RenderJob& job, const std::string& entry) {
  RenderJob one = job;
  one.compare.clear();
  one.lawParameterTexts.clear();
  one.formulaText.reset();
  const std::vector<std::string> parts = SplitAt(entry, ':');
  if (OptionValueError error = ParseFunction(parts.front(), one)) {
    return "--compare " + QuotedText(entry) + ": " + *error;
  }
  for (size_t k = 1; k < parts.size(); ++k) one.lawParameterTexts.push_back(parts[k]);
  if (OptionValueError error = ResolveLaw(one)) {
    return "--compare " + QuotedText(entry) + ": " + *error;
  }
  return one;
}

QString ComparedCaption(const RenderJob& one, const std::string& entry) {
  QString caption = PlottedFunctionName(one.reflectanceKind);
  const size_t colon = entry.find(':');
  if (colon != std::string::npos) {
    caption += QStringLiteral(", ") +
               QString::fromStdString(entry.substr(colon + 1)).replace(u':', QStringLiteral(", "));
  }
  return caption;
}

namespace {

QImage ImageOf(const ImageBuffer& picture, int scale) {
  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.Height(); ++y) {
    std::memcpy(image.scanLine(y), picture.Row(y),
                static_cast<size_t>(picture.Width()) * sizeof(uint32_t));
  }
  image.setDevicePixelRatio(scale);
  return image;
}

}  // namespace

OptionValueError ParseCompare(std::string_view text, RenderJob& job) {
  job.compare = SplitAt(text, ',');
  const int count = static_cast<int>(job.compare.size());
  if (count < kMinCompared || count > kMaxCompared) {
    return "--compare needs 2 to 6 laws, LAW[:NAME=VALUE...] separated by commas, got " +
           std::to_string(count) + " in " + QuotedText(text);
  }
  return std::nullopt;
}

int RunCompareTool(const RenderJob& job, std::ostream& out, std::ostream& err) {
  // The spheres and their row are held together: refuse what no one means to hold.
  const double pixels = static_cast<double>(job.width) * job.height * job.compare.size();
  if (pixels > kMaxComparedPixels) {
    err << kToolName << "--compare: " << job.compare.size() << " pictures of " << job.width << "x"
        << job.height << " are too many pixels for one row (at most "
        << kMaxComparedPixels / 1000000 << " million)\n";
    return kExitFailure;
  }
  EnsureHeadlessGui();  // the captions in the chosen language need the application's translator
  std::vector<QImage> spheres;
  QStringList captions;
  for (const std::string& entry : job.compare) {
    std::variant<RenderJob, std::string> one = ComparedJob(job, entry);
    if (auto* message = std::get_if<std::string>(&one)) {
      err << kToolName << *message << "\n";
      return kExitFailure;
    }
    const RenderJob& sphere = std::get<RenderJob>(one);
    std::variant<PassResult, InputError> pass = RunJobPass(sphere);
    if (auto* error = std::get_if<InputError>(&pass)) {
      err << kToolName << DescribeInputError(*error) << "\n";
      return kExitFailure;
    }
    spheres.push_back(ImageOf(std::get<PassResult>(pass).picture, job.scale));
    captions << ComparedCaption(sphere, entry);
  }
  const int columns = static_cast<int>(spheres.size());
  const QFont font = StandaloneFigureFont();
  out.flush();
  std::optional<std::string> error;
  if (IsVectorFormat(job.format)) {
    const QSize sphere = (QSizeF(spheres.front().size()) / job.scale).toSize();
    error = WriteVectorPicture(
        ComparedRowRaster(spheres, columns),
        [&](QPainter& painter) { PaintComparedCaptions(painter, sphere, captions, columns, font); },
        job.outputPath, job.format);
  } else {
    const QImage figure = ComparedRowImage(spheres, captions, columns, font);
    ImageBuffer picture(figure.width(), figure.height());
    const PixelRows rows = picture.Rows();
    for (int y = 0; y < figure.height(); ++y) {
      std::memcpy(rows.first + y * rows.stride, figure.constScanLine(y),
                  static_cast<size_t>(figure.width()) * sizeof(uint32_t));
    }
    error = WritePicture(picture, job.outputPath, job.format);
  }
  if (error) {
    err << kToolName << *error << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}
