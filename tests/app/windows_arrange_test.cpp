// «Окна» → «Расположить рядом» under a real window manager (run_under_window_manager.sh): the main
// window and three beside it end with their frames on the screen, none over another; their places
// go into a setup, a place off every screen comes back onto the main window's screen, and a setup
// that keeps no places moves nothing.

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <variant>

#include "app/curves/compare_window.h"
#include "app/curves/phase_curve_window.h"
#include "app/main_window.h"
#include "app/map/gradient_map_window.h"
#include "app/windows_menu.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

bool Settled(const std::vector<QWidget*>& windows) {
  return std::all_of(windows.begin(), windows.end(), [](const QWidget* window) {
    return window->frameGeometry() != window->geometry();
  });
}

}  // namespace

class WindowsArrangeTest : public QObject {
  Q_OBJECT

 private slots:
  void theOpenWindowsTileAndTheirPlacesAreKept() {
    std::unique_ptr<MainWindow> main = OpenMainWindow();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    Companions& windows = main->Windows();
    windows.OpenMapAction()->trigger();
    windows.PhaseCurveAction()->trigger();
    windows.CompareAction()->trigger();
    const std::vector<QWidget*> open = OpenWindows(*main);
    QCOMPARE(open.size(), size_t{4});
    QTRY_VERIFY_WITH_TIMEOUT(Settled(open), 10000);
    QTest::qWait(1500);  // the windows' first placement settles
    main->findChild<QAction*>(QStringLiteral("ArrangeWindows"))->trigger();
    const QRect available = main->screen()->availableGeometry();
    const auto tiled = [&open, &available] {
      for (size_t k = 0; k < open.size(); ++k) {
        if (!available.contains(open[k]->frameGeometry())) return false;
        for (size_t other = 0; other < k; ++other) {
          if (open[k]->frameGeometry().intersects(open[other]->frameGeometry())) return false;
        }
      }
      return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(tiled(), 5000);
    QTest::qWait(500);
    QVERIFY(tiled());  // and stays so: no placement moves a window back over another

    // The places kept: each shown window's client area.
    std::variant<Setup, QString> captured = main->CaptureSetup();
    QVERIFY(std::holds_alternative<Setup>(captured));
    Setup setup = std::get<Setup>(captured);
    const QRect curve = windows.PhaseCurve()->geometry();
    const WindowPlace kept = setup.windows.places.at("phaseCurve");
    QCOMPARE(QRect(kept.x, kept.y, kept.width, kept.height), curve);
    QCOMPARE(setup.windows.places.size(), size_t{4});  // main, map, phaseCurve, compare

    // A setup of a machine whose second screen has gone: the window comes onto this screen.
    // Kept narrower than the window can now be: it comes onto the screen at its least width.
    setup.windows.places["phaseCurve"] = {available.right() + 3000, 200, 300, 560};
    QVERIFY(!main->ApplySetup(setup));
    QTRY_VERIFY2(available.contains(windows.PhaseCurve()->geometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4, least %5x%6")
                                .arg(windows.PhaseCurve()->x())
                                .arg(windows.PhaseCurve()->y())
                                .arg(windows.PhaseCurve()->width())
                                .arg(windows.PhaseCurve()->height())
                                .arg(windows.PhaseCurve()->minimumSizeHint().width())
                                .arg(windows.PhaseCurve()->minimumSizeHint().height())));
    QCOMPARE(windows.PhaseCurve()->height(), 560);

    // A setup written before places were kept moves no window.
    const QRect mapBefore = windows.MapWindow()->geometry();
    setup.windows.places.clear();
    QVERIFY(!main->ApplySetup(setup));
    QTest::qWait(300);
    QCOMPARE(windows.MapWindow()->geometry(), mapBefore);
  }

  void tooManyForTheScreenIsAMessageAndNothingMoves() {
    std::unique_ptr<MainWindow> main = OpenMainWindow();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    main->Windows().PhaseCurveAction()->trigger();
    PhaseCurveWindow* curve = main->Windows().PhaseCurve();
    QVERIFY(QTest::qWaitForWindowExposed(curve));
    // A least size no screen here has room for beside the main window.
    curve->setMinimumSize(main->screen()->availableGeometry().size());
    QTest::qWait(300);
    const QPoint before = curve->pos();
    MessageBoxWatch watch;
    QVERIFY(!ArrangeOpenWindows(*main));
    QCOMPARE(watch.texts().size(), 1);
    QCOMPARE(curve->pos(), before);
  }
};

GAUSS_QTEST_MAIN(WindowsArrangeTest)
#include "windows_arrange_test.moc"
