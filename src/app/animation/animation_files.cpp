#include "app/animation/animation_files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <string_view>

#include "animation/gif_file.h"
#include "animation/sweep_steps.h"
#include "app/picture/file_error_text.h"
#include "fileio/staged_files.h"
#include "fileio/whole_file.h"

namespace {

const QString kNumberField = QStringLiteral("_%03d");

std::string_view BytesOf(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

QString FailureMessage(const QString& path, const QString& reason) {
  return QCoreApplication::translate("AnimationDialog",
                                     "Не удалось сохранить анимацию в файл «%1»: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}

std::optional<QString> WriteBytes(const QString& path, std::string_view bytes) {
  const std::optional<WriteFailure> failure =
      WriteWholeFile(path, bytes, FifoOpening::kFailWithoutReader);
  if (failure) return FailureMessage(path, FileWriteReason(*failure, path));
  return std::nullopt;
}

ImageBuffer BufferOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  ImageBuffer buffer(rgb.width(), rgb.height(), ImageBuffer::Unpainted{});
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      buffer.SetPixel(x, y, Rgb{qRed(line[x]), qGreen(line[x]), qBlue(line[x])});
    }
  }
  return buffer;
}

}  // namespace

std::variant<AnimationOutput, QString> AnimationOutputFor(const QString& path) {
  const QFileInfo name(path);
  const QString suffix = name.suffix().toLower();
  if (name.fileName().isEmpty())
    return QCoreApplication::translate("AnimationDialog", "Выберите файл анимации.");
  if (suffix.isEmpty()) return AnimationOutput{true, path + QStringLiteral(".gif")};
  if (suffix == u"gif") return AnimationOutput{true, path};
  if (suffix == u"png") {
    const int fields = FrameFieldCount(path.toStdString());
    if (fields == 1) return AnimationOutput{false, path};
    if (fields == 0) {
      return AnimationOutput{false, path.left(path.size() - suffix.size() - 1) + kNumberField +
                                        path.right(suffix.size() + 1)};
    }
  }
  return QCoreApplication::translate(
      "AnimationDialog",
      "Анимация пишется в файл GIF (.gif) или в нумерованные файлы PNG (имя с %03d и .png).");
}

QString FrameFile(const AnimationOutput& output, int frame) {
  if (output.gif) return output.path;
  return QString::fromStdString(FramePath(output.path.toStdString(), frame));
}

std::optional<QString> AnimationFrames::Add(const QImage& frame, int frames) {
  if (output_.gif) {
    const double pixels = static_cast<double>(frame.width()) * frame.height() * frames;
    if (pixels > kMaxGifPixels) {
      return QCoreApplication::translate(
                 "AnimationDialog",
                 "%1 кадров %2×%3 — слишком много точек для одного GIF (не больше %4 млн); "
                 "запишите нумерованные PNG.")
          .arg(frames)
          .arg(frame.width())
          .arg(frame.height())
          .arg(kMaxGifPixels / 1000000);
    }
    gifFrames_.push_back(BufferOf(frame));
    return std::nullopt;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(frame))
    return QCoreApplication::translate("AnimationDialog",
                                       "Кадр не удалось записать в формате PNG.");
  pngFrames_.push_back(std::move(bytes));
  return std::nullopt;
}

std::optional<QString> AnimationFrames::Write(int delay) const {
  if (output_.gif) {
    const std::optional<std::string> bytes = EncodeGif(gifFrames_, delay);
    if (!bytes)
      return FailureMessage(
          output_.path,
          QCoreApplication::translate("AnimationDialog", "кадры не удалось закодировать в GIF"));
    return WriteBytes(output_.path, *bytes);
  }
  // Staged, then renamed into place together: a failure part-way leaves every old frame.
  StagedFiles staged;
  for (size_t k = 0; k < pngFrames_.size(); ++k) {
    const QString path = FrameFile(output_, static_cast<int>(k));
    if (auto failure =
            staged.Stage(path, BytesOf(pngFrames_[k]), FifoOpening::kFailWithoutReader)) {
      return FailureMessage(path, FileWriteReason(*failure, path));
    }
  }
  if (auto failure = staged.Commit()) {
    return FailureMessage(failure->first, FileWriteReason(failure->second, failure->first));
  }
  return std::nullopt;
}
