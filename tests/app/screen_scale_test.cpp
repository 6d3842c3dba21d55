// On a screen scaled by 2 (run with QT_SCALE_FACTOR=2) both pictures are painted at the screen's
// resolution: the sphere as the renderer's --scale 2 paints it, the map at 100 pixels a unit; the
// widgets keep their logical size and the readout reads the device pixel under the pointer. A
// press refused for an input error leaves the picture as it was.

#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/map/gradient_map_window.h"
#include "app/picture/readout_overlay.h"
#include "form_probe.h"
#include "gradient/gradient_view.h"
#include "model/image_buffer.h"
#include "qt_test_registry.h"

class ScreenScaleTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void bothPicturesAtTheScreensResolution() {
    auto form = OpenForm();
    Activate(*form);
    if (form->devicePixelRatioF() != 2.0) QSKIP("needs QT_SCALE_FACTOR=2");
    // A press that an input error refuses changes nothing, the picture's resolution included.
    const RenderState before = form->State();
    auto* rotX = Find<QLineEdit>(*form, "Text1");
    Retype(*rotX, "abc");
    {
      MessageBoxWatch watch;
      Press(*form);
      QCOMPARE(watch.texts().size(), 1);
    }
    QCOMPARE(form->State(), before);
    QCOMPARE(Find<PictureBox>(*form, "Picture1")->Image().size(), QSize(393, 337));
    Retype(*rotX, "30");
    Press(*form);
    const PictureBox& sphere = *Find<PictureBox>(*form, "Picture1");
    QCOMPARE(sphere.size(), QSize(393, 337));
    QCOMPARE(sphere.Image().size(), QSize(786, 674));
    QCOMPARE(sphere.Image().devicePixelRatio(), 2.0);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sphere.png"));
    QProcess renderer;
    renderer.start(QStringLiteral(GAUSS_SPHERE_RENDER), {"--scale", "2", "-o", path});
    QVERIFY(renderer.waitForFinished(30000));
    QCOMPARE(renderer.exitCode(), 0);
    QImage rendered(path);
    rendered.setDevicePixelRatio(2.0);
    QCOMPARE(rendered.convertToFormat(QImage::Format_RGB32), sphere.Image());

    WindowsOf(*form).OpenMapAction()->trigger();
    GradientMapWindow& map = *WindowsOf(*form).MapWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&map));
    QCOMPARE(map.Picture().Image().size(), QSize(786, 674));
    ImageBuffer core(786, 674);
    PaintGradientMap(*map.MapState(), core, false, ScaledGradientView(2));
    for (int y = 0; y < core.Height(); ++y) {
      for (int x = 0; x < core.Width(); ++x) {
        QCOMPARE(map.Picture().Image().pixel(x, y), PackedPixel(core.At(x, y)));
      }
    }
    // Logical (246, 118) holds device pixels 492..493 and 236..237; the readout reads (493, 237).
    const QPoint at(246, 118);
    QMouseEvent move(QEvent::MouseMove, at, map.Picture().mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&map.Picture(), &move);
    const Gradient g = GradientAtPixel(ScaledGradientView(2), 786, 674, 493, 237);
    QTRY_VERIFY(map.ReadoutBox().Lines().contains(
        QStringLiteral("p = %1, q = %2").arg(g.p, 0, 'f', 3).arg(g.q, 0, 'f', 3)));
  }
};

GAUSS_QTEST_MAIN(ScreenScaleTest)
#include "screen_scale_test.moc"
