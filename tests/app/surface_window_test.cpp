// «Поверхность»: its image is the core's image of the last pass, surface and source (faults aimed
// at: the window's state instead of the last pass's, a swapped or stale size, the wrong source,
// a pass not followed); a parameter that does not read marks its box and repaints nothing; the
// cell under the pointer is crossed on the map and ringed on the sphere, and the map's pin
// marks the images (a link left unconnected), the ring standing where the sphere's own shading
// has the cell's normal in every view (a ring flipped to match the images); hiding the window
// cancels its pass; a cell in cast shadow says so; Ctrl+U is not lost to a text box that has the
// focus.

#include "app/surface/surface_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <algorithm>

#include "app/common/input_box_mark.h"
#include "app/map/gradient_map_window.h"
#include "app/map/map_figure.h"
#include "app/picture/background_pass.h"
#include "app/picture/readout_overlay.h"
#include "app/surface/surface_controls.h"
#include "form_probe.h"
#include "model/image_buffer.h"
#include "pass/readout.h"
#include "photometry/gradient_space.h"
#include "qt_test_registry.h"
#include "surface/surface_catalogue.h"
#include "surface_probe.h"

namespace {

// The pixels of `shown` that differ from the core's image of `kind` at its start values.
int Faults(const QImage& shown, const RenderState& lastPass, const char* kind, int width,
           int height) {
  const SurfaceKind& surface = *FindSurfaceKind(kind);
  const SurfaceScene scene = MakeScene(MakeSurface(surface, width, height, StartValues(surface)));
  ImageBuffer expected(width, height);
  PaintSurfaceImage(lastPass, scene, DescribedSource(lastPass), {}, expected);
  if (shown.size() != QSize(width, height)) return width * height;
  int faults = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb want = expected.At(x, y);
      faults += shown.pixel(x, y) == qRgb(want.r, want.g, want.b) ? 0 : 1;
    }
  }
  return faults;
}

void PointAt(QWidget& target, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, target.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &move);
}

void Leave(QWidget& target) {
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&target, &leave);
}

}  // namespace

class SurfaceWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void theImageIsTheCoresForTheLastPass() {
    Opened opened = OpenSurface(QStringLiteral("60"), "crater");
    SurfaceWindow& surface = *opened.surface;
    Find<QSpinBox>(surface, "SurfaceWidth")->setValue(100);
    Find<QSpinBox>(surface, "SurfaceHeight")->setValue(60);
    const QImage& shown = surface.ImageView(0).Picture().Image();
    QCOMPARE(Faults(shown, opened.form->LastPassResult()->state, "crater", 100, 60), 0);
    // Typed but not shaded: the image keeps the pass's slant; shaded, it follows.
    Retype(*Find<QLineEdit>(*opened.form, "Text4_0"), QStringLiteral("25"));
    QCOMPARE(Faults(surface.ImageView(0).Picture().Image(), opened.form->LastPassResult()->state,
                    "crater", 100, 60),
             0);
    Press(*opened.form);
    QTRY_COMPARE(surface.Shown()->pass.state.sourceSlant,
                 opened.form->LastPassResult()->state.sourceSlant);
    QCOMPARE(Faults(surface.ImageView(0).Picture().Image(), opened.form->LastPassResult()->state,
                    "crater", 100, 60),
             0);
  }

  void aBadParameterMarksItsBoxAndKeepsTheImage() {
    Opened opened = OpenSurface(QStringLiteral("30"), "hemisphere");
    SurfaceWindow& surface = *opened.surface;
    QLineEdit& radius = *Find<QLineEdit>(surface, "SurfaceParameter_radius");
    const QImage before = surface.ImageView(0).Picture().Image();
    const int generation = surface.Controls().Generation();
    for (const char* text : {"abc", "", "1.5", "0.01", "1e999", "0,5"}) {
      radius.setText(QString::fromLatin1(text));
      QVERIFY2(!InputBoxMark(radius).isEmpty(), text);
      QCOMPARE(surface.Controls().Generation(), generation);
      QCOMPARE(surface.ImageView(0).Picture().Image(), before);
    }
    radius.setText(QStringLiteral("0.5"));
    QVERIFY(InputBoxMark(radius).isEmpty());
    QTRY_VERIFY(surface.ImageView(0).Picture().Image() != before);
  }

  void theCellUnderThePointerIsMarkedOnTheMapAndTheSphere() {
    Opened opened = OpenSurface(QStringLiteral("30"), "hemisphere");
    WindowsOf(*opened.form).OpenMapAction()->trigger();
    GradientMapWindow& map = *WindowsOf(*opened.form).MapWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&map));
    SurfaceWindow& surface = *opened.surface;
    PictureBox& picture = surface.ImageView(0).Picture();
    const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
    const SurfaceGradients gradients =
        GradientsOf(MakeSurface(kind, kDefaultSurfaceSide, kDefaultSurfaceSide, StartValues(kind)));
    // Off both diagonals and the centre lines: a swapped or flipped cell reads another (p, q).
    const QPoint cell(90, 170);
    PointAt(picture, cell);
    const Gradient want = gradients.At(cell.x(), cell.y());
    QVERIFY(map.Figure().MarkedGradient().has_value());
    QCOMPARE(map.Figure().MarkedGradient()->p, want.p);
    QCOMPARE(map.Figure().MarkedGradient()->q, want.q);
    QVERIFY(opened.form->MarkedNormal().has_value());
    QCOMPARE(opened.form->MarkedNormal()->q, want.q);
    QVERIFY(surface.ImageView(0).ReadoutBox().isVisible());
    Leave(picture);
    QVERIFY(!map.Figure().MarkedGradient());
    QVERIFY(!opened.form->MarkedNormal());

    // The other way: a pin on the map marks the images until it is taken away.
    QVERIFY(surface.MapMarks() == nullptr);
    map.Figure().Pin(map.Picture().rect().center() + QPoint(20, 10));
    QTRY_VERIFY(surface.MapMarks() != nullptr);
    QVERIFY(!surface.MapMarks()->preImage.empty());
    const std::vector<uint8_t>& cells = surface.MapMarks()->cells;
    QVERIFY(std::count(cells.begin(), cells.end(), 1) > 0);
    map.Figure().Unpin();
    QTRY_VERIFY(surface.MapMarks() == nullptr);
  }

  // The ring of the cell under the pointer stands where the sphere's own shading has that cell's
  // normal: the readout at the ring's pixel is the normal, in every view (at rot-x +90 the
  // sphere has +y downwards and the images +y upwards, so there the ring is mirrored in height
  // against the cell, as the shading is).
  void theRingOnTheSphereIsWhereItsShadingHasTheCellsNormal_data() {
    QTest::addColumn<QStringList>("view");  // rot-x, rot-y, rot-z, slant
    QTest::addColumn<QPoint>("cell");
    const QStringList start{"30", "0", "0", "45"};
    const QStringList pole{"90", "0", "0", "45"};
    const QStringList below{"-90", "0", "0", "45"};
    const QStringList turned{"60", "20", "40", "30"};
    QTest::newRow("start-up view, north-west") << start << QPoint(90, 70);
    QTest::newRow("start-up view, north-east") << start << QPoint(180, 80);
    QTest::newRow("rot-x +90, north-west") << pole << QPoint(90, 70);
    QTest::newRow("rot-x +90, south-east") << pole << QPoint(170, 200);
    QTest::newRow("rot-x -90, north-east") << below << QPoint(180, 80);
    QTest::newRow("turned, south-west") << turned << QPoint(80, 180);
  }
  void theRingOnTheSphereIsWhereItsShadingHasTheCellsNormal() {
    QFETCH(QStringList, view);
    QFETCH(QPoint, cell);
    Opened opened = OpenSurface(view.at(3), "hemisphere");
    Form1& form = *opened.form;
    for (const auto& [box, text] :
         {std::pair{"Text1", view.at(0)}, {"Text2", view.at(1)}, {"Text3_0", view.at(2)}}) {
      Retype(*Find<QLineEdit>(form, QLatin1String(box)), text);
    }
    Press(form);
    SurfaceWindow& surface = *opened.surface;
    QTRY_VERIFY(surface.Shown() != nullptr && surface.Shown()->pass.state == *form.LastPassState());
    PointAt(surface.ImageView(0).Picture(), cell);
    const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
    const SurfaceGradients gradients =
        GradientsOf(MakeSurface(kind, kDefaultSurfaceSide, kDefaultSurfaceSide, StartValues(kind)));
    const Point3 normal = GradientNormal(gradients.At(cell.x(), cell.y()));
    const std::optional<PixelPoint> ring = form.MarkedNormalPoint();
    QVERIFY(ring.has_value());
    const RenderState& state = *form.LastPassState();
    const std::optional<Readout> readout =
        ReadoutAtPixel(state, 393, 337, static_cast<int>(std::lround(ring->x)),
                       static_cast<int>(std::lround(ring->y)));
    QVERIFY(readout.has_value());
    const Point3& shown = readout->reading.surfacePoint;
    QVERIFY2(std::hypot(shown.x - normal.x, shown.y - normal.y, shown.z - normal.z) <
                 1.5 * state.pixelScale,
             qPrintable(QStringLiteral("normal %1 %2 %3, shading %4 %5 %6")
                            .arg(normal.x)
                            .arg(normal.y)
                            .arg(normal.z)
                            .arg(shown.x)
                            .arg(shown.y)
                            .arg(shown.z)));
  }

  void hidingTheWindowCancelsItsPass() {
    Opened opened = OpenSurface(QStringLiteral("30"), "fractal");
    SurfaceWindow& surface = *opened.surface;
    const int budget = BackgroundPass::WaitBudgetMs();
    BackgroundPass::SetWaitBudgetMs(0);
    const ShownSurface* before = surface.Shown();
    const RenderState shownState = before->pass.state;
    Find<QCheckBox>(surface, "SurfaceCastShadows")->setChecked(true);
    Find<QSpinBox>(surface, "SurfaceWidth")->setValue(kMaxSurfaceWindowSide);
    Find<QSpinBox>(surface, "SurfaceHeight")->setValue(kMaxSurfaceWindowSide);
    auto* pass = surface.findChild<BackgroundPass*>(QStringLiteral("SurfacePass"));
    QVERIFY(pass->Running());
    surface.hide();
    QVERIFY(!pass->Running());
    QVERIFY(!WindowsOf(*opened.form).SurfaceAction()->isChecked());
    QTest::qWait(300);
    QCOMPARE(surface.Shown()->scene->field.width, kDefaultSurfaceSide);
    QCOMPARE(surface.Shown()->pass.state.sourceSlant, shownState.sourceSlant);
    BackgroundPass::SetWaitBudgetMs(budget);
  }

  // The readout of a cell in a source's cast shadow says so (the shadows shown, not none).
  void aCellInCastShadowSaysSo() {
    Opened opened = OpenSurface(QStringLiteral("80"), "crater");
    SurfaceWindow& surface = *opened.surface;
    Find<QCheckBox>(surface, "SurfaceCastShadows")->setChecked(true);
    QTRY_VERIFY(!surface.Shown()->castShadows.front().empty());
    const std::vector<uint8_t>& shadow = surface.Shown()->castShadows.front();
    const auto first = std::find(shadow.begin(), shadow.end(), 1);
    QVERIFY(first != shadow.end());
    const int cell = static_cast<int>(first - shadow.begin());
    PointAt(surface.ImageView(0).Picture(),
            QPoint(cell % kDefaultSurfaceSide, cell / kDefaultSurfaceSide));
    QVERIFY(surface.ImageView(0).ReadoutBox().Lines().join(' ').contains(
        QStringLiteral("в тени рельефа")));
  }

  // Where a text box takes Ctrl+U to delete its line (X11's bindings; run under a window manager
  // by CTest), the key still opens «Поверхность» from the slant box, whose text stays.
  void theSurfaceKeyBeatsATextBoxsOwn() {
    const QKeySequence key(Qt::CTRL | Qt::Key_U);
    if (!QKeySequence::keyBindings(QKeySequence::DeleteCompleteLine).contains(key)) {
      QSKIP("the platform's text boxes leave Ctrl+U alone");
    }
    auto main = OpenMainWindow();
    Activate(*main);
    QLineEdit& slant = *Find<QLineEdit>(main->Form(), "Text4_0");
    const QString text = slant.text();
    slant.setFocus();
    QTest::keySequence(&slant, key);
    QVERIFY(main->Windows().Surface() != nullptr && main->Windows().Surface()->isVisible());
    QCOMPARE(slant.text(), text);
  }
};

GAUSS_QTEST_MAIN(SurfaceWindowTest)
#include "surface_window_test.moc"
