// Setups saved and opened: random setups, each with every setting away from its start value,
// written and read into a new main window give the same RenderState, law settings, sources,
// controls, curve windows and picture; the renderer, given the file the window saved, paints the
// same picture, automatic exposure included; a file that is refused changes nothing in the
// window, and a FIFO is refused at once.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>
#include <variant>

#include "app/curves/observations_panel.h"
#include "app/curves/phase_curve_window.h"
#include "app/curves/profile_window.h"
#include "app/law/law_window.h"
#include "app/map/gradient_map_window.h"
#include "app/picture/picture_box.h"
#include "app/setup_menu.h"
#include "form_probe.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "qt_test_registry.h"
#include "random_setup.h"
#include "setup/setup_file.h"
#include "surface/surface_catalogue.h"

namespace {

// The file's own test (tests/setup) takes 200 setups through write and read; here a few go
// through the window's controls and back, two of them painted by the renderer too.
constexpr int kRoundTrips = 6;
constexpr int kRendererEvery = 3;

// The state with its compiled formula compared by text and names (each window compiles its own).
// The mirror tolerance is what the last mirror pass chose: a setting only while the mirror is.
void CompareStates(RenderState shown, RenderState opened) {
  if (shown.reflectanceKind != kMirror) shown.mirrorTolerance = opened.mirrorTolerance;
  QCOMPARE(shown.law.formula == nullptr, opened.law.formula == nullptr);
  if (shown.law.formula) {
    QCOMPARE(shown.law.formula->Text(), opened.law.formula->Text());
    QCOMPARE(shown.law.formula->ParameterNames(), opened.law.formula->ParameterNames());
  }
  shown.law.formula.reset();
  opened.law.formula.reset();
  QVERIFY(shown == opened);
}

const QImage& SpherePicture(MainWindow& main) {
  return Find<PictureBox>(main.Form(), QStringLiteral("Picture1"))->Image();
}

::Setup Captured(const MainWindow& main) {
  const std::variant<::Setup, QString> setup = main.CaptureSetup();
  if (const auto* refusal = std::get_if<QString>(&setup)) qFatal("%s", qPrintable(*refusal));
  return std::get<::Setup>(setup);
}

}  // namespace

class SetupRoundTripTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

  void randomSetupsOpenAsSaved() {
    QTemporaryDir folder;
    RandomSetup random(20261208);
    // One window opens every setup in turn, so that what an earlier one left would show through;
    // each is read into a new window.
    auto shown = OpenMainWindow();
    for (int trip = 0; trip < kRoundTrips; ++trip) {
      ::Setup setup = random.Make();
      const bool rendered = trip % kRendererEvery == 0;
      if (rendered) {
        setup.picture.contourLines = setup.picture.outline = setup.picture.sourceMark = false;
      }
      QVERIFY(!shown->ApplySetup(setup));
      // Every setting came back from the controls as it went in, bit for bit; the windows'
      // places are where this screen put them (windows_arrange_test keeps them).
      const ::Setup saved = Captured(*shown);
      ::Setup withoutPlaces = saved;
      withoutPlaces.windows.places.clear();
      QVERIFY(withoutPlaces == setup);
      const QString path = folder.filePath(QStringLiteral("trip%1.gsetup").arg(trip));
      QVERIFY(shown->Setups().Save(path));
      const SetupOutcome read = ReadSetupFile(path);
      QVERIFY(std::holds_alternative<SetupReading>(read));
      QCOMPARE(std::get<SetupReading>(read).setup, saved);

      auto opened = OpenMainWindow();
      QVERIFY(!opened->ApplySetup(std::get<SetupReading>(read).setup));
      CompareStates(*shown->Form().LastPassState(), *opened->Form().LastPassState());
      QCOMPARE(Captured(*opened), saved);
      QCOMPARE(SpherePicture(*opened), SpherePicture(*shown));
      if (rendered) {
        const QString png = folder.filePath(QStringLiteral("trip%1.png").arg(trip));
        QProcess renderer;
        renderer.start(QStringLiteral(GAUSS_SPHERE_RENDER), {"--setup", path, "-o", png});
        QVERIFY(renderer.waitForFinished(30000));
        QVERIFY2(renderer.exitCode() == 0, renderer.readAllStandardError().constData());
        QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32), SpherePicture(*shown));
      }
    }
    qInfo("%d setups saved and opened", kRoundTrips);
  }

  // A FIFO with no writer is a message within a second, not a window frozen in open(). Should
  // the window wait all the same, the test opens the writing end after two seconds so as to end.
  void fifoSetupIsRefusedAtOnce() {
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("f.gsetup"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::atomic<bool> done = false;
    std::thread unblock([&] {
      for (int k = 0; k < 40 && !done; ++k) QThread::msleep(50);
      if (done) return;
      const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
    });
    auto main = OpenMainWindow();
    MessageBoxWatch boxes;
    QElapsedTimer clock;
    clock.start();
    const bool opened = main->OpenSetup(fifo);
    const qint64 took = clock.elapsed();
    done = true;
    unblock.join();
    QVERIFY(!opened);
    QVERIFY2(took < 1000, qPrintable(QStringLiteral("%1 ms").arg(took)));
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY2(boxes.texts().front().contains(fifo) &&
                 boxes.texts().front().contains(QStringLiteral("не обычный файл")),
             qPrintable(boxes.texts().front()));
  }

  // Automatic exposure: the window opens at the k «По максимуму» gives the setup's first pass,
  // and paints what the renderer paints from the same file.
  void automaticExposureOpensAsTheRendererPaintsIt() {
    QTemporaryDir folder;
    ::Setup setup;
    setup.sphere.slant = 50.0;
    setup.picture.exposure = 3.0;
    setup.picture.autoExposure = true;
    const QString path = folder.filePath(QStringLiteral("auto.gsetup"));
    QFile file(path);
    const QByteArray bytes = WriteSetup(setup);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    auto main = OpenMainWindow();
    QVERIFY(main->OpenSetup(path));
    QVERIFY(main->Form().State().exposure != setup.picture.exposure);
    const QString png = folder.filePath(QStringLiteral("auto.png"));
    QProcess renderer;
    renderer.start(QStringLiteral(GAUSS_SPHERE_RENDER), {"--setup", path, "-o", png});
    QVERIFY(renderer.waitForFinished(30000));
    QVERIFY2(renderer.exitCode() == 0, renderer.readAllStandardError().constData());
    QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32), SpherePicture(*main));
  }

  // The curve windows' settings come back in the window and in a window opened from the file.
  void curvesOpenAsSaved_data() {
    QTest::addColumn<bool>("magnitudes");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QLineF>("line");
    QTest::newRow("magnitudes") << true << QString() << QLineF();
    QTest::newRow("sphere") << false << kSphereProfile << QLineF(20.5, 30, 200, 180.25);
    QTest::newRow("equator") << true << kEquatorProfile << QLineF();
    QTest::newRow("map") << false << kMapProfile << QLineF(40, 200, 260, 60);
  }

  void curvesOpenAsSaved() {
    QFETCH(bool, magnitudes);
    QFETCH(QString, picture);
    QFETCH(QLineF, line);
    ::Setup setup;
    setup.sphere.slant = 40.0;
    setup.windows.map = picture == kMapProfile;
    setup.curves.magnitudes = magnitudes;
    setup.curves.profile.picture = picture.toStdString();
    setup.curves.profile.line = {line.x1(), line.y1(), line.x2(), line.y2()};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("curves.gsetup"));
    auto shown = OpenMainWindow();
    QVERIFY(!shown->ApplySetup(setup));
    QCOMPARE(Captured(*shown).curves, setup.curves);
    QVERIFY(shown->Setups().Save(path));
    auto opened = OpenMainWindow();
    QVERIFY(opened->OpenSetup(path));
    QCOMPARE(Captured(*opened).curves, setup.curves);
    Companions& windows = opened->Windows();
    QCOMPARE(windows.PhaseCurve() != nullptr && windows.PhaseCurve()->MagnitudesBox().isChecked(),
             magnitudes);
    QCOMPARE(windows.Profile() != nullptr && windows.Profile()->isVisible(), !picture.isEmpty());
  }

  // «Недавние настройки»: the newest first, a file opened again moved up rather than listed
  // twice, at most eight, and still there for the next window.
  void recentFilesKeepTheLastEight() {
    QTemporaryDir folder;
    auto main = OpenMainWindow();
    QStringList opened;
    for (int k = 0; k < kMaxRecentSetups + 2; ++k) {
      opened.prepend(folder.filePath(QStringLiteral("%1.gsetup").arg(k)));
      main->Setups().Remember(opened.front());
    }
    main->Setups().Remember(opened.at(3));
    opened.move(3, 0);
    const QStringList expected = opened.mid(0, kMaxRecentSetups);
    QCOMPARE(main->Setups().RecentFiles(), expected);
    QCOMPARE(OpenMainWindow()->Setups().RecentMenu()->actions().size(), kMaxRecentSetups);
  }

  // A file refused, by the reader or while its surface's files are read, changes nothing: no
  // control, no window, no pass, no recent file.
  void refusedFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size");  // grown to this many bytes (sparse) when not 0
    QTest::addColumn<QString>("said");
    ::Setup other = RandomSetup(11).Make();
    other.sphere.reflectanceKind = kMatte;
    other.law = {};
    const QByteArray good = WriteSetup(other);
    // The first `from` after the sphere's section begins, or anywhere for the top level.
    const auto replaced = [&](const char* from, const char* to) {
      QByteArray text = good;
      const qsizetype at = text.indexOf(
          from, QByteArray(from).contains("slant") ? text.indexOf("\"sphere\": {") : 0);
      if (at < 0) qFatal("no %s", from);
      return text.replace(at, qstrlen(from), to);
    };
    QTest::newRow("truncated") << good.left(good.size() / 3) << qint64(0) << "обрезан";
    QTest::newRow("not JSON") << QByteArray("rotX = 30") << qint64(0) << "JSON";
    QTest::newRow("version 999") << replaced("\"version\": 1", "\"version\": 999") << qint64(0)
                                 << "«version»";
    QTest::newRow("slant abc") << replaced("\"slant\":", "\"slant\": \"abc\", \"slantWas\":")
                               << qint64(0) << "«sphere.slant»";
    QTest::newRow("level 1e400") << replaced("\"levels\": [", "\"levels\": [1e400,") << qint64(0)
                                 << "levels";
    QTest::newRow("formula does not compile")
        << replaced("\"law\": {", "\"law\": {\"formula\": {\"text\": \"ci +\"}") << qint64(0)
        << "«law.formula»";
    QTest::newRow("missing elevation file")
        << replaced("\"elevation\": \"\"", "\"elevation\": \"/nonexistent/dem.tif\"") << qint64(0)
        << "dem.tif";
    QTest::newRow("elevation file that is no model")
        << replaced("\"elevation\": \"\"", "\"elevation\": \"garbage.tif\"") << qint64(0)
        << "garbage.tif";
    QTest::newRow("observations file that is no table")
        << replaced("\"curves\": {", "\"curves\": {\"observations\": \"garbage.tif\", ")
        << qint64(0) << "garbage.tif";
    QTest::newRow("100 MB") << good << qint64(100) * 1024 * 1024 << "КБ";
  }

  // The phase curve window's albedo, zoom and observed points come back with their setup.
  void phaseCurveSettingsOpenAsSaved() {
    QTemporaryDir folder;
    QFile points(folder.filePath(QStringLiteral("points.csv")));
    QVERIFY(points.open(QIODevice::WriteOnly) && points.write("g,brightness\n1,0.5\n9,0.4\n") > 0);
    points.close();
    ::Setup setup;
    setup.curves.lawAlbedo = 0.37;
    setup.curves.opposition = true;
    setup.curves.observationsPath = QFileInfo(points).absoluteFilePath().toStdString();
    auto main = OpenMainWindow();
    QVERIFY(!main->ApplySetup(setup));
    QCOMPARE(Captured(*main).curves, setup.curves);
    PhaseCurveWindow* window = WindowsOf(main->Form()).PhaseCurve();
    QVERIFY(window != nullptr);
    QCOMPARE(window->Albedo(), 0.37);
    QCOMPARE(window->Observations().Points()->points.size(), size_t{2});
  }

  void refusedFileChangesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(QString, said);
    QTemporaryDir folder;
    QFile garbage(folder.filePath(QStringLiteral("garbage.tif")));
    QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not a model") > 0);
    garbage.close();
    const QString path = folder.filePath(QStringLiteral("bad.gsetup"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    if (size > 0) QVERIFY(file.resize(size));
    file.close();

    auto main = OpenMainWindow();
    QVERIFY(!main->ApplySetup(RandomSetup(5).Make()));
    const ::Setup before = Captured(*main);
    const RenderState state = *main->Form().LastPassState();
    const QImage picture = SpherePicture(*main);
    const QStringList recent = main->Setups().RecentFiles();
    MessageBoxWatch boxes;
    QVERIFY(!main->OpenSetup(path));
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY2(boxes.texts().front().contains(path) && boxes.texts().front().contains(said),
             qPrintable(boxes.texts().front()));
    QCOMPARE(Captured(*main), before);
    CompareStates(state, *main->Form().LastPassState());
    QCOMPARE(SpherePicture(*main), picture);
    QCOMPARE(main->Setups().RecentFiles(), recent);
  }
};

GAUSS_QTEST_MAIN(SetupRoundTripTest)
#include "setup_round_trip_test.moc"
