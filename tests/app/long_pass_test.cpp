// A pass far longer than a frame (a typed formula of 150 operations over a 3000x2000 map) runs
// off the window's thread: the menus answer while it runs, Esc cancels it, and quitting ends
// it at once. Faults aimed at: the pass run on the window's thread, Esc not reaching the pass,
// a runner that waits for its pass to end before the program can.

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>

#include "app/map/gradient_map_window.h"
#include "app/picture/background_pass.h"
#include "form_probe.h"
#include "photometry/custom_formula.h"
#include "qt_test_registry.h"

namespace {

constexpr int kAnswerMs = 200;
constexpr int kQuitMs = 1000;
constexpr int kStartMs = 60000;  // the sphere's pass before the map's, on a slow machine

// ci followed by 50 terms of three operations each.
std::shared_ptr<const CustomFormula> SlowFormula() {
  std::string text = "ci";
  for (int k = 0; k < 50; ++k) text += "+sin(ce*ci)";
  return std::get<std::shared_ptr<const CustomFormula>>(CompileFormula(text, {}));
}

}  // namespace

class LongPassTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { BackgroundPass::SetWaitBudgetMs(16); }

  void answersCancelsAndQuits() {
    auto main = OpenMainWindow();
    Activate(*main);
    Form1& form = main->Form();
    Companions& windows = main->Windows();
    windows.OpenMapAction()->trigger();
    GradientMapWindow& map = *windows.MapWindow();
    map.resize(3000, 2000);
    const auto* mapPass = map.findChild<BackgroundPass*>(QStringLiteral("MapPass"));
    LawSettings settings;
    settings.formula = SlowFormula();
    form.ChooseLaw(kFormula, settings);
    QTRY_VERIFY_WITH_TIMEOUT(mapPass->Running(), kStartMs);
    QVERIFY(map.findChild<QProgressBar*>(QStringLiteral("PassProgress"))->isVisible());

    // A menu opens at once while the map is painted.
    Activate(*main);
    QElapsedTimer answer;
    answer.start();
    auto* view = main->findChild<QMenu*>(QStringLiteral("ViewMenu"));
    main->menuBar()->setActiveAction(view->menuAction());
    QTRY_VERIFY_WITH_TIMEOUT(view->isVisible(), kAnswerMs);
    QVERIFY2(answer.elapsed() < kAnswerMs, qPrintable(QString::number(answer.elapsed())));
    QVERIFY(mapPass->Running());
    view->close();

    // Esc in the main window cancels; the map keeps what it showed.
    const QImage before = map.Picture().Image();
    Activate(*main);
    QTest::keyClick(main.get(), Qt::Key_Escape);
    QVERIFY(!mapPass->Running());
    QTest::qWait(100);
    QCOMPARE(map.Picture().Image(), before);
    QVERIFY(map.isVisible());

    // Quitting during a pass ends the program within a second.
    form.ChangeLawSettings(settings);
    QTRY_VERIFY_WITH_TIMEOUT(mapPass->Running(), kStartMs);
    QElapsedTimer quit;
    quit.start();
    main->findChild<QAction*>(QStringLiteral("Quit"))->trigger();
    main.reset();
    QVERIFY2(quit.elapsed() < kQuitMs, qPrintable(QString::number(quit.elapsed())));
  }
};

GAUSS_QTEST_MAIN(LongPassTest)
#include "long_pass_test.moc"
