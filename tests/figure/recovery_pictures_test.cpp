// The recovery's pictures: the error scale's top is a round number over the bulk of the errors,
// not over an outlier nor below the largest common one (a decade off, a max taken for the
// percentile, a NaN that poisons it); the normal map's colours follow N = (-p, -q, 1) (a sign
// lost), and a cell with nothing recovered is told apart.

#include "figure/recovery_pictures.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "qt_test_registry.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class RecoveryPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void theScaleTopIsRoundAndOverTheBulk() {
    std::vector<double> outlier(99, 1.0);
    outlier.push_back(90.0);
    const struct {
      std::vector<double> degrees;
      double top;
    } rows[] = {
        {{}, 0.1},     {{0.03}, 0.1},      {{0.3}, 0.5},   {{1.0}, 1.0},
        {{7.0}, 10.0}, {{kNaN, 2.0}, 2.0}, {outlier, 1.0}, {{0.0, 0.0, 12.0}, 20.0},
    };
    for (const auto& row : rows) QCOMPARE(ErrorScaleTop(row.degrees), row.top);
  }

  void theNormalMapFollowsTheNormal() {
    // Cells: p = 1 (the normal leans to -x), q = 1 (to -y), flat, none.
    const RecoveredNormals normals{
        4, 1, 1.0, 1.0, {1.0, 0.0, 0.0, kNaN}, {0.0, 1.0, 0.0, kNaN}, {1.0, 1.0, 1.0, kNaN}};
    const QImage image = NormalMapImage(normals);
    const int lean = static_cast<int>(std::lround((1.0 - std::sqrt(0.5)) * 127.5));
    QCOMPARE(image.pixel(0, 0), qRgb(lean, 128, 218));
    QCOMPARE(image.pixel(1, 0), qRgb(128, lean, 218));
    QCOMPARE(image.pixel(2, 0), qRgb(128, 128, 255));
    QCOMPARE(image.pixel(3, 0), qRgb(0, 0, 0));
    const QImage errors = AngleErrorImage({0.0, 5.0, 99.0, kNaN}, 4, 1, 5.0);
    QCOMPARE(QColor(errors.pixel(1, 0)), ErrorColour(1.0));
    QCOMPARE(QColor(errors.pixel(2, 0)), ErrorColour(1.0));
    QCOMPARE(QColor(errors.pixel(3, 0)), kNoErrorColour);
    QVERIFY(ErrorColour(0.0) != ErrorColour(1.0));
  }

  // Two runs whose largest errors differ: a fixed top paints an error alike in both, figure and
  // bar, where the automatic tops (20 and 100 degrees) would not.
  void aFixedTopPaintsAnErrorAlikeInTwoRuns() {
    const std::vector<double> small{0.0, 10.0, 15.0, 18.0};
    const std::vector<double> large{0.0, 10.0, 60.0, 95.0};
    QVERIFY(ChosenErrorScaleTop(std::nullopt, small) != ChosenErrorScaleTop(std::nullopt, large));
    const auto figure = [](const std::vector<double>& degrees) {
      return ErrorMapFigure(degrees, 4, 1, ChosenErrorScaleTop(30.0, degrees), QLocale::c());
    };
    const QImage first = figure(small);
    const QImage second = figure(large);
    const int cell = kErrorFigureSide / 4;  // the map's cells are this many pixels wide
    QCOMPARE(first.size(), second.size());
    QCOMPARE(first.pixel(cell + cell / 2, cell / 2), second.pixel(cell + cell / 2, cell / 2));
    QCOMPARE(QColor(first.pixel(cell + cell / 2, cell / 2)), ErrorColour(10.0 / 30.0));
    // The bar beside the map, with its numbers, is the same picture.
    const QRect bar(4 * cell, 0, first.width() - 4 * cell, first.height());
    QCOMPARE(first.copy(bar), second.copy(bar));
  }
};

}  // namespace

GAUSS_QTEST_MAIN(RecoveryPicturesTest)
#include "recovery_pictures_test.moc"
