// Saving the window's picture: a regular file gets the whole picture or keeps its old bytes (a
// file-size limit is a message naming the file and the reason, and leaves no temporary file); a
// FIFO or a device is written to and never replaced; the name's extension chooses PNG, BMP, SVG or
// PDF, a name without one gets the chosen filter's, and any other is refused with nothing written.
// An SVG holds the picture with its arrow as one image and the label over it as text.

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/picture/picture_menu.h"
#include "file_size_limit.h"
#include "form_probe.h"
#include "non_regular_files.h"
#include "qt_test_registry.h"
#include "vector_files.h"

namespace {

std::unique_ptr<Form1> ShadedForm() {
  auto form = OpenForm();
  QTest::mouseClick(Find<QPushButton>(*form, "Command1"), Qt::LeftButton);
  return form;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("no old file");
}

QStringList Entries(const QTemporaryDir& folder) {
  return QDir(folder.path())
      .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// What a save to a regular file in a folder of its own writes for `name`.
QByteArray NormalSave(Form1& form, const QString& name) {
  QTemporaryDir folder;
  const QString path = folder.filePath(name);
  if (!form.PictureContextMenu().SaveTo(path)) qFatal("a normal save failed");
  return ReadAll(path);
}

}  // namespace

class PictureFileSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void fileSizeLimitKeepsTheOldFile_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("PNG") << "gui.png";
    QTest::newRow("BMP") << "gui.bmp";
    QTest::newRow("SVG") << "gui.svg";
    QTest::newRow("PDF") << "gui.pdf";
  }

  void fileSizeLimitKeepsTheOldFile() {
    QFETCH(QString, name);
    auto form = ShadedForm();
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const QByteArray old = "the old picture's bytes";
    WriteAll(path, old);
    MessageBoxWatch watch;
    bool saved = true;
    {
      const FileSizeLimit limit(1024);
      saved = form->PictureContextMenu().SaveTo(path);
    }
    QVERIFY(!saved);
    QCOMPARE(watch.texts().size(), 1);
    QCOMPARE(watch.texts().first(),
             QStringLiteral("Не удалось сохранить рисунок в файл «%1»: файл превысил допустимый "
                            "размер.")
                 .arg(path));
    QCOMPARE(ReadAll(path), old);
    QCOMPARE(Entries(folder), QStringList{name});
  }

  // A FIFO with a reader, or a link to one, gets what a regular file would and stays a FIFO.
  void fifoIsWrittenToAndStaysAFifo_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("FIFO, PNG") << "pipe.png" << false;
    QTest::newRow("link to a FIFO, BMP") << "link.bmp" << true;
  }

  void fifoIsWrittenToAndStaysAFifo() {
    QFETCH(QString, name);
    QFETCH(bool, throughLink);
    auto form = ShadedForm();
    QTemporaryDir folder;
    const QString fifo = folder.filePath(throughLink ? "fifo" : name);
    FifoReader reader(fifo.toStdString());
    QVERIFY(reader.Ready());
    if (throughLink) QVERIFY(QFile::link("fifo", folder.filePath(name)));
    MessageBoxWatch watch;
    const bool saved = form->PictureContextMenu().SaveTo(folder.filePath(name));
    const QByteArray received = QByteArray::fromStdString(reader.Finish());
    QVERIFY2(saved, qPrintable(watch.texts().join('\n')));
    QCOMPARE(received, NormalSave(*form, name));
    QVERIFY(IsFifo(fifo.toStdString()));
    QCOMPARE(QFileInfo(folder.filePath(name)).isSymLink(), throughLink);
  }

  // Targets that fail at once, with the reason named: a FIFO nobody reads (the window does not
  // wait for a reader), a device that is full, a link to it; none of them is replaced.
  void specialTargetsThatFailAreKept_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO without a reader") << "fifo"
                                           << "канал никто не читает";
    QTest::newRow("full device") << "device"
                                 << "на диске нет места";
    QTest::newRow("link to a full device") << "link"
                                           << "на диске нет места";
  }

  void specialTargetsThatFailAreKept() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    auto form = ShadedForm();
    QTemporaryDir folder;
    const QString node = folder.filePath(kind == "fifo" ? "pipe.png" : "full.png");
    if (kind == "fifo") {
      QVERIFY(mkfifo(QFile::encodeName(node).constData(), 0600) == 0);
    } else if (!MakeFullDevice(node.toStdString())) {
      QSKIP("no device to write to");
    }
    const QString path = kind == "link" ? folder.filePath("link.bmp") : node;
    if (kind == "link") QVERIFY(QFile::link(node, path));
    MessageBoxWatch watch;
    QVERIFY(!form->PictureContextMenu().SaveTo(path));
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY2(watch.texts().first().contains(path) && watch.texts().first().contains(reason),
             qPrintable(watch.texts().first()));
    const std::string kept = node.toStdString();
    QVERIFY(kind == "fifo" ? IsFifo(kept) : IsCharacterDevice(kept));
    QCOMPARE(Entries(folder).size(), kind == "link" ? 2 : 1);
  }

  // Through the Save action: the name's extension (any letter case) chooses the format; a name
  // without one gets the chosen filter's; any other is a message naming the four formats.
  void extensionChoosesTheFormat_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");  // the file written, empty when refused
    QTest::newRow("PNG") << "a.png"
                         << "png"
                         << "a.png";
    QTest::newRow("BMP in capitals, PNG filter") << "a.BMP"
                                                 << "png"
                                                 << "a.BMP";
    QTest::newRow("no extension, PNG filter") << "a"
                                              << "png"
                                              << "a.png";
    QTest::newRow("no extension, BMP filter") << "a"
                                              << "bmp"
                                              << "a.bmp";
    QTest::newRow("no extension, SVG filter") << "a"
                                              << "svg"
                                              << "a.svg";
    QTest::newRow("JPEG") << "a.jpg"
                          << "png"
                          << "";
    QTest::newRow("text") << "a.txt"
                          << "bmp"
                          << "";
  }

  void extensionChoosesTheFormat() {
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    auto form = ShadedForm();
    QTemporaryDir folder;
    form->PictureContextMenu().SetPathPicker([&] {
      return PictureMenu::SaveChoice{folder.filePath(typed), filter};
    });
    MessageBoxWatch watch;
    form->PictureContextMenu().SaveAction()->trigger();
    if (written.isEmpty()) {
      QCOMPARE(watch.texts().size(), 1);
      QVERIFY2(watch.texts().first().contains(typed) &&
                   watch.texts().first().contains("PNG (.png)") &&
                   watch.texts().first().contains("BMP (.bmp)") &&
                   watch.texts().first().contains("SVG (.svg) или PDF (.pdf)"),
               qPrintable(watch.texts().first()));
      QVERIFY(Entries(folder).isEmpty());
      return;
    }
    QVERIFY2(watch.texts().isEmpty(), qPrintable(watch.texts().join('\n')));
    QCOMPARE(Entries(folder), QStringList{written});
    const QString format = QFileInfo(written).suffix().toLower();
    QCOMPARE(ReadAll(folder.filePath(written)), NormalSave(*form, "normal." + format));
  }

  // The SVG's one image is the picture with the observer arrow (inverted pixels, not vectors),
  // and the label over it, shown with the arrow, is text drawn over the image.
  void svgHoldsThePictureWithTheArrowAndTheLabelAsText() {
    auto form = ShadedForm();  // the default view shows the arrow and the label
    QTemporaryDir folder;
    const QString path = folder.filePath("sphere.svg");
    QVERIFY(form->PictureContextMenu().SaveTo(path));
    const SvgContents svg = ReadSvg(ReadAll(path));
    QCOMPARE(svg.images, 1);
    QCOMPARE(svg.image.convertToFormat(QImage::Format_RGB32),
             Find<PictureBox>(*form, "Picture1")->ImageWithArrowShownAlone());
    QCOMPARE(svg.texts, QStringList{"НАБЛЮДАТЕЛЬ"});
  }
};

GAUSS_QTEST_MAIN(PictureFileSaveTest)
#include "picture_file_save_test.moc"
