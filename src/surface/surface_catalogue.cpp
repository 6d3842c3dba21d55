#include "surface/surface_catalogue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "surface/fractal_terrain.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// A field of pixel spacing whose height at each cell is height(x, y), x and y in pixels from the
// grid's centre, y upwards.
template <typename Height>
HeightField PixelField(int width, int height, const Height& heightAt) {
  HeightField field{width, height, 1.0, 1.0, {}};
  field.z.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  const double cx = (width - 1) / 2.0;
  const double cy = (height - 1) / 2.0;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      field.At(column, row) = heightAt(column - cx, cy - row);
    }
  }
  return field;
}

double HalfSide(int width, int height) { return std::min(width, height) / 2.0; }

HeightField Hemisphere(int width, int height, const std::vector<double>& v) {
  const double radius = v[0] * HalfSide(width, height);
  return PixelField(width, height, [radius](double x, double y) {
    const double inside = radius * radius - x * x - y * y;
    return inside > 0.0 ? std::sqrt(inside) : 0.0;
  });
}

// x in [-0.5, 0.5] across the columns, y in [0, 1] up the rows.
HeightField Vase(int width, int height, const std::vector<double>& /*values*/) {
  HeightField field{width, height, 1.0 / std::max(1, width - 1), 1.0 / std::max(1, height - 1), {}};
  field.z.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int row = 0; row < height; ++row) {
    const double y = 1.0 - row * field.spacingY;
    const double f =
        0.15 - 0.1 * y * std::pow(6.0 * y + 1.0, 2) * std::pow(y - 1.0, 2) * (3.0 * y - 2.0);
    for (int column = 0; column < width; ++column) {
      const double x = -0.5 + column * field.spacingX;
      const double inside = f * f - x * x;
      field.At(column, row) = inside > 0.0 ? std::sqrt(inside) : 0.0;
    }
  }
  return field;
}

// Hills of height v[1] and width v[2] (a fraction of the half side) at places chosen by the seed.
HeightField Hills(int width, int height, const std::vector<double>& v) {
  const int count = static_cast<int>(v[0]);
  const double sigma = v[2] * HalfSide(width, height);
  struct Hill {
    double x, y;
  };
  std::vector<Hill> hills;
  uint32_t state = static_cast<uint32_t>(v[3]) * 2654435761U + 12345U;
  const auto next = [&state] {
    state = state * 1664525U + 1013904223U;
    return static_cast<double>(state >> 8) / 16777216.0 - 0.5;  // in [-0.5, 0.5)
  };
  for (int k = 0; k < count; ++k) {
    hills.push_back(count == 1 ? Hill{0.0, 0.0}
                               : Hill{next() * 1.2 * width / 2, next() * 1.2 * height / 2});
  }
  return PixelField(width, height, [&](double x, double y) {
    double z = 0.0;
    for (const Hill& hill : hills) {
      const double r2 = (x - hill.x) * (x - hill.x) + (y - hill.y) * (y - hill.y);
      z += v[1] * std::exp(-r2 / (2.0 * sigma * sigma));
    }
    return z;
  });
}

// A bowl of depth v[1] R inside radius R = v[0] half sides, a rim of height v[2] R and width
// v[3] R about it, flat far away.
HeightField Crater(int width, int height, const std::vector<double>& v) {
  const double radius = v[0] * HalfSide(width, height);
  const double depth = v[1] * radius;
  const double rim = v[2] * radius;
  const double rimWidth = v[3] * radius;
  return PixelField(width, height, [=](double x, double y) {
    const double r = std::hypot(x, y);
    const double bowl = r < radius ? depth * ((r / radius) * (r / radius) - 1.0) : 0.0;
    const double out = (r - radius) / rimWidth;
    return bowl + rim * std::exp(-out * out);
  });
}

HeightField Cone(int width, int height, const std::vector<double>& v) {
  const double radius = v[0] * HalfSide(width, height);
  const double top = v[1] * radius;
  return PixelField(width, height, [=](double x, double y) {
    return top * std::max(0.0, 1.0 - std::hypot(x, y) / radius);
  });
}

// A ridge of height v[0] and width v[1] pixels along the direction v[2] degrees from x.
HeightField Ridge(int width, int height, const std::vector<double>& v) {
  const double c = std::cos(v[2] * kDegree);
  const double s = std::sin(v[2] * kDegree);
  return PixelField(width, height, [=](double x, double y) {
    const double across = (-x * s + y * c) / v[1];
    return v[0] * std::exp(-across * across);
  });
}

// Ripples of amplitude v[0] and wavelength v[1] pixels running along v[2] degrees from x.
HeightField Ripples(int width, int height, const std::vector<double>& v) {
  const double c = std::cos(v[2] * kDegree);
  const double s = std::sin(v[2] * kDegree);
  return PixelField(width, height, [=](double x, double y) {
    return v[0] * std::sin(2.0 * std::numbers::pi * (x * c + y * s) / v[1]);
  });
}

HeightField Fractal(int width, int height, const std::vector<double>& v) {
  return FractalTerrain(width, height, v[0], v[1], static_cast<uint32_t>(v[2]));
}

}  // namespace

const std::vector<SurfaceKind>& SurfaceCatalogue() {
  static const std::vector<SurfaceKind> kCatalogue = {
      {"hemisphere",
       "Полусфера",
       "полусфера радиуса R на плоскости: на ней p и q — наклоны сферы",
       {{"radius", "Радиус, доля половины стороны", 0.8, 0.05, 1.0}},
       Hemisphere},
      {"vase",
       "Ваза",
       "ваза из обзора методов восстановления формы по тени 1999 года: "
       "z = √(f(y)² − x²), f(y) = 0,15 − 0,1·y·(6y+1)²·(y−1)²·(3y−2)",
       {},
       Vase},
      {"hills",
       "Холмы",
       "гауссовы холмы exp(−r²/2σ²), места выбирает затравка",
       {{"count", "Число холмов", 1, 1, 9},
        {"height", "Высота, пикселей", 40, 1, 1000},
        {"width", "Ширина σ, доля половины стороны", 0.3, 0.02, 1.0},
        {"seed", "Затравка", 1, 0, 1e9}},
       Hills},
      {"crater",
       "Кратер",
       "чаша с валом вокруг и ровная местность дальше",
       {{"radius", "Радиус чаши, доля половины стороны", 0.5, 0.05, 1.0},
        {"depth", "Глубина, доля радиуса", 0.3, 0.0, 2.0},
        {"rim", "Высота вала, доля радиуса", 0.1, 0.0, 2.0},
        {"rim-width", "Ширина вала, доля радиуса", 0.2, 0.01, 2.0}},
       Crater},
      {"cone",
       "Конус",
       "прямой круговой конус",
       {{"radius", "Радиус основания, доля половины стороны", 0.7, 0.05, 1.0},
        {"height", "Высота, доля радиуса", 0.7, 0.0, 10.0}},
       Cone},
      {"ridge",
       "Хребет",
       "гауссов хребет вдоль прямой через центр",
       {{"height", "Высота, пикселей", 40, 0, 1000},
        {"width", "Ширина, пикселей", 30, 1, 1000},
        {"angle", "Направление, градусов от оси x", 90, -360, 360}},
       Ridge},
      {"ripples",
       "Рябь",
       "синусоидальная рябь a·sin(2π·s/λ)",
       {{"amplitude", "Амплитуда, пикселей", 5, 0, 1000},
        {"wavelength", "Длина волны, пикселей", 40, 2, 10000},
        {"angle", "Направление, градусов от оси x", 0, -360, 360}},
       Ripples},
      {"fractal",
       "Фрактальный рельеф",
       "спектральный синтез: случайные фазы, амплитуда убывает как |k|^−(H+1)",
       {{"roughness", "Показатель шероховатости H", 0.7, 0.0, 1.0},
        {"relief", "Перепад высот, пикселей", 60, 0, 10000},
        {"seed", "Затравка", 1, 0, 1e9}},
       Fractal},
  };
  return kCatalogue;
}

const SurfaceKind* FindSurfaceKind(std::string_view name) {
  for (const SurfaceKind& kind : SurfaceCatalogue()) {
    if (name == kind.name) return &kind;
  }
  return nullptr;
}

std::vector<double> StartValues(const SurfaceKind& kind) {
  std::vector<double> values;
  for (const SurfaceParameter& parameter : kind.parameters) values.push_back(parameter.start);
  return values;
}

HeightField MakeSurface(const SurfaceKind& kind, int width, int height,
                        const std::vector<double>& values) {
  return kind.make(width, height, values);
}
