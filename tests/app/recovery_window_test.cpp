// «Восстановление формы» driven as a user would: from the surface window's images under its
// three sources, with the camera's noise (faults aimed at: the map's sources or the noise left
// out); a chosen cell marks its own true and
// recovered orientations on the map (a swapped row and column, or truth and answer swapped, on a
// grid that is not square); the files written are the results shown; a long run leaves the
// window answering and a cancel shows nothing; a file that cannot be written says so. The 3-D
// view's cells run south to north (north flipped), no more than its side (the step rounded down).

#include "app/recovery/recovery_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "app/map/gradient_map_window.h"
#include "app/map/map_figure.h"
#include "app/picture/background_pass.h"
#include "app/recovery/recovery_controls.h"
#include "app/recovery/recovery_picture.h"
#include "app/recovery/relief_view.h"
#include "app/surface/surface_window.h"
#include "elevation/elevation_model.h"
#include "figure/recovery_pictures.h"
#include "form_probe.h"
#include "photo_folders.h"
#include "qt_test_registry.h"
#include "setup/setup.h"
#include "surface/surface_catalogue.h"

namespace {

constexpr int kWidth = 72;  // not square: a swapped row and column reads another cell
constexpr int kHeight = 48;

// The form shaded at slant 30 with the map's two extra sources (30° at tilts 120 and 240) and
// `added` more from «Добавить», «Поверхность» showing `kind` at width x height, and
// «Восстановление формы» opened from it.
struct Opened {
  std::unique_ptr<Form1> form;
  RecoveryWindow* recovery = nullptr;
};

Opened OpenRecovery(const char* kind, int width = kWidth, int height = kHeight, int added = 0) {
  Opened opened{OpenForm()};
  Activate(*opened.form);
  Retype(*Find<QLineEdit>(*opened.form, "Text4_0"), QStringLiteral("30"));
  Press(*opened.form);
  WindowsOf(*opened.form).OpenMapAction()->trigger();
  GradientMapWindow& map = *WindowsOf(*opened.form).MapWindow();
  Find<QCheckBox>(map, "Source2")->setChecked(true);
  Find<QCheckBox>(map, "Source3")->setChecked(true);
  for (int k = 0; k < added; ++k) Find<QPushButton>(map, "SourcesAdd")->click();
  WindowsOf(*opened.form).SurfaceAction()->trigger();
  SurfaceWindow& surface = *WindowsOf(*opened.form).Surface();
  Find<QComboBox>(surface, "SurfaceKind")
      ->setCurrentIndex(static_cast<int>(FindSurfaceKind(kind) - SurfaceCatalogue().data()));
  Find<QSpinBox>(surface, "SurfaceWidth")->setValue(width);
  Find<QSpinBox>(surface, "SurfaceHeight")->setValue(height);
  QTest::qWait(0);
  if (!QTest::qWaitFor([&] {
        return surface.Shown() != nullptr &&
               surface.Shown()->sources.size() == static_cast<size_t>(3 + added) &&
               surface.Shown()->scene->field.width == width;
      })) {
    qFatal("the surface is not painted");
  }
  Find<QPushButton>(surface, "SurfaceRecover")->click();
  opened.recovery = WindowsOf(*opened.form).Recovery();
  if (opened.recovery == nullptr) qFatal("no recovery window");
  return opened;
}

void RunToEnd(RecoveryWindow& window) {
  window.Run();
  if (!QTest::qWaitFor([&] { return !window.Running(); }, 60000)) qFatal("the run never ended");
}

class RecoveryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void stereoFromTheSurfaceWindowIsTheCoresAndMarksTheChosenCell() {
    Opened opened = OpenRecovery("hemisphere");
    RecoveryWindow& window = *opened.recovery;
    // Noise sets the answer apart from the truth, so that the two marks differ.
    Find<QDoubleSpinBox>(window, "RecoverNoise")->setValue(2.0);
    RunToEnd(window);
    const RecoveryOutcome* outcome = window.Outcome();
    QVERIFY(outcome != nullptr && outcome->error.isEmpty());
    QCOMPARE(outcome->images->intensity.size(), size_t{3});
    QVERIFY(outcome->report->meanAngularErrorDeg > 0.05);
    QVERIFY(outcome->report->meanAngularErrorDeg < 3.0);
    QVERIFY(outcome->report->recoveredPixels > kWidth * kHeight / 3);

    // The error map's scale: a round number above the errors unless a top is typed.
    auto& top = *Find<QDoubleSpinBox>(window, "RecoveryErrorTop");
    const double automatic = ErrorScaleTop(outcome->angleErrors);
    QCOMPARE(window.Picture().ScaleTop(), std::optional<double>(automatic));
    top.setValue(45.0);
    QCOMPARE(window.Picture().ScaleTop(), std::optional<double>(45.0));
    QCOMPARE(window.Picture().Image(),
             AngleErrorImage(outcome->angleErrors, kWidth, kHeight, 45.0));
    top.setValue(0.0);
    QCOMPARE(window.Picture().ScaleTop(), std::optional<double>(automatic));

    // Off the diagonals and the centre lines, inside the dome.
    const QPoint cell(30, 18);
    window.ChooseCell(cell);
    const size_t index = static_cast<size_t>(cell.y()) * kWidth + cell.x();
    const Gradient truth = outcome->truth->gradients.pq[index];
    const MapFigure& figure = WindowsOf(*opened.form).MapWindow()->Figure();
    QVERIFY(figure.PinnedOrientation().has_value() && figure.RecoveredGradient().has_value());
    QCOMPARE(figure.PinnedOrientation()->p, truth.p);
    QCOMPARE(figure.PinnedOrientation()->q, truth.q);
    QCOMPARE(figure.RecoveredGradient()->p, outcome->shape.normals.p[index]);
    QCOMPARE(figure.RecoveredGradient()->q, outcome->shape.normals.q[index]);
    QVERIFY(std::abs(truth.p - truth.q) > 0.05);
  }

  // Eight sources from the map reach both stereo methods, each image under its own source: one
  // dropped, or made under another's light, would leave an error far above rounding.
  void allEightSourcesLightTheStereo() {
    Opened opened = OpenRecovery("hemisphere", kWidth, kHeight, kMaxExtraSources - 2);
    RecoveryWindow& window = *opened.recovery;
    auto& method = *Find<QComboBox>(window, "RecoverMethod");
    for (const RecoveryMethod chosen :
         {RecoveryMethod::kWoodhamStereo, RecoveryMethod::kRobustStereo}) {
      method.setCurrentIndex(method.findData(static_cast<int>(chosen)));
      RunToEnd(window);
      const RecoveryOutcome& outcome = *window.Outcome();
      QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
      QCOMPARE(outcome.images->sources.size(), size_t{kMaxLightSources});
      const LightAim last = outcome.images->sources.back();
      QCOMPARE(last.slantDegrees, kStartExtraSources.back().slant);
      QCOMPARE(last.tiltDegrees, kStartExtraSources.back().tilt);
      QVERIFY2(outcome.report->meanAngularErrorDeg < 1e-6,
               qPrintable(QString::number(outcome.report->meanAngularErrorDeg)));
    }
  }

  // The robust stereo is offered with the others, and the samples it left out are said.
  void robustStereoSaysWhatItLeftOut() {
    Opened opened = OpenRecovery("hemisphere");
    RecoveryWindow& window = *opened.recovery;
    auto& method = *Find<QComboBox>(window, "RecoverMethod");
    method.setCurrentIndex(method.findData(static_cast<int>(RecoveryMethod::kRobustStereo)));
    RunToEnd(window);
    const RecoveryOutcome& outcome = *window.Outcome();
    QVERIFY(outcome.error.isEmpty());
    QVERIFY(outcome.shape.rejectedSamples.has_value());
    QVERIFY(outcome.report->meanAngularErrorDeg < 3.0);
    const QString figures = Find<QLabel>(window, "RecoveryFigures")->text();
    QVERIFY2(figures.contains(QStringLiteral("Отброшено отсчётов (блики и тени):</td><td>%1<")
                                  .arg(QLocale().toString(
                                      static_cast<qlonglong>(*outcome.shape.rejectedSamples)))),
             qPrintable(figures));
  }

  void theFilesWrittenAreTheResultsShown() {
    Opened opened = OpenRecovery("vase");
    RecoveryWindow& window = *opened.recovery;
    Find<QComboBox>(window, "RecoverIntegrator")->setCurrentIndex(2);  // on the mask
    RunToEnd(window);
    const RecoveryOutcome& outcome = *window.Outcome();
    QTemporaryDir dir;
    const QString height = dir.filePath(QStringLiteral("высота.asc"));
    const QString normals = dir.filePath(QStringLiteral("нормали.png"));
    QVERIFY(window.Export(RecoveryExport::kHeight, height));
    QVERIFY(window.Export(RecoveryExport::kNormals, normals));
    std::variant<HeightField, ElevationError> read = ReadElevationModel(height.toStdString());
    QVERIFY(std::holds_alternative<HeightField>(read));
    const HeightField& written = std::get<HeightField>(read);
    QCOMPARE(written.width, kWidth);
    QCOMPARE(written.height, kHeight);
    int mismatched = 0;
    for (size_t cell = 0; cell < written.z.size(); ++cell) {
      const double shown = outcome.shape.heights.z[cell];
      const bool same = std::isnan(shown) ? std::isnan(written.z[cell])
                                          : std::abs(written.z[cell] - shown) < 1e-6;
      mismatched += same ? 0 : 1;
    }
    QCOMPARE(mismatched, 0);
    QCOMPARE(QImage(normals).convertToFormat(QImage::Format_RGB32),
             NormalMapImage(outcome.shape.normals));
    // The error map saved with the top typed in the box, not the automatic one.
    Find<QDoubleSpinBox>(window, "RecoveryErrorTop")->setValue(45.0);
    const QString errors = dir.filePath(QStringLiteral("ошибки.png"));
    QVERIFY(window.Export(RecoveryExport::kErrorMap, errors));
    QCOMPARE(QImage(errors).convertToFormat(QImage::Format_RGB32),
             ErrorMapFigure(outcome.angleErrors, kWidth, kHeight, 45.0, QLocale()));

    // A folder that is not there: a message naming the file, and false.
    MessageBoxWatch watch;
    const QString nowhere = dir.filePath(QStringLiteral("нет/отчёт.txt"));
    QVERIFY(!window.Export(RecoveryExport::kReport, nowhere));
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY(watch.texts().front().contains(QStringLiteral("отчёт.txt")));
  }

  // A folder that reads is chosen and recovered without a truth (the report is the count alone);
  // one whose directions do not match its images is a message naming that list, and the
  // photographs chosen before stay chosen.
  void aFolderOfPhotographsIsReadOffTheWindowsThread() {
    Opened opened = OpenRecovery("hemisphere");
    RecoveryWindow& window = *opened.recovery;
    const std::vector<LightAim> aims{{30, 0}, {30, 120}, {30, 240}};
    const RecoveryImages made =
        MakeRecoveryImages(WindowsOf(*opened.form).Surface()->Shown()->pass.state,
                           *WindowsOf(*opened.form).Surface()->Shown()->scene, aims, {0.0, 1, 16});
    QTemporaryDir good;
    std::string names, directions;
    for (size_t k = 0; k < aims.size(); ++k) {
      const std::string name = "shot" + std::to_string(k) + ".png";
      names += name + "\n";
      directions += DirectionLine(aims[k], 1.0);
      WriteTextFile(good.filePath(QString::fromStdString(name)).toStdString(),
                    Png16(kWidth, kHeight, made.intensity[k]));
    }
    WriteTextFile(good.filePath(QStringLiteral("filenames.txt")).toStdString(), names);
    WriteTextFile(good.filePath(QStringLiteral("light_directions.txt")).toStdString(), directions);
    window.OpenFolder(good.path());
    QTRY_VERIFY(!window.Running());
    const auto photos = window.Controls().Photos();
    QVERIFY(photos != nullptr);
    QCOMPARE(photos->width, kWidth);
    RunToEnd(window);
    QVERIFY(window.Outcome()->truth == nullptr && window.Outcome()->angleErrors.empty());
    const int64_t recovered = window.Outcome()->shape.normals.RecoveredCells();
    QVERIFY(recovered > kWidth * kHeight / 3);
    QCOMPARE(window.ReportText(),
             std::string("recovered_pixels=").append(std::to_string(recovered)) + '\n');

    QTemporaryDir bad;
    for (const QString& name : {QStringLiteral("filenames.txt"), QStringLiteral("shot0.png"),
                                QStringLiteral("shot1.png"), QStringLiteral("shot2.png")}) {
      QVERIFY(QFile::copy(good.filePath(name), bad.filePath(name)));
    }
    WriteTextFile(bad.filePath(QStringLiteral("light_directions.txt")).toStdString(),
                  DirectionLine(aims[0], 1.0) + DirectionLine(aims[1], 1.0));
    MessageBoxWatch watch;
    window.OpenFolder(bad.path());
    QTRY_VERIFY(!window.Running());
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY(watch.texts().front().contains(QStringLiteral("light_directions.txt")));
    QCOMPARE(window.Controls().Photos(), photos);
  }

  void reliefCellsRunSouthToNorthWithinTheLargestSide() {
    const struct {
      int width, height, largest, step;
    } cases[] = {{72, 48, 160, 1}, {512, 300, 160, 4}, {161, 10, 160, 2}, {10, 161, 160, 2}};
    for (const auto& c : cases) {
      const ReliefCells cells = ChooseReliefCells(c.width, c.height, c.largest);
      QCOMPARE(cells.step, c.step);
      QVERIFY(static_cast<int>(cells.rows.size()) <= c.largest);
      QVERIFY(static_cast<int>(cells.columns.size()) <= c.largest);
      QCOMPARE(cells.rows.front(), c.height - 1);  // the south row first
      QCOMPARE(cells.columns.front(), 0);
      QVERIFY(cells.rows.back() < c.step && cells.columns.back() >= c.width - c.step);
    }
  }

  void aLongRunLeavesTheWindowAnsweringAndACancelShowsNothing() {
    Opened opened = OpenRecovery("vase", 512, 512);
    RecoveryWindow& window = *opened.recovery;
    Find<QComboBox>(window, "RecoverMethod")->setCurrentIndex(3);  // Horn's, 200 iterations
    const int budget = BackgroundPass::WaitBudgetMs();
    BackgroundPass::SetWaitBudgetMs(0);
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(5);
    window.Run();
    QVERIFY(window.Running());
    QVERIFY(Find<QPushButton>(window, "RecoverCancel")->isEnabled());
    QTRY_VERIFY(ticks >= 5);  // events are served while the run goes on
    QVERIFY(window.Running());
    QTest::mouseClick(Find<QPushButton>(window, "RecoverCancel"), Qt::LeftButton);
    QVERIFY(!window.Running());
    QVERIFY(Find<QPushButton>(window, "RecoverRun")->isEnabled());
    QTest::qWait(200);
    QVERIFY(window.Outcome() == nullptr);
    BackgroundPass::SetWaitBudgetMs(budget);
  }
};

}  // namespace

GAUSS_QTEST_MAIN(RecoveryWindowTest)
#include "recovery_window_test.moc"
