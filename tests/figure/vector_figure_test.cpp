// The SVG and PDF figures: a page of the raster's logical size, rounded up to whole pixels;
// text given in points as large as on the raster, whatever the file's unit; nothing for an empty
// raster.

#include "figure/vector_figure.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "vector_files.h"

namespace {

// The left and right columns of the dark pixels.
std::pair<int, int> InkColumns(const QImage& image) {
  int left = image.width();
  int right = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  return {left, right};
}

// "W H" of an SVG's <svg> size or a PDF's media box.
QString PageSize(const QByteArray& bytes, bool pdf) {
  if (!pdf) {
    const SvgContents svg = ReadSvg(bytes);
    return svg.width + u' ' + svg.height;
  }
  static const QRegularExpression kBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
  const QRegularExpressionMatch match = kBox.match(QString::fromLatin1(bytes));
  return match.hasMatch() ? QStringLiteral("%1 %2")
                                .arg(match.captured(1).toDouble())
                                .arg(match.captured(2).toDouble())
                          : QString();
}

}  // namespace

class VectorFigureTest : public QObject {
  Q_OBJECT

 private slots:
  void pageIsTheLogicalSize_data() {
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<QSize>("device");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<QString>("page");
    QTest::newRow("SVG, ratio 1") << false << QSize(393, 337) << 1 << "393 337";
    QTest::newRow("SVG, ratio 2") << false << QSize(786, 674) << 2 << "393 337";
    QTest::newRow("PDF, ratio 3") << true << QSize(300, 120) << 3 << "100 40";
    QTest::newRow("PDF, half pixels rounded up") << true << QSize(301, 241) << 2 << "151 121";
  }

  void pageIsTheLogicalSize() {
    QFETCH(bool, pdf);
    QFETCH(QSize, device);
    QFETCH(int, ratio);
    QFETCH(QString, page);
    QImage raster(device, QImage::Format_RGB32);
    raster.fill(Qt::gray);
    raster.setDevicePixelRatio(ratio);
    const auto bytes =
        EncodeVectorFigure(raster, {}, pdf ? VectorFormat::kPdf : VectorFormat::kSvg);
    QVERIFY(bytes.has_value());
    QCOMPARE(PageSize(*bytes, pdf), page);
  }

  // The window's figures size their text in points: painted back, a line of text in the file is
  // as wide as on the raster (not the three quarters a point of a PDF's 72 dots per inch gives).
  void textInPointsKeepsItsSize_data() {
    QTest::addColumn<bool>("pdf");
    QTest::newRow("SVG") << false;
    QTest::newRow("PDF") << true;
  }

  void textInPointsKeepsItsSize() {
    QFETCH(bool, pdf);
    const OverlayPainter text = [](QPainter& painter) {
      QFont font;
      font.setPointSizeF(9);
      painter.setFont(font);
      painter.setPen(Qt::black);
      painter.drawText(QPointF(10, 30), QStringLiteral("MMMMMMMMMM"));
    };
    QImage raster(300, 60, QImage::Format_RGB32);
    raster.fill(Qt::white);
    QImage drawn = raster.copy();
    {
      QPainter painter(&drawn);
      text(painter);
    }
    const auto bytes =
        EncodeVectorFigure(raster, text, pdf ? VectorFormat::kPdf : VectorFormat::kSvg);
    QVERIFY(bytes.has_value());
    QTemporaryDir folder;
    const QImage painted = PaintedFigure(*bytes, pdf, pdf ? 72 : 96, folder.path());
    QCOMPARE(painted.size(), raster.size());
    const auto [left, right] = InkColumns(painted);
    const auto [drawnLeft, drawnRight] = InkColumns(drawn);
    QVERIFY(drawnRight > drawnLeft + 50);
    QVERIFY2(std::abs((right - left) - (drawnRight - drawnLeft)) <= 4,
             qPrintable(QStringLiteral("%1 wide, %2 on the raster")
                            .arg(right - left)
                            .arg(drawnRight - drawnLeft)));
  }

  void emptyRasterIsNotEncoded() {
    for (const VectorFormat format : {VectorFormat::kSvg, VectorFormat::kPdf}) {
      QVERIFY(!EncodeVectorFigure(QImage(), {}, format).has_value());
    }
  }
};

QTEST_MAIN(VectorFigureTest)
#include "vector_figure_test.moc"
