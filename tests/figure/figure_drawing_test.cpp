// What the figure draws where the core says: a source's ring centred on its point at any pixel
// ratio, a shadow line with gaps, crossing rings white within black, the isophotes on their own
// pixels, the hatch only where every source lights, and a label above its ring.

#include <QPainter>
#include <QPolygonF>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <utility>

#include "figure/figure_labels.h"
#include "figure/figure_style.h"
#include "figure/isophote_marks.h"
#include "figure/lit_hatch.h"
#include "figure/source_marks.h"
#include "gradient/figure_marks.h"
#include "gradient/lit_by_all.h"
#include "qt_test_registry.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

FigureFrame FrameAt(int ratio) {
  return {QSize(kWidth, kHeight) * ratio, ratio, ScaledGradientView(ratio), StandaloneFigureFont(),
          QLocale::c()};
}

// A picture of the frame's device size and pixel ratio, filled with `fill`.
QImage FilledImage(const FigureFrame& frame, const QColor& fill) {
  QImage image(frame.deviceSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  image.setDevicePixelRatio(frame.ratio);
  return image;
}

double Distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

}  // namespace

class FigureDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  // The ring and its dot are centred on the source's point to a tenth of a device pixel (the
  // centroid of what is drawn near it), 5 logical pixels out.
  void aRingIsCentredOnItsSource_data() {
    QTest::addColumn<int>("ratio");
    QTest::newRow("scale 1") << 1;
    QTest::newRow("scale 2") << 2;
    QTest::newRow("scale 3") << 3;
  }
  void aRingIsCentredOnItsSource() {
    QFETCH(int, ratio);
    const FigureFrame frame = FrameAt(ratio);
    const UsedSource source{2, {40.0, 60.0}};
    QImage image = FilledImage(frame, Qt::transparent);
    {
      QPainter painter(&image);
      DrawSourceMarks(painter, frame, {source});
    }
    const PixelPoint centre =
        *SourcePixel(frame.view, frame.deviceSize.width(), frame.deviceSize.height(), source.aim);
    const double reach = (kSourceMarkRadius + kRingPen) * ratio;
    double weight = 0.0, x = 0.0, y = 0.0;
    for (int py = 0; py < image.height(); ++py) {
      for (int px = 0; px < image.width(); ++px) {
        if (std::hypot(px - centre.x, py - centre.y) > reach) continue;
        const double alpha = qAlpha(image.pixel(px, py));
        weight += alpha;
        x += alpha * px;
        y += alpha * py;
      }
    }
    QVERIFY(std::abs(x / weight - centre.x) < 0.1 && std::abs(y / weight - centre.y) < 0.1);
    const QRgb onRing = image.pixel(qRound(centre.x + kSourceMarkRadius * ratio), qRound(centre.y));
    QVERIFY(qAlpha(onRing) > 128);
    QVERIFY(qAlpha(image.pixel(qRound(centre.x + 3 * ratio), qRound(centre.y))) == 0);
  }

  // Along the shadow line some 60 % is drawn, in dashes with gaps of several pixels.
  void aShadowLineHasGaps() {
    const FigureFrame frame = FrameAt(1);
    const UsedSource source{1, {60.0, 20.0}};
    QImage image = FilledImage(frame, Qt::transparent);
    {
      QPainter painter(&image);
      DrawSourceMarks(painter, frame, {source});
    }
    const PixelSegment segment = *ShadowSegment(frame.view, kWidth, kHeight, source.aim);
    const double length = Distance({segment.from.x, segment.from.y}, {segment.to.x, segment.to.y});
    QVERIFY(length > 100.0);
    int on = 0, samples = 0, gap = 0, longestGap = 0;
    for (double t = 0.0; t <= length; t += 1.0, ++samples) {
      const double f = t / length;
      const int x = qRound(segment.from.x + f * (segment.to.x - segment.from.x));
      const int y = qRound(segment.from.y + f * (segment.to.y - segment.from.y));
      const bool drawn =
          x >= 0 && y >= 0 && x < kWidth && y < kHeight && qAlpha(image.pixel(x, y)) > 100;
      on += drawn ? 1 : 0;
      gap = drawn ? 0 : gap + 1;
      longestGap = std::max(longestGap, gap);
    }
    QVERIFY2(std::abs(static_cast<double>(on) / samples - 0.6) < 0.1,
             qPrintable(QString::number(on)));
    QVERIFY(longestGap >= 3);
  }

  // Over a mid grey: a crossing's ring is white with black either side, a shared one red; an
  // isophote's pixels are its own, in its source's colour.
  void crossingsAreOutlinedAndIsophotesLieOnTheirPixels() {
    const FigureFrame frame = FrameAt(1);
    const Gradient crossing{-1.0, 1.0};
    const Gradient shared{1.0, -1.0};
    IsophotesThrough marks;
    marks.isophotes = {{}, {{10.0, 20.0}, {11.0, 20.0}}};
    marks.crossings = {crossing};
    marks.shared = {shared};
    QImage image = FilledImage(frame, QColor(128, 128, 128));
    {
      QPainter painter(&image);
      DrawIsophoteMarks(painter, frame, {{1, {}}, {3, {}}}, marks);
    }
    QCOMPARE(image.pixel(10, 20), kSourceColours[2].rgb());
    QCOMPARE(image.pixel(11, 20), kSourceColours[2].rgb());
    QCOMPARE(image.pixel(10, 21), QColor(128, 128, 128).rgb());
    // The greys along a ray from the crossing, `from` to `to` pixels out: the darkest, the
    // brightest.
    const PixelPoint at = PixelOfGradient(frame.view, kWidth, kHeight, crossing);
    const auto greys = [&](double from, double to) {
      int darkest = 255, brightest = 0;
      for (double d = from; d <= to; d += 0.25) {
        const int grey = qGray(image.pixel(qRound(at.x + d), qRound(at.y)));
        darkest = std::min(darkest, grey);
        brightest = std::max(brightest, grey);
      }
      return std::pair{darkest, brightest};
    };
    const double r = kCrossingMarkRadius;
    QVERIFY(greys(r - 0.5, r + 0.5).second > 200 && greys(-r - 0.5, -r + 0.5).second > 200);
    QVERIFY(greys(r - 2.5, r - 1.0).first < 60 && greys(r + 1.0, r + 2.5).first < 60);
    const PixelPoint red = PixelOfGradient(frame.view, kWidth, kHeight, shared);
    const QColor onRed = image.pixelColor(qRound(red.x), qRound(red.y - kSharedCrossingMarkRadius));
    QVERIFY(onRed.red() > 200 && onRed.green() < 80);
  }

  // The hatch lies wholly within the part every source lights (to a pixel), and covers some of it.
  void theHatchStaysWhereEverySourceLights() {
    const FigureFrame frame = FrameAt(1);
    const std::vector<UsedSource> sources{{1, {30.0, 0.0}}, {2, {50.0, 120.0}}};
    QImage image = FilledImage(frame, Qt::transparent);
    {
      QPainter painter(&image);
      DrawLitByAllHatch(painter, frame, sources);
    }
    QPolygonF region;
    for (const PixelPoint& corner : LitByAllRegion(frame.view, kWidth, kHeight, AimsOf(sources))) {
      region.append(QPointF(corner.x, corner.y));
    }
    QVERIFY(region.size() >= 3);
    int inside = 0, outside = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (qAlpha(image.pixel(x, y)) == 0) continue;
        bool near = false;
        for (int k = 0; k < 9; ++k) {
          near |= region.containsPoint(QPointF(x + k % 3 - 1, y + k / 3 - 1), Qt::OddEvenFill);
        }
        (near ? inside : outside) += 1;
      }
    }
    QCOMPARE(outside, 0);
    QVERIFY(inside > 1000);
  }

  // A source's label sits above and right of its ring, clear of it.
  void aSourceLabelSitsAboveItsRing() {
    const FigureFrame frame = FrameAt(1);
    QImage image = FilledImage(frame, Qt::white);
    QPainter painter(&image);
    const QPointF at(260.0, 60.0);  // away from the axes and their numbers
    const std::vector<QRectF> boxes =
        PaintFigureLabels(painter, frame, {{at, QStringLiteral("S₂")}});
    const auto label = std::find_if(boxes.begin(), boxes.end(), [&](const QRectF& box) {
      return box.left() > at.x() + kSourceMarkRadius && box.left() < at.x() + 20.0 &&
             std::abs(box.center().y() - at.y()) < 40.0;
    });
    QVERIFY(label != boxes.end());
    QVERIFY(label->bottom() <= at.y() - kSourceMarkRadius);
  }
};

GAUSS_QTEST_MAIN(FigureDrawingTest)
#include "figure_drawing_test.moc"
