#pragma once
// Where «Анимация…» writes its frames: one animated GIF (one palette from all frames, giflib by
// animation/gif_file.h), written whole or not at all; or numbered PNG files, each written whole
// or not at all, the first that fails stopping the rest with a message naming it. The frames are
// held (a GIF's as pixels, PNGs encoded) until the last is painted, so that a sweep cancelled
// before then writes nothing.
//
//   name chosen -> AnimationOutputFor -> AnimationOutput; frames -> AnimationFrames::Add ... Write

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "model/image_buffer.h"

struct AnimationOutput {
  bool gif = true;
  QString path;  // a GIF's name, or the PNG files' with one printf field ("кадр_%03d.png")
};

// The output for a name as chosen: a .gif; a .png with one %d field as it is, or numbered
// "_%03d" before its extension; a name without an extension becomes a GIF. Any other, in Russian,
// why not.
std::variant<AnimationOutput, QString> AnimationOutputFor(const QString& path);

// The file of frame `frame` (from 0).
QString FrameFile(const AnimationOutput& output, int frame);

class AnimationFrames {
 public:
  explicit AnimationFrames(AnimationOutput output) : output_(std::move(output)) {}

  // Keeps one more frame; the reason in Russian when it cannot be held (the frames of a GIF,
  // `frames` of this one's size, are too many pixels) or encoded.
  std::optional<QString> Add(const QImage& frame, int frames);
  // Writes every frame kept, each shown `delay` hundredths of a second in a GIF; a message in
  // Russian naming the file that could not be written.
  std::optional<QString> Write(int delay) const;

 private:
  AnimationOutput output_;
  std::vector<ImageBuffer> gifFrames_;
  std::vector<QByteArray> pngFrames_;
};
