#include <Eigen/Sparse>
#include <Eigen/SparseCholesky>
#include <vector>

#include "recovery/index_gradients.h"
#include "recovery/normal_integration.h"

namespace {

constexpr int kHeld = -1;  // a piece's held cell: height 0, no unknown

// The connected piece (4-neighbours among given cells) of every given cell, by a flood from each
// cell not yet reached; -1 for cells without a gradient. Returns the count of pieces.
int LabelPieces(const RecoveredNormals& normals, std::vector<int>& piece) {
  const int width = normals.width;
  const size_t cells = normals.Cells();
  piece.assign(cells, -1);
  std::vector<size_t> stack;
  int pieces = 0;
  for (size_t seed = 0; seed < cells; ++seed) {
    if (!normals.Has(seed) || piece[seed] >= 0) continue;
    piece[seed] = pieces;
    stack.push_back(seed);
    while (!stack.empty()) {
      const size_t cell = stack.back();
      stack.pop_back();
      const int column = static_cast<int>(cell % static_cast<size_t>(width));
      const auto reach = [&](size_t next) {
        if (normals.Has(next) && piece[next] < 0) {
          piece[next] = pieces;
          stack.push_back(next);
        }
      };
      if (column > 0) reach(cell - 1);
      if (column + 1 < width) reach(cell + 1);
      if (cell >= static_cast<size_t>(width)) reach(cell - width);
      if (cell + width < cells) reach(cell + width);
    }
    ++pieces;
  }
  return pieces;
}

}  // namespace

HeightField IntegrateOnMask(const RecoveredNormals& normals) {
  const size_t cells = normals.Cells();
  const size_t width = static_cast<size_t>(normals.width);
  std::vector<int> piece;
  const int pieces = LabelPieces(normals, piece);
  // The first cell of each piece (in row order) is held; the others are the unknowns.
  std::vector<int> unknown(cells, kHeld);
  std::vector<char> pieceHeld(static_cast<size_t>(pieces), 0);
  int unknowns = 0;
  for (size_t cell = 0; cell < cells; ++cell) {
    if (piece[cell] < 0) continue;
    if (pieceHeld[static_cast<size_t>(piece[cell])] == 0) {
      pieceHeld[static_cast<size_t>(piece[cell])] = 1;
      continue;
    }
    unknown[cell] = unknowns++;
  }
  std::vector<double> divergence(cells);
  WriteEdgeDivergence(normals, true, divergence.data());
  std::vector<Eigen::Triplet<double>> entries;
  entries.reserve(static_cast<size_t>(unknowns) * 5);
  Eigen::VectorXd right(unknowns);
  for (size_t cell = 0; cell < cells; ++cell) {
    if (unknown[cell] != kHeld) right(unknown[cell]) = divergence[cell];
  }
  // Each edge between given cells adds [1 -1; -1 1]; a held end drops its row and column.
  const auto edge = [&](size_t a, size_t b) {
    if (piece[a] < 0 || piece[b] < 0) return;
    const int ia = unknown[a];
    const int ib = unknown[b];
    if (ia != kHeld) entries.emplace_back(ia, ia, 1.0);
    if (ib != kHeld) entries.emplace_back(ib, ib, 1.0);
    if (ia != kHeld && ib != kHeld) {
      entries.emplace_back(ia, ib, -1.0);
      entries.emplace_back(ib, ia, -1.0);
    }
  };
  for (size_t cell = 0; cell < cells; ++cell) {
    if (cell % width + 1 < width) edge(cell, cell + 1);
    if (cell + width < cells) edge(cell, cell + width);
  }
  Eigen::SparseMatrix<double> laplacian(unknowns, unknowns);
  laplacian.setFromTriplets(entries.begin(), entries.end());
  std::vector<double> z(cells, 0.0);
  if (unknowns > 0) {
    const Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(laplacian);
    const Eigen::VectorXd solution = solver.solve(right);
    for (size_t cell = 0; cell < cells; ++cell) {
      if (unknown[cell] != kHeld) z[cell] = solution(unknown[cell]);
    }
  }
  // Each piece's mean to 0.
  std::vector<double> sum(static_cast<size_t>(pieces), 0.0);
  std::vector<double> count(static_cast<size_t>(pieces), 0.0);
  for (size_t cell = 0; cell < cells; ++cell) {
    if (piece[cell] < 0) continue;
    sum[static_cast<size_t>(piece[cell])] += z[cell];
    count[static_cast<size_t>(piece[cell])] += 1.0;
  }
  for (size_t cell = 0; cell < cells; ++cell) {
    if (piece[cell] >= 0)
      z[cell] -= sum[static_cast<size_t>(piece[cell])] / count[static_cast<size_t>(piece[cell])];
  }
  return PlacedHeights(normals, z.data());
}
