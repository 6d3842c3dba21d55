// «Поверхность»'s files: a FIFO for the albedo or behind a model's label is refused at once (a
// read that waits for a writer), and a picture or a model that does not read changes nothing
// (a half-taken file); one that reads is taken, a picture stretched top row at the top.

#include <sys/stat.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

#include "app/surface/albedo_image.h"
#include "app/surface/surface_controls.h"
#include "deadline_run.h"
#include "form_probe.h"
#include "pds_label.h"
#include "qt_test_registry.h"
#include "surface_probe.h"

class SurfaceFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  // A FIFO for the albedo, and one behind a model's label, are refused within a second with a
  // message each: the window never waits for a writer.
  void fifosDoNotHoldTheWindow() {
    Opened opened = OpenSurface(QStringLiteral("30"), "hemisphere");
    SurfaceControls& controls = opened.surface->Controls();
    QTemporaryDir dir;
    const QString albedo = dir.filePath(QStringLiteral("albedo.png"));
    const QString data = dir.filePath(QStringLiteral("DATA.IMG"));
    const QString label = dir.filePath(QStringLiteral("model.lbl"));
    for (const QString& fifo : {albedo, data}) {
      QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    }
    QFile file(label);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kPdsLabel);
    file.close();
    MessageBoxWatch watch;
    QElapsedTimer clock;
    clock.start();
    {
      const FifoWatchdog watchdog(std::chrono::milliseconds(1500),
                                  {albedo.toStdString(), data.toStdString()});
      QVERIFY(!controls.LoadAlbedo(albedo));
      QVERIFY(!controls.OpenModel(label));
    }
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(watch.texts().size(), 2);
    QVERIFY2(watch.texts().at(0).contains(QStringLiteral("не обычный файл")),
             qPrintable(watch.texts().at(0)));
    QVERIFY2(watch.texts().at(1).contains(QStringLiteral("«DATA.IMG»")),
             qPrintable(watch.texts().at(1)));
  }

  // A picture and a model that do not read are reported naming the file and change nothing; a
  // model that reads is taken; a picture that reads is stretched over the grid, top row at the
  // top.
  void filesThatDoNotReadChangeNothing() {
    Opened opened = OpenSurface(QStringLiteral("30"), "hemisphere");
    SurfaceControls& controls = opened.surface->Controls();
    const int generation = controls.Generation();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("не рисунок.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
    file.close();
    {
      MessageBoxWatch watch;
      QVERIFY(!controls.LoadAlbedo(path));
      QVERIFY(!controls.OpenModel(path));
      QCOMPARE(watch.texts().size(), 2);
      for (const QString& text : watch.texts()) QVERIFY2(text.contains(path), qPrintable(text));
      QVERIFY(watch.texts().at(1).contains(QStringLiteral("Не удалось прочитать модель рельефа")));
    }
    QCOMPARE(controls.Generation(), generation);
    QVERIFY(controls.Choice().albedo.isNull() && !controls.Choice().imported);
    // A model that reads replaces the catalogue's surface.
    const QString grid = dir.filePath(QStringLiteral("plane.asc"));
    QFile model(grid);
    QVERIFY(model.open(QIODevice::WriteOnly));
    model.write(
        "ncols 4\nnrows 3\nxllcorner 0\nyllcorner 0\ncellsize 1\n1 2 3 4\n1 2 3 4\n1 2 3 4\n");
    model.close();
    QVERIFY(controls.OpenModel(grid));
    QVERIFY(controls.Choice().imported);

    QImage halves(1, 2, QImage::Format_RGB32);
    halves.setPixel(0, 0, qRgb(255, 255, 255));
    halves.setPixel(0, 1, qRgb(0, 0, 0));
    const std::vector<double> albedo = AlbedoFromImage(halves, 3, 8);
    QCOMPARE(albedo.size(), size_t{24});
    QVERIFY2(albedo.front() > 0.9 && albedo.back() < 0.1,
             qPrintable(QStringLiteral("%1 %2").arg(albedo.front()).arg(albedo.back())));
  }
};

GAUSS_QTEST_MAIN(SurfaceFilesTest)
#include "surface_files_test.moc"
