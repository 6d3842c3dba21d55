// The setup file refuses every kind of bad file with a message naming the file, the key and the
// reason, and gives no setup then; a file from a newer version loses only its unknown keys.

#include "setup/setup_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <variant>

namespace {

QByteArray Replaced(QByteArray text, const char* from, const char* to) {
  const qsizetype at = text.indexOf(from);
  EXPECT_GE(at, 0) << from;
  return text.replace(at, qstrlen(from), to);
}

struct BadFile {
  const char* name;
  QByteArray bytes;
  std::vector<const char*> said;  // what the message must say besides the file's name
};

TEST(SetupFileTest, RefusesABadFileNamingFileKeyAndReason) {
  ::Setup setup;
  setup.surface.elevationPath = "/nonexistent/dem.tif";
  const QByteArray good = WriteSetup(::Setup{});
  const std::vector<BadFile> cases = {
      {"truncated", good.left(good.size() / 2), {"не читается как JSON", "обрезан"}},
      {"not json", "slant = 30\n", {"не читается как JSON"}},
      {"version 999", Replaced(good, "\"version\": 1", "\"version\": 999"), {"«version»", "999"}},
      {"slant abc",
       Replaced(good, "\"slant\": 0", "\"slant\": \"abc\""),
       {"«sphere.slant»", "ожидается число", "\"abc\""}},
      {"level 1e400", Replaced(good, "0.9,", "1e400,"), {"«levels»", "вне допустимых пределов"}},
      {"level beyond a float",
       Replaced(good, "0.9,", "1e39,"),
       {"«sphere.levels[0]»", "32-битное"}},
      {"formula does not compile",
       Replaced(Replaced(good, "\"function\": \"matte\"", "\"function\": \"formula\""),
                "\"law\": {", "\"law\": {\"formula\": {\"text\": \"ci * x\"}"),
       {"«law.formula»", "«x»"}},
      {"missing elevation file", WriteSetup(setup), {"«surface.elevation»", "dem.tif"}},
      {"unknown law parameter",
       Replaced(Replaced(good, "\"function\": \"matte\"", "\"function\": \"minnaert\""),
                "\"law\": {", "\"law\": {\"parameters\": {\"kk\": 1}"),
       {"«law.parameters.kk»", "«minnaert»"}},
      // Two values for one setting: which was meant cannot be known.
      {"key twice",
       Replaced(good, "\"slant\": 0", "\"slant\": 0, \"slant\": 5"),
       {"«sphere.slant»", "дважды"}},
      {"eight extra sources",
       Replaced(good, "\"sources\": [", "\"sources\": [{}, {}, {}, {}, {}, {},"),
       {"«map.sources»", "больше 7"}},
      {"key twice in a list's object",
       Replaced(good, "\"used\": false", "\"used\": false, \"used\": true"),
       {"«map.sources[0].used»", "дважды"}},
      {"key twice, once escaped",
       Replaced(good, "\"program\"", "\"\\u0070rogram\": \"x\", \"program\""),
       {"«program»", "дважды"}},
      {"NUL in a formula",
       Replaced(Replaced(good, "\"function\": \"matte\"", "\"function\": \"formula\""),
                "\"law\": {", "\"law\": {\"formula\": {\"text\": \"ci\\u0000 + x\"}"),
       {"«law.formula.text»", "NUL"}},
      {"profile on no picture",
       Replaced(good, "\"program\"",
                "\"curves\": {\"profile\": {\"picture\": \"moon\"}}, \"program\""),
       {"«curves.profile.picture»", "«moon»"}},
      {"profile line of three ends",
       Replaced(
           good, "\"program\"",
           "\"curves\": {\"profile\": {\"picture\": \"map\", \"line\": [1, 2, 3]}}, \"program\""),
       {"«curves.profile.line»", "4"}},
      {"missing observations file",
       Replaced(good, "\"program\"", "\"curves\": {\"observations\": \"gone.csv\"}, \"program\""),
       {"«curves.observations»", "gone.csv"}},
      {"albedo below 0",
       Replaced(good, "\"program\"", "\"curves\": {\"lawAlbedo\": -0.5}, \"program\""),
       {"«curves.lawAlbedo»", "вне пределов"}},
      {"a year the H-function has no approximation of",
       Replaced(Replaced(good, "\"matte\"", "\"hapke-rough\""), "\"law\": {",
                "\"law\": {\"parameters\": {\"Hyear\": 1990}"),
       {"«law.parameters.Hyear»", "1990", "1981", "2002"}},
      {"window place of a fraction",
       Replaced(good, "\"bigSphere\": false",
                "\"bigSphere\": false, \"places\": {\"map\": {\"x\": 1.5}}"),
       {"«windows.places.map.x»", "целое"}},
      {"window place too narrow",
       Replaced(good, "\"bigSphere\": false",
                "\"bigSphere\": false, \"places\": {\"main\": {\"width\": 10}}"),
       {"«windows.places.main.width»", "10"}},
      {"profile without a line",
       Replaced(good, "\"program\"",
                "\"curves\": {\"profile\": {\"picture\": \"sphere\"}}, \"program\""),
       {"«curves.profile.line»"}},
  };
  for (const BadFile& bad : cases) {
    const SetupOutcome outcome = ReadSetup(bad.bytes, QStringLiteral("/tmp/lecture.gsetup"));
    ASSERT_TRUE(std::holds_alternative<QString>(outcome)) << bad.name;
    const QString message = std::get<QString>(outcome);
    EXPECT_TRUE(message.contains(QStringLiteral("«/tmp/lecture.gsetup»")))
        << bad.name << ": " << message.toStdString();
    for (const char* said : bad.said) {
      EXPECT_TRUE(message.contains(QString::fromUtf8(said)))
          << bad.name << ": " << message.toStdString() << " lacks " << said;
    }
  }
}

// A file of 100 MB is refused by its size, before it is read whole.
TEST(SetupFileTest, RefusesAHugeFileBySize) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("huge.gsetup"));
  QFile huge(path);
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(100LL * 1024 * 1024));  // sparse: no 100 MB written
  huge.close();
  const SetupOutcome outcome = ReadSetupFile(path);
  ASSERT_TRUE(std::holds_alternative<QString>(outcome));
  EXPECT_TRUE(std::get<QString>(outcome).contains(QStringLiteral("больше 1024 КБ")))
      << std::get<QString>(outcome).toStdString();
}

// A FIFO (with no writer) or a folder is refused at once, not waited on. Should the reader block
// in open() all the same, the test opens the FIFO's other end after its second so as to end.
TEST(SetupFileTest, RefusesWhatIsNotARegularFileAtOnce) {
  QTemporaryDir folder;
  const QString fifo = folder.filePath(QStringLiteral("f.gsetup"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const QString& path : {fifo, folder.path()}) {
    const auto started = std::chrono::steady_clock::now();
    std::future<SetupOutcome> outcome = std::async(std::launch::async, ReadSetupFile, path);
    if (outcome.wait_for(std::chrono::seconds(1)) != std::future_status::ready) {
      ADD_FAILURE() << path.toStdString() << " still being opened after 1 s";
      const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
    }
    const SetupOutcome read = outcome.get();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    ASSERT_TRUE(std::holds_alternative<QString>(read)) << path.toStdString();
    const QString message = std::get<QString>(read);
    EXPECT_TRUE(message.contains(path) && message.contains(QStringLiteral("не обычный файл")))
        << message.toStdString();
  }
}

// Keys of a newer version are left out with one warning naming them; the rest is read.
TEST(SetupFileTest, LeavesOutUnknownKeysWithOneWarning) {
  QByteArray text = WriteSetup(::Setup{});
  text = Replaced(text, "\"slant\": 0", "\"slant\": 12.5, \"glow\": 2");
  text = Replaced(text, "\"program\"", "\"animation\": {\"frames\": 3}, \"program\"");
  const SetupOutcome outcome = ReadSetup(text, QStringLiteral("new.gsetup"));
  ASSERT_TRUE(std::holds_alternative<SetupReading>(outcome))
      << std::get<QString>(outcome).toStdString();
  const SetupReading& reading = std::get<SetupReading>(outcome);
  EXPECT_EQ(reading.setup.sphere.slant, 12.5);
  EXPECT_TRUE(reading.warning.contains(QStringLiteral("sphere.glow")))
      << reading.warning.toStdString();
  EXPECT_TRUE(reading.warning.contains(QStringLiteral("animation")))
      << reading.warning.toStdString();
}

}  // namespace
