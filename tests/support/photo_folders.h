#pragma once
// Photo sets written by the tests: 16-bit PNG images from intensities in [0, 1] (NaN as 0), grey
// or with each colour channel times a weight, and a light's direction as an "x y z" line.

#include <QBuffer>
#include <QImage>
#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "gradient/light_sources.h"

inline void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A 16-bit grey PNG's bytes, or with `weights` an RGB PNG of 16 bits a channel, each channel the
// value times its weight.
inline std::string Png16(int width, int height, const std::vector<double>& values,
                         const std::array<double, 3>& weights = {0, 0, 0}) {
  const bool grey = weights[0] == 0;
  QImage image(width, height, grey ? QImage::Format_Grayscale16 : QImage::Format_RGBX64);
  for (size_t cell = 0; cell < values.size(); ++cell) {
    const auto level = [&values, cell](double weight) {
      const double value = std::isfinite(values[cell]) ? values[cell] * weight : 0.0;
      return static_cast<quint16>(std::lround(value * 65535));
    };
    const int column = static_cast<int>(cell % width);
    auto* line = reinterpret_cast<quint16*>(image.scanLine(static_cast<int>(cell / width)));
    if (grey) line[column] = level(1.0);
    for (int channel = 0; channel < 3 && !grey; ++channel) {
      line[4 * column + channel] = level(weights[channel]);  // RGBX64 keeps R, G, B, X in order
    }
    if (!grey) line[4 * column + 3] = 65535;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

// "x y z" of the source's direction times `length`, each number in its shortest exact form.
inline std::string DirectionLine(const LightAim& source, double length) {
  const SourceDirection d = DirectionOf(source);
  std::string line;
  for (const double component : {d.x * length, d.y * length, d.z * length}) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, component).ptr;
    if (!line.empty()) line += ' ';
    line.append(text, end);
  }
  return line + "\n";
}
