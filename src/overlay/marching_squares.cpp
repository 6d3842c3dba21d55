#include "overlay/marching_squares.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace {

// A side of a square, named by the two samples it joins: the horizontal side from (x, y) to
// (x + 1, y), or the vertical one from (x, y) to (x, y + 1). Two squares sharing a side name it
// alike, so that their segments meet there.
int64_t SideKey(int x, int y, bool vertical, int width) {
  return (static_cast<int64_t>(y) * (width + 1) + x) * 2 + (vertical ? 1 : 0);
}

struct Side {
  int64_t key;
  PixelPoint at;
};

// Where the level lies between samples a (at `from`) and b (at `to`), which it separates.
PixelPoint Between(PixelPoint from, PixelPoint to, double a, double b, double level) {
  const double t = (level - a) / (b - a);
  return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

struct Segment {
  Side first;
  Side second;
};

// The segments of the square whose top-left sample is (x, y).
void SquareSegments(const SampleGrid& grid, int x, int y, double level, std::vector<Segment>& out) {
  // Corners clockwise from the top left; side k joins corner k and corner k + 1.
  const std::array<PixelPoint, 4> corner{{{double(x), double(y)},
                                          {double(x + 1), double(y)},
                                          {double(x + 1), double(y + 1)},
                                          {double(x), double(y + 1)}}};
  const std::array<double, 4> value{grid.At(x, y), grid.At(x + 1, y), grid.At(x + 1, y + 1),
                                    grid.At(x, y + 1)};
  int above = 0;
  for (int k = 0; k < 4; ++k) {
    if (!std::isfinite(value[k])) return;
    if (value[k] >= level) above |= 1 << k;
  }
  if (above == 0 || above == 0xF) return;
  const std::array<int64_t, 4> key{
      SideKey(x, y, false, grid.width), SideKey(x + 1, y, true, grid.width),
      SideKey(x, y + 1, false, grid.width), SideKey(x, y, true, grid.width)};
  // Each side is interpolated from its top or left sample, as the square beside it does, so
  // that both find the same point and the lines close exactly.
  const auto side = [&](int k) {
    int from = k;
    int to = (k + 1) % 4;
    if (k >= 2) std::swap(from, to);
    return Side{key[k], Between(corner[from], corner[to], value[from], value[to], level)};
  };
  // The sides the level crosses: where a corner and the next one lie on different sides of it.
  std::array<int, 4> crossed{};
  int count = 0;
  for (int k = 0; k < 4; ++k) {
    if (((above >> k) & 1) != ((above >> ((k + 1) % 4)) & 1)) crossed[count++] = k;
  }
  if (count == 2) {
    out.push_back({side(crossed[0]), side(crossed[1])});
    return;
  }
  // A saddle: corners 0 and 2 on one side of the level, 1 and 3 on the other. When the centre
  // lies with corners 0 and 2, those corners are joined through it and the segments cut off
  // corners 1 and 3; otherwise they cut off corners 0 and 2.
  const double centre = (value[0] + value[1] + value[2] + value[3]) / 4.0;
  const bool centreWithCorner0 = (centre >= level) == ((above & 1) != 0);
  if (centreWithCorner0) {
    out.push_back({side(0), side(1)});  // around corner 1
    out.push_back({side(2), side(3)});  // around corner 3
  } else {
    out.push_back({side(3), side(0)});  // around corner 0
    out.push_back({side(1), side(2)});  // around corner 2
  }
}

// Joins segments into polylines: from each unused segment, walks forward and then backward
// through the segments sharing its ends.
std::vector<ContourLine> JoinSegments(const std::vector<Segment>& segments) {
  // Each side is the end of at most two segments: the two squares that share it.
  std::unordered_map<int64_t, std::array<int, 2>> atSide;
  atSide.reserve(segments.size() * 2);
  for (int s = 0; s < static_cast<int>(segments.size()); ++s) {
    for (const int64_t key : {segments[s].first.key, segments[s].second.key}) {
      auto [it, added] = atSide.try_emplace(key, std::array<int, 2>{-1, -1});
      it->second[it->second[0] < 0 ? 0 : 1] = s;
    }
  }
  std::vector<bool> used(segments.size(), false);
  // The segment other than `from` that ends at side `key`, or -1.
  const auto nextAt = [&](int64_t key, int from) {
    const std::array<int, 2>& pair = atSide.at(key);
    const int other = pair[0] == from ? pair[1] : pair[0];
    return other >= 0 && !used[static_cast<size_t>(other)] ? other : -1;
  };
  // Extends `line` from side `end` of segment `from` for as long as segments continue it.
  const auto extend = [&](ContourLine& line, int from, Side end) {
    for (int next = nextAt(end.key, from); next >= 0; next = nextAt(end.key, from)) {
      used[static_cast<size_t>(next)] = true;
      const Segment& segment = segments[static_cast<size_t>(next)];
      end = segment.first.key == end.key ? segment.second : segment.first;
      line.push_back(end.at);
      from = next;
    }
  };
  std::vector<ContourLine> lines;
  for (int s = 0; s < static_cast<int>(segments.size()); ++s) {
    if (used[static_cast<size_t>(s)]) continue;
    used[static_cast<size_t>(s)] = true;
    const Segment& segment = segments[static_cast<size_t>(s)];
    ContourLine forward{segment.first.at, segment.second.at};
    extend(forward, s, segment.second);
    ContourLine backward;
    extend(backward, s, segment.first);
    ContourLine line(backward.rbegin(), backward.rend());
    line.insert(line.end(), forward.begin(), forward.end());
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

std::vector<ContourLine> TraceContours(const SampleGrid& grid, double level) {
  std::vector<Segment> segments;
  if (!std::isfinite(level)) return {};
  for (int y = 0; y + 1 < grid.height; ++y) {
    for (int x = 0; x + 1 < grid.width; ++x) SquareSegments(grid, x, y, level, segments);
  }
  return JoinSegments(segments);
}
