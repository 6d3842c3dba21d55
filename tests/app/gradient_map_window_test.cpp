// The gradient-space map's window: opened by Ctrl+G, repainted by every pass from the pass's
// state, with its own readout; and the renderer's readout line agrees with the window's.

#include "app/map/gradient_map_window.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/picture/picture_menu.h"
#include "app/picture/readout_overlay.h"
#include "app/picture/readout_text.h"
#include "form_probe.h"
#include "gradient/gradient_readout.h"
#include "gradient/gradient_view.h"
#include "model/image_buffer.h"
#include "pass/readout.h"
#include "qt_test_registry.h"

namespace {

// The pixels of a PictureBox's image (the colours, without the figure over them) against a map
// painted by the core from `state` in the default view.
int DifferingPixels(const QImage& shown, const RenderState& state, bool smoothing) {
  ImageBuffer expected(shown.width(), shown.height());
  PaintGradientMap(state, expected, smoothing, GradientView{});
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const Rgb want = expected.At(x, y);
      differing += shown.pixel(x, y) == qRgb(want.r, want.g, want.b) ? 0 : 1;
    }
  }
  return differing;
}

}  // namespace

class GradientMapWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  // Ctrl+G opens the map before any pass (axes only); each pass then repaints it from its state.
  void ctrlGOpensAMapThatFollowsEveryPass() {
    auto form = OpenForm();
    Activate(*form);
    QVERIFY(WindowsOf(*form).MapWindow() == nullptr);
    QTest::keyClick(Find<QLineEdit>(*form, "Text1"), Qt::Key_G, Qt::ControlModifier);
    GradientMapWindow* map = WindowsOf(*form).MapWindow();
    QVERIFY(map != nullptr);
    QVERIFY(map->isVisible());
    QVERIFY(!map->isModal());
    QCOMPARE(map->windowTitle(), QStringLiteral("Карта отражательной способности R(p, q)"));
    // On the screen, and off the main window's top-left corner (the offscreen screen, 800x600,
    // has no room beside it: the map goes where it covers least).
    QVERIFY(map->screen()->availableGeometry().contains(map->geometry()));
    QVERIFY(!map->geometry().contains(form->geometry().topLeft()));
    QCOMPARE(map->Picture().Image().size(), QSize(393, 337));
    QVERIFY(!map->MapState());
    // No colours yet, but the figure's axes already say what the plane is.
    QVERIFY(map->Picture().ComposedImage().pixel(196, 168) != qRgb(255, 255, 255));

    Press(*form);
    QVERIFY(map->MapState() && *map->MapState() == *form->LastPassState());
    QCOMPARE(DifferingPixels(map->Picture().Image(), *form->LastPassState(), false), 0);
    const QImage atSlant0 = map->Picture().Image();

    Retype(*Find<QLineEdit>(*form, "Text4_0"), "45");
    QTest::mouseClick(Find<QCheckBox>(*form, "Check2"), Qt::LeftButton);  // smoothing
    Press(*form);
    QCOMPARE(DifferingPixels(map->Picture().Image(), *form->LastPassState(), true), 0);
    QCOMPARE(map->MapState()->sourceSlant, form->LastPassState()->sourceSlant);
    QVERIFY(map->Picture().Image() != atSlant0);

    // Ctrl+G again hides it, and once more brings back the same window, still following.
    Activate(*form);
    QTest::keyClick(Find<QLineEdit>(*form, "Text1"), Qt::Key_G, Qt::ControlModifier);
    QVERIFY(!map->isVisible());
    QTest::keyClick(Find<QLineEdit>(*form, "Text1"), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(WindowsOf(*form).MapWindow(), map);
    QVERIFY(map->isVisible());
    QCOMPARE(map->MapState()->sourceSlant, form->LastPassState()->sourceSlant);
  }

  // Opened after a pass, it shows that pass at once; its readout names p and q.
  void showsTheLastPassAndItsOwnReadout() {
    auto form = OpenForm();
    form->show();
    Press(*form);
    const RenderState afterPass = form->State();
    form->PictureContextMenu().Menu()->actions().at(2)->trigger();
    GradientMapWindow* map = WindowsOf(*form).MapWindow();
    QVERIFY(map != nullptr);
    QCOMPARE(DifferingPixels(map->Picture().Image(), *form->LastPassState(), false), 0);

    const QPoint at(246, 118);  // dx 49.5, dy 50.5: p 0.99, q 1.01
    QTest::mouseMove(&map->Picture(), at);
    const std::optional<Readout> readout =
        GradientReadoutAtPixel(*form->LastPassState(), 393, 337, at.x(), at.y());
    QVERIFY(readout && readout->gradient);
    QTRY_COMPARE(map->ReadoutBox().Lines(),
                 ReadoutLines(*readout, *form->LastPassState(), QLocale()));
    QVERIFY(map->ReadoutBox().isVisible());
    QVERIFY(map->ReadoutBox().Lines().contains(QStringLiteral("p = 0.990, q = 1.010")));
    // Readouts on both pictures read copies: the window's state is the pass's, field for field.
    for (const QPoint& point : {QPoint(196, 168), QPoint(150, 120), QPoint(3, 3)}) {
      QTest::mouseMove(Find<PictureBox>(*form, "Picture1"), point);
      QTest::mouseMove(&map->Picture(), point);
    }
    QCOMPARE(form->State(), afterPass);
    QCOMPARE(*map->MapState(), afterPass);
  }

  // The renderer's --readout line is the window's readout for the same pixel and inputs.
  void rendererReadoutMatchesTheWindow() {
    auto form = OpenForm();
    form->show();
    Retype(*Find<QLineEdit>(*form, "Text1"), "40");
    Retype(*Find<QLineEdit>(*form, "Text4_0"), "25");
    Press(*form);
    for (const QPoint& at : {QPoint(196, 168), QPoint(150, 100), QPoint(240, 230), QPoint(5, 5)}) {
      QProcess renderer;
      renderer.start(QStringLiteral(GAUSS_SPHERE_RENDER),
                     {"--rot-x", "40", "--slant", "25", "--readout",
                      QStringLiteral("%1,%2").arg(at.x()).arg(at.y())});
      QVERIFY(renderer.waitForFinished(30000));
      QCOMPARE(renderer.exitCode(), 0);
      const std::string window =
          FormatReadoutLine(ReadoutAtPixel(*form->LastPassState(), 393, 337, at.x(), at.y()));
      QCOMPARE(QString::fromUtf8(renderer.readAllStandardOutput()).trimmed(),
               QString::fromStdString(window));
    }
  }
};

GAUSS_QTEST_MAIN(GradientMapWindowTest)
#include "gradient_map_window_test.moc"
