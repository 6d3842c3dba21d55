// The map as a figure: outside its marks the default map is the core's pixel for pixel; a zoom
// and Ctrl+0 come back to it bit for bit; the readout under the pointer reads the gradient of the
// pixel there in any view; each source used adds its isophote under the pointer, in its own
// colour, and its phi to the readout; a box that does not read is marked and keeps its angle.

#include "app/map/map_figure.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include "app/common/input_box_mark.h"
#include "app/map/gradient_map_window.h"
#include "app/map/sources_panel.h"
#include "app/picture/readout_overlay.h"
#include "figure/figure_style.h"
#include "form_probe.h"
#include "gradient/gradient_map.h"
#include "gradient/gradient_view.h"
#include "model/image_buffer.h"
#include "qt_test_registry.h"

namespace {

struct ShadedMap {
  std::unique_ptr<Form1> form;
  GradientMapWindow* map = nullptr;
};

ShadedMap OpenShadedMap(const QString& slant = QStringLiteral("0")) {
  ShadedMap shaded{OpenForm()};
  Activate(*shaded.form);
  Retype(*Find<QLineEdit>(*shaded.form, "Text4_0"), slant);
  Press(*shaded.form);
  WindowsOf(*shaded.form).OpenMapAction()->trigger();
  shaded.map = WindowsOf(*shaded.form).MapWindow();
  if (!QTest::qWaitForWindowExposed(shaded.map)) qFatal("the map is not shown");
  return shaded;
}

void CtrlWheel(QWidget& target, QPoint at, int notches) {
  QWheelEvent event(at, target.mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&target, &event);
}

// The pointer comes to rest at `at` on `target`. (QTest::mouseMove moves the cursor, and the
// windows that the offscreen platform stacks at one place may take the move instead.)
void PointAt(QWidget& target, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, target.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &move);
}

// The figure drawn alone, on a transparent picture of the map's size.
QImage FigureAlone(const GradientMapWindow& map) {
  QImage figure(map.Picture().Image().size(), QImage::Format_ARGB32_Premultiplied);
  figure.fill(Qt::transparent);
  QPainter painter(&figure);
  map.Figure().PaintOverlay(painter);
  return figure;
}

// Pixels of `figure` in each source's colour.
std::array<int, kMaxLightSources> SourceColourCounts(const QImage& figure) {
  std::array<int, kMaxLightSources> counts{};
  for (int y = 0; y < figure.height(); ++y) {
    for (int x = 0; x < figure.width(); ++x) {
      for (size_t k = 0; k < kSourceColours.size(); ++k) {
        counts.at(k) += figure.pixel(x, y) == kSourceColours.at(k).rgb() ? 1 : 0;
      }
    }
  }
  return counts;
}

}  // namespace

class MapFigureTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  // Where the figure draws nothing, the picture is the core's map of the default view, as the
  // map window showed it before it was a figure.
  void outsideTheMarksTheMapIsTheCores_data() {
    QTest::addColumn<QString>("slant");
    QTest::newRow("slant 0") << "0";
    QTest::newRow("slant 40") << "40";
  }
  void outsideTheMarksTheMapIsTheCores() {
    QFETCH(QString, slant);
    ShadedMap shaded = OpenShadedMap(slant);
    const PictureBox& picture = shaded.map->Picture();
    QCOMPARE(picture.Image().size(), QSize(393, 337));
    ImageBuffer core(393, 337);
    RunGradientMapPass(*shaded.map->MapState(), core, false);
    const QImage marks = FigureAlone(*shaded.map);
    const QImage shown = picture.ComposedImage();
    int covered = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        if (qAlpha(marks.pixel(x, y)) != 0) {
          ++covered;
          continue;
        }
        QCOMPARE(shown.pixel(x, y), PackedPixel(core.At(x, y)));
      }
    }
    QVERIFY(covered > 0 && covered < shown.width() * shown.height() / 8);
  }

  // Ctrl+wheel zooms about the pointer, keeping its gradient under it; Ctrl+0 returns to the
  // default picture bit for bit.
  void zoomComesBackBitForBit() {
    ShadedMap shaded = OpenShadedMap(QStringLiteral("25"));
    PictureBox& picture = shaded.map->Picture();
    const QImage colours = picture.Image();
    const QImage shown = picture.ComposedImage();
    const QPoint at(300, 90);
    const PixelPoint under = DevicePointOf(at, 1);
    const Gradient before =
        GradientAtPixel(shaded.map->Figure().View(), 393, 337, under.x, under.y);
    CtrlWheel(picture, at, 2);
    const Gradient after = GradientAtPixel(shaded.map->Figure().View(), 393, 337, under.x, under.y);
    QVERIFY(std::abs(after.p - before.p) < 1e-9 && std::abs(after.q - before.q) < 1e-9);
    QCOMPARE(shaded.map->Figure().Zoom().Zoom(), 1.5625);
    QVERIFY(picture.Image() != colours);
    QTest::keyClick(&picture, Qt::Key_0, Qt::ControlModifier);
    QVERIFY(shaded.map->Figure().Zoom().IsDefault());
    QCOMPARE(picture.Image(), colours);
    QCOMPARE(picture.ComposedImage(), shown);
  }

  // The pixel under the pointer reads the p, q it shows, zoomed and resized.
  void readoutFollowsTheView() {
    ShadedMap shaded = OpenShadedMap(QStringLiteral("20"));
    PictureBox& picture = shaded.map->Picture();
    shaded.map->resize(520, 400);
    QTRY_COMPARE(picture.Image().size(), QSize(520, 400));
    CtrlWheel(picture, QPoint(100, 300), 3);
    for (const QPoint& at : {QPoint(100, 300), QPoint(400, 50), QPoint(260, 200)}) {
      PointAt(picture, at);
      const Gradient g = GradientAtPixel(shaded.map->Figure().View(), 520, 400, at.x(), at.y());
      const QString expected =
          QStringLiteral("p = %1, q = %2").arg(g.p, 0, 'f', 3).arg(g.q, 0, 'f', 3);
      QTRY_VERIFY2(shaded.map->ReadoutBox().Lines().contains(expected),
                   qPrintable(shaded.map->ReadoutBox().Lines().join(" | ") + " / " + expected));
      // The isophotes are drawn through the same orientation.
      const std::optional<Gradient>& pointed = shaded.map->Figure().Pointed();
      QTRY_VERIFY(pointed && pointed->p == g.p && pointed->q == g.q);
    }
  }

  // Each source used draws its own isophote through the pointed orientation and adds its phi.
  // The eighth comes from «Добавить» six times, sources 4 to 7 unchecked again.
  void eachSourceAddsItsIsophote_data() {
    QTest::addColumn<bool>("second");
    QTest::addColumn<bool>("third");
    QTest::addColumn<bool>("eighth");
    QTest::newRow("described only") << false << false << false;
    QTest::newRow("two sources") << true << false << false;
    QTest::newRow("three sources") << true << true << false;
    QTest::newRow("the third alone") << false << true << false;
    QTest::newRow("the eighth alone") << false << false << true;
    QTest::newRow("second, third and eighth") << true << true << true;
  }
  void eachSourceAddsItsIsophote() {
    QFETCH(bool, second);
    QFETCH(bool, third);
    QFETCH(bool, eighth);
    ShadedMap shaded = OpenShadedMap(QStringLiteral("30"));
    shaded.map->SourcesAction()->trigger();
    QVERIFY(shaded.map->Sources().isVisible());
    QCOMPARE(shaded.map->Picture().width(), 393);  // the window grew by the panel
    Find<QCheckBox>(*shaded.map, "Source2")->setChecked(second);
    Find<QCheckBox>(*shaded.map, "Source3")->setChecked(third);
    if (eighth) {
      for (int k = 4; k <= kMaxLightSources; ++k) {
        Find<QPushButton>(*shaded.map, "SourcesAdd")->click();
      }
      QVERIFY(!Find<QPushButton>(*shaded.map, "SourcesAdd")->isEnabled());
      for (int k = 4; k < kMaxLightSources; ++k) {
        Find<QCheckBox>(*shaded.map, qPrintable(QStringLiteral("Source%1").arg(k)))
            ->setChecked(false);
      }
    }
    const size_t extra = (second ? 1 : 0) + (third ? 1 : 0) + (eighth ? 1 : 0);
    QCOMPARE(shaded.map->Figure().Sources().size(), 1 + extra);
    const std::array<bool, kMaxLightSources> used{true,  second, third, false,
                                                  false, false,  false, eighth};
    const std::array<int, kMaxLightSources> before = SourceColourCounts(FigureAlone(*shaded.map));
    PointAt(shaded.map->Picture(), QPoint(240, 200));
    QTRY_VERIFY(shaded.map->Figure().PointerMarks().has_value());
    QCOMPARE(shaded.map->Figure().PointerMarks()->isophotes.size(), 1 + extra);
    const std::array<int, kMaxLightSources> after = SourceColourCounts(FigureAlone(*shaded.map));
    // Each source's isophote in its own colour, whichever others are used.
    for (size_t k = 0; k < kMaxLightSources; ++k) {
      QCOMPARE(after.at(k) - before.at(k) > 20, used.at(k));
    }
    const QStringList lines = shaded.map->ReadoutBox().Lines();
    QCOMPARE(lines.filter(QStringLiteral("ф₂")).size(), second ? 1 : 0);
    QCOMPARE(lines.filter(QStringLiteral("ф₃")).size(), third ? 1 : 0);
    QCOMPARE(lines.filter(QStringLiteral("ф₈")).size(), eighth ? 1 : 0);
    // Leaving the map takes the marks away.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&shaded.map->Picture(), &leave);
    QTRY_VERIFY(!shaded.map->Figure().PointerMarks().has_value());
  }

  // A click pins the orientation: its marks and readout stay wherever the pointer goes and in the
  // picture saved; a drag pins nothing; Esc unpins and leaves the window open.
  void aClickPinsTheIsophotesUntilEsc() {
    ShadedMap shaded = OpenShadedMap(QStringLiteral("30"));
    PictureBox& picture = shaded.map->Picture();
    const GradientView view = shaded.map->Figure().View();
    const Gradient pinned = GradientAtPixel(view, 393, 337, 240, 200);
    QTest::mouseClick(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(240, 200));
    QTest::mousePress(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseRelease(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(130, 100));
    PointAt(picture, QPoint(60, 300));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&picture, &leave);
    QCoreApplication::processEvents();
    const std::optional<Gradient>& pointed = shaded.map->Figure().Pointed();
    QVERIFY(pointed && pointed->p == pinned.p && pointed->q == pinned.q);
    QVERIFY(shaded.map->Figure().PointerMarks().has_value());
    QVERIFY(shaded.map->ReadoutBox().isVisible());
    QVERIFY(shaded.map->ReadoutBox().Lines().contains(
        QStringLiteral("p = %1, q = %2").arg(pinned.p, 0, 'f', 3).arg(pinned.q, 0, 'f', 3)));
    QVERIFY(SourceColourCounts(picture.ComposedImage())[0] >
            SourceColourCounts(picture.Image())[0] + 20);
    Activate(*shaded.map);
    QTest::keyClick(shaded.map, Qt::Key_Escape);
    QTRY_VERIFY(!shaded.map->Figure().PointerMarks().has_value());
    QVERIFY(!shaded.map->ReadoutBox().isVisible());
    QVERIFY(shaded.map->isVisible());
  }

  void anAngleThatDoesNotReadKeepsItsValue() {
    SourcesPanel panel;
    auto* slant = Find<QLineEdit>(panel, "Source2Slant");
    Find<QCheckBox>(panel, "Source2")->setChecked(true);
    slant->setText(QStringLiteral("45"));
    QCOMPARE(panel.ExtraSources().at(0).aim.slantDegrees, 45.0);
    slant->setText(QStringLiteral("4x"));
    QVERIFY(!InputBoxMark(*slant).isEmpty());
    for (const char* name : {"Source2Slant", "Source2Tilt"}) {  // radians beyond a 32-bit float
      Find<QLineEdit>(panel, name)->setText(QStringLiteral("1e300"));
      QVERIFY(InputBoxMark(*Find<QLineEdit>(panel, name)).contains(QStringLiteral("слишком")));
    }
    QCOMPARE(panel.ExtraSources().at(0).aim.slantDegrees, 45.0);
    QCOMPARE(panel.ExtraSources().at(0).aim.tiltDegrees, 120.0);
    QLocale::setDefault(QLocale(QLocale::Russian));
    slant->setText(QStringLiteral("12,5"));
    QVERIFY(InputBoxMark(*slant).isEmpty());
    QCOMPARE(panel.ExtraSources().at(0).aim.slantDegrees, 12.5);
  }
};

GAUSS_QTEST_MAIN(MapFigureTest)
#include "map_figure_test.moc"
