// The picture's context menu: save and copy become available with the first pass; they give the
// picture as shown with the arrow in its visible mode and the label over it; a file that cannot
// be written is a message naming it; a text box keeps its own Copy key.

#include "app/picture/picture_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/picture/picture_export.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

std::unique_ptr<Form1> ShadedForm(bool shade = true) {
  auto form = OpenForm();
  form->show();
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form.get())) qFatal("the window did not become active");
  if (shade) QTest::mouseClick(Find<QPushButton>(*form, "Command1"), Qt::LeftButton);
  return form;
}

QImage Exported(const Form1& form) {
  return ExportedPicture(*Find<PictureBox>(form, "Picture1"), Find<QLabel>(form, "Label6"));
}

}  // namespace

class PictureMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void availableAfterTheFirstPass() {
    auto form = ShadedForm(false);
    PictureMenu& menu = form->PictureContextMenu();
    int asked = 0;
    menu.SetPathPicker([&asked] {
      ++asked;
      return PictureMenu::SaveChoice{};
    });
    const QList<QAction*> actions = menu.Menu()->actions();
    QCOMPARE(actions.size(), 5);  // and the legend's entry last, under a separator
    QCOMPARE(actions.mid(0, 2), (QList<QAction*>{menu.SaveAction(), menu.CopyAction()}));
    QCOMPARE(actions[2]->objectName(), QStringLiteral("OpenGradientMap"));
    QCOMPARE(actions[4], menu.LegendAction());
    QCOMPARE(actions[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    QVERIFY(!menu.SaveAction()->isEnabled() && !menu.CopyAction()->isEnabled());
    auto* box = Find<QLineEdit>(*form, "Text1");
    box->setFocus();
    QTest::keySequence(box, QKeySequence::Save);
    QCOMPARE(asked, 0);
    QTest::mouseClick(Find<QPushButton>(*form, "Command1"), Qt::LeftButton);
    QVERIFY(menu.SaveAction()->isEnabled() && menu.CopyAction()->isEnabled());
    box->setFocus();
    QTest::keySequence(box, QKeySequence::Save);  // from a text box too
    QCOMPARE(asked, 1);
  }

  void savesThePictureAsShown_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("drawMode");
    QTest::newRow("PNG, arrow shown") << "sphere.png" << 6;
    QTest::newRow("BMP, arrow in its hidden phase") << "sphere.BMP" << 11;
  }

  // The arrow is inverted whatever its blink phase, the label drawn where it sits; every other
  // pixel is the picture's, which stays as it was.
  void savesThePictureAsShown() {
    QFETCH(QString, file);
    QFETCH(int, drawMode);
    auto form = ShadedForm();
    auto* picture = Find<PictureBox>(*form, "Picture1");
    for (int line = 1; line <= 3; ++line) {
      ArrowLine arrow = picture->ArrowLineAt(line);
      arrow.drawMode = drawMode;
      picture->SetArrowLine(line, arrow);
    }
    const QImage painted = picture->Image();
    const QImage expected = Exported(*form);
    QCOMPARE(expected.pixel(196, 40), qRgb(0, 0, 0));  // on the shaft, white in the picture
    int labelPixels = 0;
    int elsewhere = 0;
    for (int y = 0; y < expected.height(); ++y) {
      for (int x = 0; x < expected.width(); ++x) {
        if (expected.pixel(x, y) == painted.pixel(x, y)) continue;
        const bool arrow = x >= 189 && x <= 203 && y <= 96;
        if (y < 16) {
          ++labelPixels;
        } else if (!arrow) {
          ++elsewhere;
        }
      }
    }
    QVERIFY(labelPixels > 50);
    QCOMPARE(elsewhere, 0);

    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    form->PictureContextMenu().SetPathPicker([&path] { return PictureMenu::SaveChoice{path}; });
    form->PictureContextMenu().SaveAction()->trigger();
    QCOMPARE(
        QImage(path, file.endsWith("BMP") ? "BMP" : "PNG").convertToFormat(QImage::Format_RGB32),
        expected);
    QCOMPARE(picture->Image(), painted);
  }

  void failedSaveNamesTheFile() {
    auto form = ShadedForm();
    QTemporaryDir folder;
    const QString path = folder.filePath("missing/sphere.png");
    MessageBoxWatch watch;
    QVERIFY(!form->PictureContextMenu().SaveTo(path));
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY2(watch.texts().first().contains(path) && watch.texts().first().contains("папки"),
             qPrintable(watch.texts().first()));
  }

  // Copy from the key over the picture or the menu; a text box copies its own selection.
  void copyPutsThePictureOnTheClipboard() {
    auto form = ShadedForm();
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto* box = Find<QLineEdit>(*form, "Text1");
    box->setFocus();
    box->selectAll();
    QTest::keySequence(box, QKeySequence::Copy);
    QCOMPARE(clipboard->text(), QStringLiteral("30"));
    QVERIFY(clipboard->image().isNull());

    auto* picture = Find<PictureBox>(*form, "Picture1");
    picture->setFocus();
    QTest::keySequence(picture, QKeySequence::Copy);
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), Exported(*form));
    clipboard->clear();
    form->PictureContextMenu().CopyAction()->trigger();
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), Exported(*form));
  }
};

GAUSS_QTEST_MAIN(PictureMenuTest)
#include "picture_menu_test.moc"
