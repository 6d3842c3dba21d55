// «Файл» → «Примеры»: every example is in the resources, reads without a message (a key or a
// parameter misspelt in one is refused), leaves the window holding exactly its setup, and does
// not join the recent files.

#include "app/examples_menu.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include "app/setup_menu.h"
#include "form_probe.h"
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
      const std::variant<Setup, QString> held = main->CaptureSetup();
      QVERIFY(std::holds_alternative<Setup>(held));
      QCOMPARE(WriteSetup(std::get<Setup>(held)), WriteSetup(reading.setup));
    }
    QCOMPARE(main->Setups().RecentFiles(), recent);
  }
};

}  // namespace

QTEST_MAIN(ExamplesMenuTest)
#include "examples_menu_test.moc"
