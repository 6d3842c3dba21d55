// «Анимация…»: a GIF of the slant holds each frame a press of «Тонировать» paints at that slant,
// within the palette's rounding, with the delay chosen, and leaves the window's state as it was;
// a cancelled sweep writes nothing; a write that fails keeps the old file and names it.

#include "app/animation/animation_dialog.h"

#include <gif_lib.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "file_size_limit.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

constexpr int kSweepTimeoutMs = 60000;

// Opens «Анимация…» from the «Файл» menu and fills it in for a sweep of the slant.
AnimationDialog& SlantSweep(MainWindow& main, const QString& from, const QString& to, int frames,
                            int delay, const QString& file) {
  main.findChild<QAction*>(QStringLiteral("OpenAnimation"))->trigger();
  AnimationDialog& dialog = *main.Animation();
  auto* setting = Find<QComboBox>(dialog, "AnimationSetting");
  setting->setCurrentIndex(setting->findText(QStringLiteral("Наклон источника, °")));
  Find<QLineEdit>(dialog, "AnimationFrom")->setText(from);
  Find<QLineEdit>(dialog, "AnimationTo")->setText(to);
  Find<QSpinBox>(dialog, "AnimationFrames")->setValue(frames);
  Find<QSpinBox>(dialog, "AnimationDelay")->setValue(delay);
  Find<QLineEdit>(dialog, "AnimationFile")->setText(file);
  return dialog;
}

// Whether the sweep has ended, waiting for it if it has not: a click processes events, so the
// end may have come already.
bool Ended(QSignalSpy& finished) { return finished.count() > 0 || finished.wait(kSweepTimeoutMs); }

// Starts the sweep and waits for its end.
bool RunToEnd(AnimationDialog& dialog) {
  QSignalSpy finished(&dialog, &AnimationDialog::Finished);
  QTest::mouseClick(Find<QPushButton>(dialog, "AnimationStart"), Qt::LeftButton);
  return Ended(finished);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class AnimationDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void aGifOfTheSlantHoldsThePressedPictures() {
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Press(form);
    const RenderState before = form.State();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("наклон.gif"));
    QVERIFY(RunToEnd(SlantSweep(*main, "0", "110", 12, 25, path)));
    QCOMPARE(form.State(), before);  // the sweep painted copies
    QCOMPARE(Find<QLineEdit>(form, "Text4_0")->text(), QStringLiteral("0"));

    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.toLocal8Bit().constData(), &error);
    QVERIFY(gif != nullptr);
    QCOMPARE(DGifSlurp(gif), GIF_OK);
    QCOMPARE(gif->ImageCount, 12);
    for (int k = 0; k < gif->ImageCount; ++k) {
      GraphicsControlBlock control{};
      QCOMPARE(DGifSavedExtensionToGCB(gif, k, &control), GIF_OK);
      QCOMPARE(control.DelayTime, 25);
      // The picture a press paints with the slant typed: 110 degrees in 11 steps.
      Retype(*Find<QLineEdit>(form, "Text4_0"), QString::number(10 * k));
      Press(form);
      const QImage pressed = Find<PictureBox>(form, "Picture1")->Image();
      QCOMPARE(gif->SWidth, pressed.width());
      QCOMPARE(gif->SHeight, pressed.height());
      const GifByteType* indices = gif->SavedImages[k].RasterBits;
      int worst = 0;
      for (int y = 0; y < pressed.height(); ++y) {
        for (int x = 0; x < pressed.width(); ++x) {
          const GifColorType c = gif->SColorMap->Colors[indices[y * pressed.width() + x]];
          const QRgb want = pressed.pixel(x, y);
          worst = std::max({worst, std::abs(c.Red - qRed(want)), std::abs(c.Green - qGreen(want)),
                            std::abs(c.Blue - qBlue(want))});
        }
      }
      QVERIFY2(worst <= 16, qPrintable(QStringLiteral("frame %1: %2").arg(k).arg(worst)));
    }
    DGifCloseFile(gif, &error);
  }

  // Cancelled at once, a long sweep (smoothed, 300 frames) writes neither its GIF nor any PNG.
  void aCancelledSweepWritesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("gif") << QStringLiteral("отмена.gif");
    QTest::newRow("png") << QStringLiteral("отмена_%03d.png");
  }
  void aCancelledSweepWritesNothing() {
    QFETCH(QString, name);
    auto main = OpenMainWindow();
    Find<QCheckBox>(main->Form(), "Check2")->setChecked(true);
    QTemporaryDir folder;
    AnimationDialog& dialog = SlantSweep(*main, "0", "90", 300, 10, folder.filePath(name));
    QSignalSpy finished(&dialog, &AnimationDialog::Finished);
    QTest::mouseClick(Find<QPushButton>(dialog, "AnimationStart"), Qt::LeftButton);
    QVERIFY(dialog.Running());
    QTest::mouseClick(Find<QPushButton>(dialog, "AnimationCancel"), Qt::LeftButton);
    QVERIFY(Ended(finished));
    QVERIFY(!dialog.Running());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
  }

  // A file-size limit below the first file's size: the old file keeps its bytes and the message
  // names it.
  void aFailedWriteKeepsTheOldFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("firstFile");
    QTest::newRow("gif") << QStringLiteral("старый.gif") << QStringLiteral("старый.gif");
    QTest::newRow("png") << QStringLiteral("кадр.png") << QStringLiteral("кадр_000.png");
  }
  void aFailedWriteKeepsTheOldFile() {
    QFETCH(QString, name);
    QFETCH(QString, firstFile);
    auto main = OpenMainWindow();
    QTemporaryDir folder;
    const QString old = folder.filePath(firstFile);
    const QByteArray oldBytes("old bytes");
    {
      QFile file(old);
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write(oldBytes) == oldBytes.size());
    }
    AnimationDialog& dialog = SlantSweep(*main, "0", "60", 3, 10, folder.filePath(name));
    MessageBoxWatch watch;
    {
      const FileSizeLimit limit(1000);
      QVERIFY(RunToEnd(dialog));
    }
    QCOMPARE(ReadAll(old), oldBytes);
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY2(watch.texts().front().contains(QDir::toNativeSeparators(old)),
             qPrintable(watch.texts().front()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{firstFile});
  }

  // Numbered frames are written all or none: frame 3's name taken by a folder, frames 0 to 2
  // keep their old bytes and nothing staged is left.
  void aSweepFailingPartWayKeepsEveryOldFrame() {
    auto main = OpenMainWindow();
    QTemporaryDir folder;
    const QByteArray oldBytes("old bytes");
    const QStringList old{QStringLiteral("кадр_000.png"), QStringLiteral("кадр_001.png"),
                          QStringLiteral("кадр_002.png")};
    for (const QString& name : old) {
      QFile file(folder.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write(oldBytes) == oldBytes.size());
    }
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("кадр_003.png")));
    AnimationDialog& dialog =
        SlantSweep(*main, "0", "60", 5, 10, folder.filePath(QStringLiteral("кадр.png")));
    MessageBoxWatch watch;
    QVERIFY(RunToEnd(dialog));
    for (const QString& name : old) QCOMPARE(ReadAll(folder.filePath(name)), oldBytes);
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY2(watch.texts().front().contains(QStringLiteral("кадр_003.png")),
             qPrintable(watch.texts().front()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), old);
  }

  // A number field wider than a name can be, and frames that land on one file, are refused
  // before a frame is painted; a wide field that fits gives every frame its own file.
  void frameNamesAreWrittenWholeOrRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("files");
    QTest::newRow("too long") << QStringLiteral("к_%300d.png") << 0;
    QTest::newRow("one file") << QStringLiteral("к%d/../к.png") << 0;
    QTest::newRow("wide") << QStringLiteral("к_%40d.png") << 4;
  }
  void frameNamesAreWrittenWholeOrRefused() {
    QFETCH(QString, name);
    QFETCH(int, files);
    auto main = OpenMainWindow();
    QTemporaryDir folder;
    for (const char* sub : {"к0", "к1", "к2", "к3"}) QVERIFY(QDir(folder.path()).mkdir(sub));
    AnimationDialog& dialog = SlantSweep(*main, "0", "60", 4, 10, folder.filePath(name));
    MessageBoxWatch watch;
    if (files == 0) {
      QTest::mouseClick(Find<QPushButton>(dialog, "AnimationStart"), Qt::LeftButton);
      QVERIFY(!dialog.Running());
      QCOMPARE(watch.texts().size(), 1);
      QVERIFY2(watch.texts().front().contains(QStringLiteral("ни один кадр не записан")),
               qPrintable(watch.texts().front()));
    } else {
      QVERIFY(RunToEnd(dialog));
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), files);
  }
};

GAUSS_QTEST_MAIN(AnimationDialogTest)
#include "animation_dialog_test.moc"
