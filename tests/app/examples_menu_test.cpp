// «Файл» → «Примеры»: every example is in the resources, reads without a message (a key or a
// parameter misspelt in one is refused), leaves the window holding exactly its setup, and does
// not join the recent files. The planetary ones show the disc as the observer sees it: face-on,
// +y up as on the map and the surface images, no part of it painted past white.

#include "app/examples_menu.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include "app/setup_menu.h"
#include "form_probe.h"
#include "pass/readout.h"
#include "qt_test_registry.h"
#include "setup/setup_file.h"

namespace {

class ExamplesMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void everyExampleOpensAsItsSetup() {
    std::unique_ptr<MainWindow> main = OpenMainWindow();
    Activate(*main);
    const QStringList recent = main->Setups().RecentFiles();
    auto* menu = main->findChild<QMenu*>(QStringLiteral("ExampleSetups"));
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->actions().size(), static_cast<qsizetype>(std::size(kExampleSetups)));
    for (const ExampleSetup& example : kExampleSetups) {
      const SetupOutcome read = ReadSetupFile(ExamplePath(example));
      QVERIFY2(std::holds_alternative<SetupReading>(read), example.file);
      const SetupReading& reading = std::get<SetupReading>(read);
      QVERIFY2(reading.warning.isEmpty(), qPrintable(reading.warning));
      MessageBoxWatch watch;
      menu->findChild<QAction*>(QStringLiteral("Example_") + QLatin1String(example.file))
          ->trigger();
      QVERIFY2(watch.texts().isEmpty(), qPrintable(watch.texts().join(u'\n')));
      std::variant<Setup, QString> held = main->CaptureSetup();
      QVERIFY(std::holds_alternative<Setup>(held));
      // The examples keep no places: the windows stand where this screen put them.
      std::get<Setup>(held).windows.places.clear();
      QCOMPARE(WriteSetup(std::get<Setup>(held)), WriteSetup(reading.setup));
    }
    QCOMPARE(main->Setups().RecentFiles(), recent);
  }

  void planetaryExamplesShowTheDiscFaceOn_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("full moon") << QStringLiteral("moon-full");
    QTest::newRow("phase 60") << QStringLiteral("moon-phase-60");
    QTest::newRow("Minnaert's limb") << QStringLiteral("minnaert-limb");
  }
  void planetaryExamplesShowTheDiscFaceOn() {
    QFETCH(QString, file);
    std::unique_ptr<MainWindow> main = OpenMainWindow();
    Activate(*main);
    main->findChild<QAction*>(QStringLiteral("Example_") + file)->trigger();
    const RenderState* state = main->Form().LastPassState();
    QVERIFY(state != nullptr);
    const int width = 393;
    const int height = 337;
    const auto pointAt = [&](int x, int y) {
      const std::optional<Readout> readout = ReadoutAtPixel(*state, width, height, x, y);
      if (!readout) qFatal("no sphere at %d, %d", x, y);
      return readout->reading.surfacePoint;
    };
    // Face-on: the pole at the centre; the disc's upper edge is the +y side.
    const int radius = static_cast<int>(1.0 / state->pixelScale);
    QVERIFY2(pointAt(width / 2, height / 2).z > 0.999, "the pole is not at the centre");
    QVERIFY2(pointAt(width / 2, height / 2 - radius * 9 / 10).y > 0.85, "+y is not up");
    // The brightest phi of the disc within white at the setup's exposure.
    double brightest = 0.0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::optional<Readout> readout = ReadoutAtPixel(*state, width, height, x, y);
        if (readout) brightest = std::max(brightest, double{readout->reading.functionPhi});
      }
    }
    const double exposure = std::get<Setup>(main->CaptureSetup()).picture.exposure;
    QVERIFY2(brightest * exposure <= 1.0 + 1e-3,
             qPrintable(QStringLiteral("phi %1 at exposure %2").arg(brightest).arg(exposure)));
  }
};

}  // namespace

GAUSS_QTEST_MAIN(ExamplesMenuTest)
#include "examples_menu_test.moc"
