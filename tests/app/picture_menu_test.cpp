// The picture's context menu: save and copy become available with the first pass; what they
// give is the picture as shown with the arrow in its visible mode and the label over it; a file
// that cannot be written is a message naming it; a text box keeps its own Copy key.

#include "app/picture_menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/picture_export.h"
#include "form_probe.h"

namespace {

const QPoint kOnShaft(196, 40);  // white in the picture, above the sphere

void Press(Form1& form) { QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton); }

std::unique_ptr<Form1> ActiveForm() {
  auto form = OpenForm();
  form->show();
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form.get())) qFatal("the window did not become active");
  return form;
}

}  // namespace

class PictureMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void availableAfterTheFirstPass() {
    auto form = ActiveForm();
    PictureMenu& menu = form->pictureMenu();
    int asked = 0;
    menu.SetPathPicker([&asked] {
      ++asked;
      return QString();
    });
    QCOMPARE(menu.Menu()->actions(), (QList<QAction*>{menu.SaveAction(), menu.CopyAction()}));
    QCOMPARE(menu.SaveAction()->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(menu.CopyAction()->shortcut(), QKeySequence(QKeySequence::Copy));
    QVERIFY(!menu.SaveAction()->isEnabled());
    QVERIFY(!menu.CopyAction()->isEnabled());
    QTest::keySequence(Find<PictureBox>(*form, "Picture1"), QKeySequence::Save);
    QCOMPARE(asked, 0);

    Press(*form);
    QVERIFY(menu.SaveAction()->isEnabled());
    QVERIFY(menu.CopyAction()->isEnabled());
    auto* box = Find<QLineEdit>(*form, "Text1");
    box->setFocus();  // Save works from a text box too
    QTest::keySequence(box, QKeySequence::Save);
    QCOMPARE(asked, 1);

    auto* picture = Find<PictureBox>(*form, "Picture1");
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(20, 20),
                              picture->mapToGlobal(QPoint(20, 20)));
    QCoreApplication::sendEvent(picture, &request);
    QTRY_VERIFY(menu.Menu()->isVisible());
    menu.Menu()->close();
  }

  // The arrow is drawn inverted whatever its blink phase, the label where it sits; every other
  // pixel is the picture's. PNG and BMP files hold exactly that.
  void savesThePictureAsShown_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("drawMode");
    QTest::newRow("PNG, arrow shown") << "sphere.png" << 6;
    QTest::newRow("BMP, arrow in its hidden phase") << "sphere.bmp" << 11;
    QTest::newRow("no ending: PNG") << "sphere" << 6;
  }

  void savesThePictureAsShown() {
    QFETCH(QString, file);
    QFETCH(int, drawMode);
    auto form = ActiveForm();
    Press(*form);
    auto* picture = Find<PictureBox>(*form, "Picture1");
    for (int line = 1; line <= 3; ++line) {
      ArrowLine arrow = picture->ArrowLineAt(line);
      arrow.drawMode = drawMode;
      picture->SetArrowLine(line, arrow);
    }
    const QImage painted = picture->Image();
    const QImage expected = ExportedPicture(*picture, Find<QLabel>(*form, "Label6"));
    QCOMPARE(expected.size(), QSize(393, 337));
    QCOMPARE(expected.pixel(kOnShaft), qRgb(0, 0, 0));
    int labelPixels = 0;
    int elsewhere = 0;
    for (int y = 0; y < expected.height(); ++y) {
      for (int x = 0; x < expected.width(); ++x) {
        if (expected.pixel(x, y) == painted.pixel(x, y)) continue;
        if (y < 16) {
          ++labelPixels;
        } else if (!(x >= 189 && x <= 203 && y <= 96)) {
          ++elsewhere;
        }
      }
    }
    QVERIFY(labelPixels > 50);
    QCOMPARE(elsewhere, 0);
    QCOMPARE(picture->Image(), painted);

    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    form->pictureMenu().SetPathPicker([&path] { return path; });
    form->pictureMenu().SaveAction()->trigger();
    const QImage saved(path, file.endsWith(".bmp") ? "BMP" : "PNG");
    QVERIFY(!saved.isNull());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), expected);
  }

  void failedSaveNamesTheFile() {
    auto form = ActiveForm();
    Press(*form);
    QTemporaryDir folder;
    const QString path = folder.filePath("missing/sphere.png");
    MessageBoxWatch watch;
    QVERIFY(!form->pictureMenu().SaveTo(path));
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY2(watch.texts().first().contains(path), qPrintable(watch.texts().first()));
    QVERIFY(watch.texts().first().contains(QStringLiteral("папки")));
    QVERIFY(!QFileInfo::exists(path));
  }

  // Copy from the menu or the key, except in a text box, which copies its own selection.
  void copyPutsThePictureOnTheClipboard() {
    auto form = ActiveForm();
    Press(*form);
    auto* picture = Find<PictureBox>(*form, "Picture1");
    const QImage expected = ExportedPicture(*picture, Find<QLabel>(*form, "Label6"));
    QClipboard* clipboard = QGuiApplication::clipboard();

    clipboard->setText("before");
    auto* box = Find<QLineEdit>(*form, "Text1");
    box->setFocus();
    box->selectAll();
    QTest::keySequence(box, QKeySequence::Copy);
    QCOMPARE(clipboard->text(), QStringLiteral("30"));
    QVERIFY(clipboard->image().isNull());

    picture->setFocus();
    QTest::keySequence(picture, QKeySequence::Copy);
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), expected);

    clipboard->clear();
    form->pictureMenu().CopyAction()->trigger();
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), expected);
  }
};

QTEST_MAIN(PictureMenuTest)
#include "picture_menu_test.moc"
