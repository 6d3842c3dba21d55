// What the setup file writes reads back as the very Setup written, and writing that again gives
// the same bytes: over random setups with every section used, and over a file of the format as
// the program wrote it before automatic exposure and the curve windows were kept.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <variant>

#include "random_setup.h"
#include "setup/setup_file.h"

namespace {

constexpr int kRoundTrips = 200;

QString MadeFile(const QTemporaryDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
  return path;
}

TEST(SetupRoundTripTest, RandomSetupsReadBackAsWrittenAndWriteTheSameBytes) {
  QTemporaryDir folder;
  const std::string albedo = MadeFile(folder, "albedo.png").toStdString();
  const std::string elevation = MadeFile(folder, "dem.tif").toStdString();
  const std::string observations = MadeFile(folder, "points.csv").toStdString();
  const QString name = folder.filePath(QStringLiteral("trip.gsetup"));
  RandomSetup random(20261209);
  for (int trip = 0; trip < kRoundTrips; ++trip) {
    const ::Setup setup = random.Full(albedo, elevation, observations);
    const QByteArray bytes = WriteSetup(setup);
    const SetupOutcome outcome = ReadSetup(bytes, name);
    ASSERT_TRUE(std::holds_alternative<SetupReading>(outcome))
        << trip << ": " << std::get<QString>(outcome).toStdString();
    const SetupReading& reading = std::get<SetupReading>(outcome);
    EXPECT_TRUE(reading.warning.isEmpty()) << trip << ": " << reading.warning.toStdString();
    ASSERT_TRUE(reading.setup == setup) << trip << ":\n" << bytes.toStdString();
    ASSERT_EQ(WriteSetup(reading.setup), bytes) << trip;
  }
}

// A file as the program wrote it before: read and written again it is the same file, and it
// gained no key (a version without them would warn of each).
TEST(SetupRoundTripTest, FileOfTheEarlierFormatIsWrittenAgainUnchanged) {
  QFile file(QStringLiteral(SETUP_TEST_DATA "/lecture_today.gsetup"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const SetupOutcome outcome = ReadSetup(bytes, file.fileName());
  ASSERT_TRUE(std::holds_alternative<SetupReading>(outcome))
      << std::get<QString>(outcome).toStdString();
  const SetupReading& reading = std::get<SetupReading>(outcome);
  EXPECT_TRUE(reading.warning.isEmpty()) << reading.warning.toStdString();
  EXPECT_EQ(reading.setup.surface.kind, "crater");
  EXPECT_TRUE(reading.setup.surface.castShadows);
  EXPECT_FALSE(reading.setup.picture.autoExposure);
  EXPECT_TRUE(reading.setup.curves == CurvesSetup{});
  EXPECT_EQ(WriteSetup(reading.setup).toStdString(), bytes.toStdString());
}

}  // namespace
