#include "app/common/window_arrangement.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "app/common/window_placement.h"

namespace {

QSize FrameSize(QSize client, const QMargins& frame) { return client.grownBy(frame); }

// Equal cells kBesideGap apart over `area`, `columns` to a row, for `count` windows.
struct Grid {
  QRect area;
  int columns = 1;
  QSize cell;

  QPoint Cell(int k) const {
    return area.topLeft() + QPoint((k % columns) * (cell.width() + kBesideGap),
                                   (k / columns) * (cell.height() + kBesideGap));
  }
};

std::optional<Grid> GridIn(const QRect& area, int count, int columns) {
  const int rows = (count + columns - 1) / columns;
  const int width = (area.width() - (columns - 1) * kBesideGap) / columns;
  const int height = (area.height() - (rows - 1) * kBesideGap) / rows;
  if (width <= 0 || height <= 0) return std::nullopt;
  return Grid{area, columns, QSize(width, height)};
}

bool Fits(const ArrangedWindow& window, QSize cell) {
  const QSize least = FrameSize(window.minimum, window.frame);
  return least.width() <= cell.width() && least.height() <= cell.height();
}

// The grid of `area` with the largest cells that each of `members` fits, or none.
std::optional<Grid> BestGrid(const std::vector<ArrangedWindow>& windows,
                             const std::vector<int>& members, const QRect& area) {
  std::optional<Grid> best;
  const int count = static_cast<int>(members.size());
  for (int columns = 1; columns <= count; ++columns) {
    const std::optional<Grid> grid = GridIn(area, count, columns);
    if (!grid) continue;
    const bool all = std::all_of(members.begin(), members.end(), [&](int k) {
      return Fits(windows[static_cast<size_t>(k)], grid->cell);
    });
    const auto cellArea = [](const Grid& g) {
      return static_cast<long long>(g.cell.width()) * g.cell.height();
    };
    if (all && (!best || cellArea(*grid) > cellArea(*best))) best = grid;
  }
  return best;
}

}  // namespace

QRect KeptPlaceOnScreens(const QRect& place, const std::vector<QRect>& screens,
                         const QRect& mainScreen) {
  for (const QRect& screen : screens) {
    const QRect seen = place.intersected(screen);
    if (seen.width() >= kGraspableSide && seen.height() >= kGraspableSide) return place;
  }
  const QRect fitted(place.topLeft(), place.size().boundedTo(mainScreen.size()));
  return QRect(FrameKeptWithin(fitted, mainScreen), fitted.size());
}

std::optional<std::vector<QRect>> ArrangeSideBySide(const std::vector<ArrangedWindow>& windows,
                                                    const QRect& available) {
  if (windows.empty()) return std::vector<QRect>();
  const ArrangedWindow& main = windows.front();
  const QSize mainFrame = FrameSize(main.minimum, main.frame);
  if (mainFrame.width() > available.width() || mainFrame.height() > available.height()) {
    return std::nullopt;
  }
  std::vector<QRect> placed{
      QRect(available.topLeft() + QPoint(main.frame.left(), main.frame.top()), main.minimum)};
  const int others = static_cast<int>(windows.size()) - 1;
  if (others == 0) return placed;
  // The others share two areas beside the main window: the one to its right and the one below
  // it, either of them as high or as wide as the available area. Every way of sharing them out
  // is tried, each area a grid of equal cells; the best gives its smallest cell the most room.
  const int rightX = available.left() + mainFrame.width() + kBesideGap;
  const int belowY = available.top() + mainFrame.height() + kBesideGap;
  const int rightEnd = available.right() + 1;
  const int bottom = available.bottom() + 1;
  const std::pair<QRect, QRect> partitions[] = {
      {QRect(rightX, available.top(), rightEnd - rightX, available.height()),
       QRect(available.left(), belowY, mainFrame.width(), bottom - belowY)},
      {QRect(rightX, available.top(), rightEnd - rightX, mainFrame.height()),
       QRect(available.left(), belowY, available.width(), bottom - belowY)}};
  std::optional<std::vector<std::pair<int, QRect>>> best;  // window, its cell
  long long bestSmallest = -1;
  for (const auto& [right, below] : partitions) {
    for (unsigned mask = 0; mask < (1u << others); ++mask) {
      std::vector<int> toRight;
      std::vector<int> toBelow;
      for (int k = 0; k < others; ++k) ((mask >> k) & 1u ? toBelow : toRight).push_back(k + 1);
      std::vector<std::pair<int, QRect>> cells;
      long long smallest = std::numeric_limits<long long>::max();
      bool fits = true;
      for (const auto& [members, area] : {std::pair(toRight, right), std::pair(toBelow, below)}) {
        if (members.empty()) continue;
        const std::optional<Grid> grid =
            area.width() > 0 && area.height() > 0 ? BestGrid(windows, members, area) : std::nullopt;
        if (!grid) {
          fits = false;
          break;
        }
        smallest =
            std::min(smallest, static_cast<long long>(grid->cell.width()) * grid->cell.height());
        for (size_t n = 0; n < members.size(); ++n) {
          cells.emplace_back(members[n], QRect(grid->Cell(static_cast<int>(n)), grid->cell));
        }
      }
      if (fits && smallest > bestSmallest) {
        bestSmallest = smallest;
        best = cells;
      }
    }
  }
  if (!best) return std::nullopt;
  placed.resize(windows.size());
  for (const auto& [k, cell] : *best) {
    const ArrangedWindow& window = windows[static_cast<size_t>(k)];
    const QSize room = cell.size().shrunkBy(window.frame);
    const QSize client = room.boundedTo(window.maximum).expandedTo(window.minimum);
    placed[static_cast<size_t>(k)] =
        QRect(cell.topLeft() + QPoint(window.frame.left(), window.frame.top()), client);
  }
  return placed;
}
