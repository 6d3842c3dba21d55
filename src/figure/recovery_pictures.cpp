#include "figure/recovery_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The error scale's stops: dark blue, blue, cyan, green, yellow, red.
constexpr std::array<QRgb, 6> kErrorStops = {0xFF00004C, 0xFF0040FF, 0xFF00E0FF,
                                             0xFF00C040, 0xFFFFE000, 0xFFE00000};

int Level(double component) {
  return static_cast<int>(std::lround((std::clamp(component, -1.0, 1.0) + 1.0) * 127.5));
}

}  // namespace

QImage NormalMapImage(const RecoveredNormals& normals) {
  QImage image(normals.width, normals.height, QImage::Format_RGB32);
  for (int row = 0; row < normals.height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < normals.width; ++column) {
      const size_t cell = static_cast<size_t>(row) * normals.width + column;
      if (!normals.Has(cell)) {
        line[column] = qRgb(0, 0, 0);
        continue;
      }
      const double p = normals.p[cell];
      const double q = normals.q[cell];
      const double length = std::sqrt(1.0 + p * p + q * q);
      line[column] = qRgb(Level(-p / length), Level(-q / length), Level(1.0 / length));
    }
  }
  return image;
}

QImage AlbedoImage(const RecoveredNormals& normals) {
  double largest = 1.0;
  for (const double albedo : normals.albedo) {
    if (std::isfinite(albedo)) largest = std::max(largest, albedo);
  }
  QImage image(normals.width, normals.height, QImage::Format_Grayscale8);
  for (int row = 0; row < normals.height; ++row) {
    uchar* line = image.scanLine(row);
    for (int column = 0; column < normals.width; ++column) {
      const double albedo = normals.albedo[static_cast<size_t>(row) * normals.width + column];
      line[column] =
          std::isfinite(albedo)
              ? static_cast<uchar>(std::lround(std::clamp(albedo / largest, 0.0, 1.0) * 255))
              : 0;
    }
  }
  return image;
}

QImage ColourAlbedoImage(const ColourAlbedoChannels& albedo, int width, int height) {
  double largest = 1.0;
  for (const std::vector<double>& channel : albedo) {
    for (const double value : channel) {
      if (std::isfinite(value)) largest = std::max(largest, value);
    }
  }
  QImage image(width, height, QImage::Format_RGB32);
  const auto level = [largest](double value) {
    return std::isfinite(value)
               ? static_cast<int>(std::lround(std::clamp(value / largest, 0.0, 1.0) * 255))
               : 0;
  };
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < width; ++column) {
      const size_t cell = static_cast<size_t>(row) * static_cast<size_t>(width) + column;
      line[column] = qRgb(level(albedo[0][cell]), level(albedo[1][cell]), level(albedo[2][cell]));
    }
  }
  return image;
}

QColor ErrorColour(double share) {
  const double at = std::clamp(share, 0.0, 1.0) * (kErrorStops.size() - 1);
  const size_t below = std::min(static_cast<size_t>(at), kErrorStops.size() - 2);
  const double t = at - static_cast<double>(below);
  const QColor low(kErrorStops[below]);
  const QColor high(kErrorStops[below + 1]);
  const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return {mix(low.red(), high.red()), mix(low.green(), high.green()), mix(low.blue(), high.blue())};
}

double ErrorScaleTop(const std::vector<double>& degrees) {
  std::vector<double> finite;
  for (const double angle : degrees) {
    if (std::isfinite(angle)) finite.push_back(angle);
  }
  double wanted = 0.1;
  if (!finite.empty()) {
    const auto at = static_cast<size_t>(std::ceil(0.95 * static_cast<double>(finite.size() - 1)));
    std::nth_element(finite.begin(), finite.begin() + static_cast<ptrdiff_t>(at), finite.end());
    wanted = std::max(wanted, finite[at]);
  }
  const double decade = std::pow(10.0, std::floor(std::log10(wanted)));
  for (const double step : {1.0, 2.0, 5.0, 10.0}) {
    if (step * decade >= wanted * (1.0 - 1e-12)) return step * decade;
  }
  return 10.0 * decade;
}

QImage AngleErrorImage(const std::vector<double>& degrees, int width, int height, double top) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < width; ++column) {
      const double angle = degrees[static_cast<size_t>(row) * width + column];
      line[column] = (std::isfinite(angle) ? ErrorColour(angle / top) : kNoErrorColour).rgb();
    }
  }
  return image;
}

void DrawErrorScale(QPainter& painter, const QRect& area, double top, const QLocale& locale) {
  painter.save();
  const int barWidth = std::min(14, area.width() / 3);
  const QRect bar(area.left(), area.top(), barWidth, area.height());
  for (int y = 0; y < bar.height(); ++y) {
    const double share = 1.0 - static_cast<double>(y) / std::max(1, bar.height() - 1);
    painter.setPen(ErrorColour(share));
    painter.drawLine(bar.left(), bar.top() + y, bar.right(), bar.top() + y);
  }
  painter.setPen(Qt::black);
  painter.drawRect(bar.adjusted(0, 0, -1, -1));
  const QFontMetrics metrics = painter.fontMetrics();
  for (const double share : {0.0, 0.5, 1.0}) {
    const int y = bar.bottom() - static_cast<int>(std::lround(share * (bar.height() - 1)));
    const QString text = locale.toString(share * top, 'g', 3) + QStringLiteral("°");
    const int baseline =
        std::clamp(y + metrics.ascent() / 2, area.top() + metrics.ascent(), area.bottom());
    painter.drawLine(bar.right() + 1, y, bar.right() + 4, y);
    painter.drawText(bar.right() + 6, baseline, text);
  }
  painter.restore();
}

double ChosenErrorScaleTop(const std::optional<double>& fixed, const std::vector<double>& degrees) {
  return fixed ? *fixed : ErrorScaleTop(degrees);
}

QImage ErrorMapFigure(const std::vector<double>& degrees, int width, int height, double top,
                      const QLocale& locale) {
  constexpr int kBarStrip = 72;  // the bar, its ticks and numbers such as "100°"
  constexpr int kMargin = 6;
  constexpr int kMinHeight = 120;
  const int zoom = std::max(1, kErrorFigureSide / std::max({width, height, 1}));
  const QImage map = AngleErrorImage(degrees, width, height, top);
  QImage figure(width * zoom + kBarStrip, std::max(height * zoom, kMinHeight),
                QImage::Format_RGB32);
  figure.fill(Qt::white);
  QPainter painter(&figure);
  painter.drawImage(QRect(0, 0, width * zoom, height * zoom), map);
  QFont font;
  font.setPixelSize(12);
  painter.setFont(font);
  const QRect area(width * zoom + kMargin, kMargin, kBarStrip - kMargin,
                   figure.height() - 2 * kMargin);
  DrawErrorScale(painter, area, top, locale);
  return figure;
}

void DrawNeedles(QPainter& painter, const RecoveredNormals& normals, int zoom, int step) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double reach = step * zoom * 0.9;
  QPainterPath needles;
  QPainterPath feet;
  for (int row = step / 2; row < normals.height; row += step) {
    for (int column = step / 2; column < normals.width; column += step) {
      const size_t cell = static_cast<size_t>(row) * normals.width + column;
      if (!normals.Has(cell)) continue;
      const double p = normals.p[cell];
      const double q = normals.q[cell];
      const double length = std::sqrt(1.0 + p * p + q * q);
      const QPointF foot((column + 0.5) * zoom, (row + 0.5) * zoom);
      // The picture's y runs down, the grid's up: -q's tilt is drawn upwards as +q.
      needles.moveTo(foot);
      needles.lineTo(foot + QPointF(-p / length * reach, q / length * reach));
      feet.addEllipse(foot, 1.2, 1.2);
    }
  }
  painter.setPen(QPen(QColor(0, 0, 0, 160), 3.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(needles);
  painter.setPen(QPen(QColor(255, 210, 0), 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(needles);
  painter.fillPath(feet, QColor(255, 60, 0));
  painter.restore();
}
