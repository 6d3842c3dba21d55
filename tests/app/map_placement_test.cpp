// The map's window under a real window manager (run by run_under_window_manager.sh, on X11 with
// openbox at 1366x768, at the scale QT_SCALE_FACTOR gives): its frame opens wholly on the
// screen, beside the main window where there is room, level with its top where it can be.

#include <QAction>
#include <QScreen>
#include <QTest>

#include "app/map/gradient_map_window.h"
#include "app/window_placement.h"
#include "form_probe.h"

namespace {

bool Framed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

}  // namespace

class MapPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void opensBesideTheMainWindowWhollyOnTheScreen() {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) QSKIP("needs X11");
    auto main = OpenMainWindow();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    QTRY_VERIFY(Framed(*main));
    // Away from the corner the window manager chose, so that "level with it" means something.
    main->move(40, 60);
    QTest::qWait(200);
    const QRect available = main->screen()->availableGeometry();
    const QRect mainFrame = main->frameGeometry();
    // The title bar can be reached, so the window can be dragged.
    QVERIFY2(available.contains(mainFrame.topLeft()),
             qPrintable(QStringLiteral("main %1,%2").arg(mainFrame.x()).arg(mainFrame.y())));

    main->Form().OpenMapAction()->trigger();
    GradientMapWindow* map = main->Form().MapWindow();
    QVERIFY(map != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(map));
    QTRY_VERIFY(Framed(*map));
    QTest::qWait(300);  // the window manager's last move, if any
    const QRect mapFrame = map->frameGeometry();
    const QString where = QStringLiteral("map frame %1,%2 %3x%4 main frame %5,%6 %7x%8 in %9x%10")
                              .arg(mapFrame.x())
                              .arg(mapFrame.y())
                              .arg(mapFrame.width())
                              .arg(mapFrame.height())
                              .arg(mainFrame.x())
                              .arg(mainFrame.y())
                              .arg(mainFrame.width())
                              .arg(mainFrame.height())
                              .arg(available.width())
                              .arg(available.height());
    qInfo("%s", qPrintable(where));
    QVERIFY2(available.contains(mapFrame), qPrintable(where));
    const bool roomBeside = available.width() >= mainFrame.width() + kBesideGap + mapFrame.width();
    if (roomBeside) {
      QVERIFY2(!mapFrame.intersects(main->frameGeometry()), qPrintable(where));
      // Level with the main window unless the screen's bottom pushes it up.
      if (mainFrame.top() + mapFrame.height() <= available.bottom() + 1) {
        QCOMPARE(mapFrame.top(), mainFrame.top());
      }
    }
  }
};

QTEST_MAIN(MapPlacementTest)
#include "map_placement_test.moc"
