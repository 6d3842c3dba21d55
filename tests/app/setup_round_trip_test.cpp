// Setups saved and opened: random setups, each with every setting away from its start value,
// written and read into a new main window give the same RenderState, law settings, sources,
// controls and picture; the renderer, given the file the window saved, paints the same picture;
// and a file that is refused changes nothing in the window.

#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <random>
#include <variant>

#include "app/law/law_window.h"
#include "app/map/gradient_map_window.h"
#include "app/setup_menu.h"
#include "form_probe.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "setup/setup_file.h"
#include "surface/surface_catalogue.h"

namespace {

constexpr int kRoundTrips = 200;
constexpr int kRendererEvery = 40;  // every 40th setup is painted by the renderer too

struct Formula {
  const char* text;
  std::vector<const char*> names;
};
const Formula kFormulas[] = {{"ci^k * ce^(k-1)", {"k"}}, {"a*ci + b*cg", {"a", "b"}}};

class RandomSetup {
 public:
  explicit RandomSetup(uint32_t seed) : random_(seed) {}

  ::Setup Make() {
    ::Setup setup;
    SphereSetup& sphere = setup.sphere;
    sphere.rotX = Uniform(-360.0, 360.0);
    sphere.rotY = Uniform(-360.0, 360.0);
    sphere.rotZ = Uniform(-360.0, 360.0);
    sphere.slant = Uniform(-180.0, 180.0);
    sphere.reflectanceKind = static_cast<int32_t>(Whole(kMatte, kFormula));
    sphere.glossS = Uniform(0.0, 1.0);
    sphere.glossN = Uniform(1.0, 64.0);
    for (int row = 0; row < kIsoBandCount; ++row) {
      sphere.isoLevel[row] = static_cast<float>(Uniform(0.0, 1.2));
      sphere.isoHalfWidth[row] = static_cast<float>(Uniform(0.001, 0.05));
    }
    sphere.colourIsolines = Coin();
    sphere.halfSphere = Coin();
    sphere.smoothing = Coin();
    if (const LawEntry* law = FindLaw(sphere.reflectanceKind)) {
      for (size_t k = 0; k < law->parameters.size(); ++k) {
        setup.law.parameters[k] = Uniform(law->parameters[k].lowest, law->parameters[k].highest);
      }
      setup.law.lunarLambertMcEwen = sphere.reflectanceKind == kLunarLambert && Coin();
    }
    if (sphere.reflectanceKind == kFormula || Coin()) {
      const Formula& formula = kFormulas[Whole(0, 1)];
      setup.law.formula.text = formula.text;
      for (const char* name : formula.names) {
        setup.law.formula.parameters.push_back({name, Uniform(0.1, 2.0)});
      }
      if (sphere.reflectanceKind == kFormula) {
        for (size_t k = 0; k < formula.names.size(); ++k) {
          setup.law.parameters[k] = setup.law.formula.parameters[k].value;
        }
      }
    }
    PictureSetup& picture = setup.picture;
    picture.exposure = Uniform(0.1, 10.0);
    picture.background = std::array{"white", "black", "grey"}[Whole(0, 2)];
    picture.contourLines = Coin();
    picture.outline = Coin();
    picture.sourceMark = Coin();
    picture.lineWidth = static_cast<int>(Whole(1, 4));
    for (SourceSetup& source : setup.map.sources) {
      source = {Coin(), Uniform(0.0, 89.0), Uniform(0.0, 360.0)};
    }
    setup.map.litByAll = Coin();
    setup.map.zoom = Uniform(0.125, 64.0);
    setup.map.centreP = Uniform(-2.0, 2.0);
    setup.map.centreQ = Uniform(-2.0, 2.0);
    const SurfaceKind& kind = SurfaceCatalogue().at(Whole(0, SurfaceCatalogue().size() - 1));
    setup.surface.kind = kind.name;
    setup.surface.parameters.clear();
    for (const SurfaceParameter& parameter : kind.parameters) {
      setup.surface.parameters.push_back(Uniform(parameter.low, parameter.high));
    }
    setup.surface.width = static_cast<int>(Whole(kMinSurfaceWindowSide, kMaxSurfaceWindowSide));
    setup.surface.height = static_cast<int>(Whole(kMinSurfaceWindowSide, kMaxSurfaceWindowSide));
    setup.surface.heightScale = Uniform(-kHeightScaleLimit, kHeightScaleLimit);
    setup.surface.castShadows = Coin();
    // The windows that paint little; the surface's, the curves' and the big sphere's are
    // restored alike but would paint for seconds at these sizes.
    setup.windows.map = Coin();
    setup.windows.sources = setup.windows.map && Coin();
    setup.windows.law = IsAdditionalLaw(sphere.reflectanceKind) && Coin();
    setup.windows.exposure = Coin();
    return setup;
  }

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  size_t Whole(size_t low, size_t high) {
    return std::uniform_int_distribution<size_t>(low, high)(random_);
  }
  bool Coin() { return Whole(0, 1) == 1; }

  std::mt19937 random_;
};

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
      // Every setting came back from the controls as it went in, bit for bit.
      const ::Setup saved = Captured(*shown);
      QVERIFY(saved == setup);
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
      const qsizetype at =
          text.indexOf(from, QByteArray(from).contains("slant") ? text.indexOf("\"sphere\"") : 0);
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
    QTest::newRow("100 MB") << good << qint64(100) * 1024 * 1024 << "КБ";
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

QTEST_MAIN(SetupRoundTripTest)
#include "setup_round_trip_test.moc"
