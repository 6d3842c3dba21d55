// The messages the core composes, as the window shows them: with English chosen, one message of
// each family comes out English with its numbers and file names as the core wrote them, and what
// the user typed or named stays as it is even where it reads as one of the core's Russian
// templates; with Russian, byte for byte the core's Russian text.

#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <functional>
#include <utility>

#include "app/language/language.h"
#include "app/setup_open.h"
#include "app/surface/elevation_open.h"
#include "elevation/elevation_model.h"
#include "intake/input_messages.h"
#include "intake/law_texts.h"
#include "messages/translated_message.h"
#include "photoset/photo_set.h"
#include "qt_test_registry.h"
#include "recovery/light_check.h"
#include "recovery/recovery_memory.h"

namespace {

const NumberFormat kCommaFormat{",", " "};

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One family: the core's message, and the text the window shows for it.
struct Family {
  const char* name;
  std::function<Message(const QDir&)> core;
  std::function<QString(const QDir&)> shown;  // none: the message translated
  QStringList english;  // what the English text must hold, numbers and names as written
  QString typed = {};   // Russian that the user typed or named, shown as it is in English too
};

// Every number of `text`, in ascending order: a translation keeps them all.
QStringList Numbers(const QString& text) {
  static const QRegularExpression kNumber(QStringLiteral("\\d+"));
  QStringList numbers;
  for (auto found = kNumber.globalMatch(text); found.hasNext();) numbers << found.next().captured();
  numbers.sort();
  return numbers;
}

// A setup's refusal, or its warning when it opens.
QString SetupText(const SetupOutcome& outcome) {
  const auto* refusal = std::get_if<QString>(&outcome);
  return refusal != nullptr ? *refusal : std::get<SetupReading>(outcome).warning;
}

Message SetupMessage(const SetupSaidOutcome& outcome) {
  const auto* refusal = std::get_if<Message>(&outcome);
  return refusal != nullptr ? *refusal : *std::get<SetupReading>(outcome).warningSaid;
}

Message ElevationMessage(const QDir& folder, const char* file) {
  const auto read = ReadElevationModel(folder.filePath(QString::fromUtf8(file)).toStdString(), {});
  return std::get<ElevationError>(read).said;
}

// A setup file of `folder` as the setup library words it, and as the window shows it.
Family SetupFamily(const char* name, const char* file, QStringList english) {
  return {name,
          [file](const QDir& folder) {
            return SetupMessage(ReadSetupFileSaid(folder.filePath(QLatin1String(file))));
          },
          [file](const QDir& folder) {
            return SetupText(OpenSetupFile(folder.filePath(QLatin1String(file))));
          },
          std::move(english)};
}

// The setups the rows open, each a way a file fails.
constexpr std::array<std::pair<const char*, const char*>, 5> kSetupFiles = {{
    {"cut 3.gsetup", R"({"program": "gauss-sphere", "version": 1, "sphere": {"slant": 3)"},
    {"number 4.gsetup", R"({"program": "gauss-sphere", "version": 1, "sphere": {"slant": "abc"}})"},
    {"function 5.gsetup",
     R"({"program": "gauss-sphere", "version": 1, "sphere": {"function": "glow"}})"},
    {"newer 6.gsetup",
     R"({"program": "gauss-sphere", "version": 1, "sphere": {"glow": 2}, "animation": {}})"},
    {"twice 8.gsetup", R"({"program": "gauss-sphere", "version": 1, "version": 1})"},
}};

const std::vector<Family>& Families() {
  static const std::vector<Family> kFamilies = {
      {"input",
       [](const QDir&) {
         return ParameterSaid(ShadeField::kSlant, "12;5", NumberError::kOtherDecimalSeparator,
                              kCommaFormat);
       },
       {},
       {"The box “Source slant” holds “12;5”", "a comma"}},
      {"legend, two lines",
       [](const QDir&) {
         return LegendRefusalSaid(LegendColumn::kHalfWidth, 4, "0,0x", NumberError::kNotANumber,
                                  kCommaFormat, 2);
       },
       {},
       {"Shading not done.\nHalf-width", "legend row 5", "“0,0x” is not a number",
        "in error: 2.\nCorrect the boxes"}},
      // A box holding the words of an empty box's reason is quoted, not taken for that reason.
      {"legend box holding a template's words",
       [](const QDir&) {
         return LegendRefusalSaid(LegendColumn::kLevel, 0, "поле пусто", NumberError::kNotANumber,
                                  kCommaFormat);
       },
       {},
       {"“поле пусто” is not a number"},
       QStringLiteral("поле пусто")},
      {"box holding a template's words",
       [](const QDir&) {
         return ParameterSaid(ShadeField::kRotX, "Наклон источника", NumberError::kNotANumber,
                              kCommaFormat);
       },
       {},
       {"“Наклон источника”"},
       QStringLiteral("Наклон источника")},
      {"formula",
       [](const QDir&) {
         return FormulaErrorSaid(std::get<FormulaError>(CompileFormula("ci*k2 + x", {"k2"})));
       },
       {},
       {"The formula does not read: at position", "the unknown name “x”", "A formula knows"}},
      {"elevation file",
       [](const QDir& folder) { return ElevationMessage(folder, "terrain 7.asc"); },
       [](const QDir& folder) {
         return std::get<QString>(OpenElevationFile(folder.filePath("terrain 7.asc"), {}, 1.0));
       },
       {"Could not read the elevation model “terrain 7.asc”: the file is empty."}},
      // A file named as the reason of an empty file keeps its name; the reason is translated.
      {"elevation file named as a reason",
       [](const QDir& folder) { return ElevationMessage(folder, "файл пуст"); },
       [](const QDir& folder) {
         return std::get<QString>(OpenElevationFile(folder.filePath("файл пуст"), {}, 1.0));
       },
       {"Could not read the elevation model “файл пуст”: the file is empty."},
       QStringLiteral("файл пуст")},
      {"elevation file with a word among its numbers",
       [](const QDir& folder) { return ElevationMessage(folder, "words 8.asc"); },
       {},
       {"“words 8.asc”: line 7 holds “none” where a number should be."}},
      {"elevation data shorter than its header",
       [](const QDir& folder) { return ElevationMessage(folder, "short 9.img"); },
       {},
       {"“short 9.img”: the file holds less data than its header says: 4 bytes needed, 3 in"}},
      {"elevation data that is a FIFO",
       [](const QDir& folder) { return ElevationMessage(folder, "pds 10.lbl"); },
       {},
       {"“pds 10.lbl”: its data file “DATA.IMG” is not a regular file"}},
      {"recovery too large",
       [](const QDir&) {
         return *RecoveryMemoryRefusalSaid(RecoveryMethod::kWoodhamStereo, Integrator::kOnMask,
                                           2048, 2048);
       },
       {},
       {"Recovery by “Photometric stereo (Woodham)” integrated by “Poisson on the mask” on a "
        "2048 × 2048 grid"}},
      {"photo folder",
       [](const QDir& folder) { return std::get<Message>(ReadPhotoSetSaid(folder.path())); },
       {},
       {"“light_directions.txt”: 1 line for 2 images in filenames.txt."}},
      {"recovery lights",
       [](const QDir&) {
         return CheckLights({{30.0, 0.0}, {30.0, 0.0}, {45.0, 90.0}})->said;
       },
       {},
       {"Sources 1 and 2 shine from the same direction"}},
      SetupFamily("setup cut short", "cut 3.gsetup",
                  {"cut 3.gsetup” was not opened: the text does not read as JSON (after the key "
                   "“slant”, character ",
                   "): the text breaks off (is the file cut short?)."}),
      SetupFamily("setup bad number", "number 4.gsetup",
                  {"number 4.gsetup” was not opened: key “sphere.slant”: a number is expected, "
                   "but \"abc\" is written."}),
      SetupFamily("setup unknown function", "function 5.gsetup",
                  {"function 5.gsetup” was not opened: key “sphere.function”: there is no "
                   "function “glow”."}),
      SetupFamily("setup unknown keys", "newer 6.gsetup",
                  {"Setup “",
                   "newer 6.gsetup”: unknown keys were left out (a file from a newer "
                   "version?): sphere.glow, animation"}),
      SetupFamily("setup key twice", "twice 8.gsetup",
                  {"twice 8.gsetup” was not opened: key “version”: it is written twice in the "
                   "file."}),
      SetupFamily("setup FIFO", "fifo 9.gsetup",
                  {"fifo 9.gsetup” was not opened: it is not a regular file (a pipe, a device or "
                   "a folder)."}),
  };
  return kFamilies;
}

void Switch(Language language) {
  QVERIFY(UseLanguage(language));
  QApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace

class TranslatedMessagesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    const QDir folder(folder_.path());
    QVERIFY(WriteFile(folder.filePath("terrain 7.asc"), {}));
    QVERIFY(WriteFile(folder.filePath("файл пуст"), {}));
    QVERIFY(WriteFile(folder.filePath("words 8.asc"),
                      "ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\n1 2\nnone 4\n"));
    const QByteArray enviHeader =
        "ENVI\nsamples = 2\nlines = 2\nbands = 1\ndata type = 1\ninterleave = bsq\n";
    QVERIFY(WriteFile(folder.filePath("short 9.hdr"), enviHeader));
    QVERIFY(WriteFile(folder.filePath("short 9.img"), "\1\2\3"));
    QVERIFY(WriteFile(folder.filePath("pds 10.lbl"),
                      "PDS_VERSION_ID = PDS3\r\nRECORD_TYPE = FIXED_LENGTH\r\nRECORD_BYTES = 4\r\n"
                      "FILE_RECORDS = 2\r\n^IMAGE = \"DATA.IMG\"\r\nOBJECT = IMAGE\r\n"
                      "  LINES = 2\r\n  LINE_SAMPLES = 4\r\n  SAMPLE_TYPE = UNSIGNED_INTEGER\r\n"
                      "  SAMPLE_BITS = 8\r\nEND_OBJECT = IMAGE\r\nEND\r\n"));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("DATA.IMG")).constData(), 0600), 0);
    QVERIFY(WriteFile(folder.filePath("filenames.txt"), "a.png\nb.png\n"));
    QVERIFY(WriteFile(folder.filePath("light_directions.txt"), "0 0 1\n"));
    for (const auto& [name, text] : kSetupFiles) {
      QVERIFY(WriteFile(folder.filePath(QLatin1String(name)), text));
    }
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("fifo 9.gsetup")).constData(), 0600), 0);
  }
  void cleanup() { UseLanguage(Language::kRussian); }

  void shownInEitherLanguage_data() {
    QTest::addColumn<int>("family");
    for (size_t k = 0; k < Families().size(); ++k) {
      QTest::newRow(Families()[k].name) << static_cast<int>(k);
    }
  }

  void shownInEitherLanguage() {
    QFETCH(int, family);
    const Family& row = Families().at(static_cast<size_t>(family));
    const QDir folder(folder_.path());
    const Message message = row.core(folder);
    const std::string core = RussianText(message);
    const auto shown = [&] { return row.shown ? row.shown(folder) : TranslatedMessage(message); };

    QCOMPARE(shown().toStdString(), core);  // Russian: the core's bytes

    Switch(Language::kEnglish);
    const QString english = shown();
    for (const QString& part : row.english) {
      QVERIFY2(english.contains(part), qPrintable(english));
    }
    static const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QString untyped = english;
    if (!row.typed.isEmpty()) untyped.remove(row.typed);
    QVERIFY2(!untyped.contains(kCyrillic), qPrintable(english));
    QCOMPARE(Numbers(english), Numbers(QString::fromStdString(core)));

    Switch(Language::kRussian);
    QCOMPARE(shown().toStdString(), core);
  }

 private:
  QTemporaryDir folder_;
};

GAUSS_QTEST_MAIN(TranslatedMessagesTest)
#include "translated_messages_test.moc"
