// The second windows under a real window manager (run by run_under_window_manager.sh, on X11 with
// openbox, at the screen size and scale it is given), the main window at the screen's top-left
// corner as the program opens it, or in the middle: each opens with its frame wholly on the
// screen, and clear of the main window where the screen has room beside, below or above it; the
// map's window level with the main window's top where it can be.

#include "app/common/companion_placement.h"

#include <QAction>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <functional>

#include "app/animation/animation_dialog.h"
#include "app/common/window_placement.h"
#include "app/curves/profile_window.h"
#include "app/form/form1.h"
#include "app/help/help_window.h"
#include "app/law/law_window.h"
#include "app/main_window.h"
#include "app/map/gradient_map_window.h"
#include "app/recovery/recovery_window.h"
#include "form_probe.h"
#include "photometry/law_catalogue.h"
#include "qt_test_registry.h"

namespace {

bool Framed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

// Opens one second window of `main` and gives it.
using Opener = std::function<QWidget*(MainWindow& main)>;

QWidget* OpenByAction(MainWindow& main, QAction* action, const char* title) {
  action->trigger();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != &main && window->isVisible() && window->windowTitle().startsWith(title)) {
      return window;
    }
  }
  return nullptr;
}

QString Describe(const QRect& frame, const QRect& mainFrame, const QRect& available) {
  return QStringLiteral("frame %1,%2 %3x%4 main frame %5,%6 %7x%8 in %9,%10 %11x%12")
      .arg(frame.x())
      .arg(frame.y())
      .arg(frame.width())
      .arg(frame.height())
      .arg(mainFrame.x())
      .arg(mainFrame.y())
      .arg(mainFrame.width())
      .arg(mainFrame.height())
      .arg(available.x())
      .arg(available.y())
      .arg(available.width())
      .arg(available.height());
}

// Whether a frame of `size` fits in `available` right or left of, below or above `mainFrame`.
bool RoomBeside(const QSize& size, const QRect& mainFrame, const QRect& available) {
  return mainFrame.right() + 1 + kBesideGap + size.width() <= available.right() + 1 ||
         mainFrame.left() - kBesideGap - size.width() >= available.left() ||
         mainFrame.bottom() + 1 + kBesideGap + size.height() <= available.bottom() + 1 ||
         mainFrame.top() - kBesideGap - size.height() >= available.top();
}

}  // namespace

class CompanionPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  // The window manager done with the last row's windows before the next row opens its own (a
  // window still there when the next main window maps makes it place that one elsewhere).
  void cleanup() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::topLevelWidgets().isEmpty(), 20000);
    QTest::qWait(300);
  }

  void opensWhollyOnTheScreenBesideTheMainWindow_data() {
    QTest::addColumn<Opener>("open");
    QTest::addColumn<bool>("centred");  // the main window in the middle of the screen
    // Each window with the main one where the program opens it (the screen's top-left corner)
    // and in the middle of the screen; PLACEMENT_MAIN=top-left or middle keeps one of the two,
    // so that a screen's rows can run as two tests side by side.
    const QByteArray only = qgetenv("PLACEMENT_MAIN");
    const auto rows = [only](const char* name, const Opener& open) {
      if (only != "middle") QTest::addRow("%s, main at the top-left", name) << open << false;
      if (only != "top-left") QTest::addRow("%s, main in the middle", name) << open << true;
    };
    const auto action = [](QAction* (Companions::*get)() const, const char* title) {
      return Opener([get, title](MainWindow& main) {
        return OpenByAction(main, (main.Windows().*get)(), title);
      });
    };
    rows("map", action(&Companions::OpenMapAction, "Карта"));
    rows("map with its sources", action(&Companions::SourcesAction, "Карта"));
    rows("compare", action(&Companions::CompareAction, "Сравнить"));
    rows("phase curve", action(&Companions::PhaseCurveAction, "Фазовая"));
    rows("big sphere", action(&Companions::BigSphereAction, "Сфера"));
    rows("surface", action(&Companions::SurfaceAction, "Поверхность"));
    rows("law", [](MainWindow& main) -> QWidget* {
      main.OpenLaw(kMinnaert);
      return main.LawParameters();
    });
    rows("exposure", [](MainWindow& main) {
      return OpenByAction(main, main.findChild<QAction*>(QStringLiteral("OpenExposure")),
                          "Яркость");
    });
    rows("animation", [](MainWindow& main) -> QWidget* {
      main.OpenAnimation();
      return main.Animation();
    });
    rows("recovery", [](MainWindow& main) -> QWidget* {
      main.Windows().OpenRecovery();
      return main.Windows().Recovery();
    });
    rows("help", [](MainWindow& main) -> QWidget* {
      main.HelpAction()->trigger();
      return main.Help();
    });
    rows("profile", [](MainWindow& main) -> QWidget* {
      PictureBox& picture = *Find<PictureBox>(main.Form(), "Picture1");
      QTest::mousePress(&picture, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 120));
      QTest::mouseRelease(&picture, Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 220));
      return main.Windows().Profile();
    });
  }

  void opensWhollyOnTheScreenBesideTheMainWindow() {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) QSKIP("needs X11");
    QFETCH(Opener, open);
    QFETCH(bool, centred);
    auto main = OpenMainWindow();
    CompanionPlacement::AtTopLeft(*main);  // as the program opens it
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    QTRY_VERIFY_WITH_TIMEOUT(Framed(*main), 20000);
    const QRect available = main->screen()->availableGeometry();
    QTRY_COMPARE_WITH_TIMEOUT(main->frameGeometry().topLeft(), available.topLeft(), 20000);
    // Placed for good: the user's move is his.
    QTRY_VERIFY_WITH_TIMEOUT(main->findChildren<CompanionPlacement*>().isEmpty(), 20000);
    if (centred) {
      const QRect frame = main->frameGeometry();
      const QRect middle(available.center() - frame.center() + frame.topLeft(), frame.size());
      const QPoint at = FrameKeptWithin(middle, available);
      main->move(main->pos() + (at - frame.topLeft()));
      QTRY_COMPARE_WITH_TIMEOUT(main->frameGeometry().topLeft(), at, 20000);
    }
    Press(main->Form());
    const QRect mainFrame = main->frameGeometry();
    QVERIFY(available.contains(mainFrame.topLeft()));

    QWidget* window = open(*main);
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // Measured once its placement is over, however slowly a busy machine frames it.
    QTRY_VERIFY_WITH_TIMEOUT(window->findChildren<CompanionPlacement*>().isEmpty(), 20000);
    // Qt may keep a frame's margins unknown although the window manager has framed the window
    // (seen about once in ten runs): then they are taken to be the main window's.
    const bool framed = QTest::qWaitFor([&] { return Framed(*window); }, 3000);
    const auto marginsNow = [&] {
      return framed ? FrameMarginsOr(window->frameGeometry(), window->geometry(), {})
                    : FrameMarginsOr(main->frameGeometry(), main->geometry(), {});
    };
    const auto frameNow = [&] { return window->geometry().marginsAdded(marginsNow()); };
    // Within a pixel, for the rounding of a fractional scale; a window whose minimum size is
    // larger than the screen shows its top-left corner, its title bar. A loaded machine's window
    // manager may apply the last move a while after the placement asked for it.
    const QRect slack = available.adjusted(-1, -1, 1, 1);
    const auto onScreen = [&] {
      const QRect frame = frameNow();
      const QSize least = window->minimumSize().grownBy(marginsNow());
      return least.width() <= available.width() && least.height() <= available.height()
                 ? slack.contains(frame)
                 : slack.contains(frame.topLeft());
    };
    static_cast<void>(QTest::qWaitFor(onScreen, 5000));  // checked below, after the last move
    QTest::qWait(300);                                   // the window manager's last move, if any
    const QRect frame = frameNow();
    const QString where = Describe(frame, mainFrame, available);
    qInfo("%s", qPrintable(where));
    QVERIFY2(onScreen(), qPrintable(where));
    if (RoomBeside(frame.size(), mainFrame, available)) {
      QVERIFY2(!frame.intersects(main->frameGeometry()), qPrintable(where));
    }
    // The map's window, beside the main one, level with its top unless the screen's bottom
    // pushes it up.
    const bool beside =
        mainFrame.right() + 1 + kBesideGap + frame.width() <= available.right() + 1 ||
        mainFrame.left() - kBesideGap - frame.width() >= available.left();
    if (window == main->Windows().MapWindow() && beside &&
        mainFrame.top() + frame.height() <= available.bottom() + 1) {
      QCOMPARE(frame.top(), mainFrame.top());
    }
  }
};

GAUSS_QTEST_MAIN(CompanionPlacementTest)
#include "companion_placement_test.moc"
