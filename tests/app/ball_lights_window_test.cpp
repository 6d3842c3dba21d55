// «Шар-зеркало» in the recovery window: a mirror ball's folder gives its lights within a degree;
// a broken folder is one message and leaves the lights found before (a fault aimed at: lights
// cleared or replaced on the failure path); light_directions.txt is written whole or the old
// file stays (a write cut short by the file-size limit); the lights go to the photographs only
// when they are as many (a fault aimed at: a count not checked).

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstring>

#include "app/recovery/ball_lights_box.h"
#include "app/recovery/recovery_controls.h"
#include "app/recovery/recovery_window.h"
#include "ball_folders.h"
#include "file_size_limit.h"
#include "form_probe.h"
#include "photoset/ball_set.h"
#include "qt_test_registry.h"

namespace {

constexpr int kSide = 96;

double DegreesBetween(const LightAim& one, const LightAim& other) {
  const SourceDirection a = DirectionOf(one);
  const SourceDirection b = DirectionOf(other);
  const double cosine = std::clamp(a.x * b.x + a.y * b.y + a.z * b.z, -1.0, 1.0);
  return std::acos(cosine) * 180.0 / M_PI;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void ReadBall(RecoveryWindow& window, const QString& folder) {
  window.OpenBallFolder(folder);
  if (!QTest::qWaitFor([&] { return !window.Running(); }, 30000)) qFatal("never read");
}

class BallLightsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void ballLightsAreFoundWrittenAndLightThePhotographs() {
    const std::vector<LightAim> lights{{30, 0}, {35, 120}, {40, 240}};
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    WriteBallSet(root / "ball", lights, kSide);
    RecoveryWindow window;
    ReadBall(window, dir.filePath(QStringLiteral("ball")));
    const std::vector<LightAim> found = window.BallLights().Lights();
    QCOMPARE(found.size(), lights.size());
    for (size_t k = 0; k < lights.size(); ++k) QVERIFY(DegreesBetween(found[k], lights[k]) < 1.0);

    // Each broken folder: one message naming what is wrong, the lights found before kept.
    WriteBallSet(root / "no mask", lights, kSide);
    std::filesystem::remove(root / "no mask" / "mask.png");
    WriteBallSet(root / "image gone", lights, kSide);
    std::filesystem::remove(root / "image gone" / "ball1.png");
    const struct {
      const char* folder;
      const char* said;
    } kBroken[] = {{"no mask", "mask.png"}, {"image gone", "ball1.png"}, {"nowhere", "nowhere"}};
    for (const auto& broken : kBroken) {
      MessageBoxWatch watch;
      ReadBall(window, dir.filePath(QString::fromUtf8(broken.folder)));
      QCOMPARE(watch.texts().size(), 1);
      QVERIFY2(watch.texts().front().contains(QString::fromUtf8(broken.said)),
               qPrintable(watch.texts().front()));
      const std::vector<LightAim> kept = window.BallLights().Lights();
      QCOMPARE(kept.size(), found.size());
      QCOMPARE(kept.back().tiltDegrees, found.back().tiltDegrees);
    }

    // A write cut short keeps the old file; a whole one is what the renderer prints.
    const QString target = dir.filePath(QStringLiteral("ball/light_directions.txt"));
    WriteTextFile(target.toStdString(), "old\n");
    {
      MessageBoxWatch watch;
      const FileSizeLimit limit(20);
      QVERIFY(!window.BallLights().WriteDirections(target));
      QCOMPARE(watch.texts().size(), 1);
    }
    QCOMPARE(Bytes(target), QByteArray("old\n"));
    QVERIFY(window.BallLights().WriteDirections(target));
    QCOMPARE(Bytes(target).toStdString(), LightDirectionsText(found));

    // No photographs, then photographs of another count: a message, nothing chosen or changed.
    {
      MessageBoxWatch watch;
      QVERIFY(!window.UseBallLights());
      QCOMPARE(watch.texts().size(), 1);
      QVERIFY(window.Controls().Photos() == nullptr);
    }
    // The ball's own shots read as photographs under other directions: the ball's lights
    // replace those once the count agrees.
    std::string others;
    for (const LightAim& aim : {LightAim{20, 10}, LightAim{20, 130}, LightAim{20, 250}}) {
      others += DirectionLine(aim, 1.0);
    }
    WriteTextFile(target.toStdString(), others);
    window.OpenFolder(dir.filePath(QStringLiteral("ball")));
    QTRY_VERIFY(!window.Running());
    const auto photos = window.Controls().Photos();
    QVERIFY(photos != nullptr);
    WriteBallSet(root / "four", {{30, 0}, {30, 90}, {30, 180}, {30, 270}}, kSide);
    ReadBall(window, dir.filePath(QStringLiteral("four")));
    QCOMPARE(window.BallLights().Lights().size(), size_t{4});
    {
      MessageBoxWatch watch;
      QVERIFY(!window.UseBallLights());
      QCOMPARE(watch.texts().size(), 1);
      QCOMPARE(window.Controls().Photos(), photos);
    }
    ReadBall(window, dir.filePath(QStringLiteral("ball")));
    QVERIFY(window.UseBallLights());
    QCOMPARE(window.Controls().Photos()->sources.size(), found.size());
    QCOMPARE(window.Controls().Photos()->sources.back().slantDegrees, found.back().slantDegrees);
    // The pixels kept as they were read, the mask's NaN cells included.
    const auto& lit = window.Controls().Photos()->intensity;
    QCOMPARE(lit.size(), photos->intensity.size());
    for (size_t k = 0; k < lit.size(); ++k) {
      QVERIFY(lit[k].size() == photos->intensity[k].size() &&
              std::memcmp(lit[k].data(), photos->intensity[k].data(),
                          lit[k].size() * sizeof(double)) == 0);
    }
  }
};

}  // namespace

GAUSS_QTEST_MAIN(BallLightsWindowTest)
#include "ball_lights_window_test.moc"
