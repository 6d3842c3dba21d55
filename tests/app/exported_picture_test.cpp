// The picture as it leaves the window after a pass that hides the observer arrow: neither the
// arrow nor the label over the picture is shown, so the copied picture is the painted one, pixel
// for pixel, even when an earlier pass had shown both.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/picture/picture_export.h"
#include "app/picture/picture_menu.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

// Pixels where two pictures of the same size differ.
int DifferingPixels(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) == b.pixel(x, y) ? 0 : 1;
  }
  return differing;
}

}  // namespace

class ExportedPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void hiddenArrowLeavesOnlyThePaintedPicture_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("turned about Oy") << "Text2"
                                     << "30";
    QTest::newRow("tilted beyond 70 degrees about Ox") << "Text1"
                                                       << "80";
  }

  void hiddenArrowLeavesOnlyThePaintedPicture() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    auto form = OpenForm();
    form->show();
    Press(*form);  // the default view shows the arrow and the label
    auto* label = Find<QLabel>(*form, "Label6");
    QVERIFY(label->isVisible());
    Retype(*Find<QLineEdit>(*form, box), text);
    Press(*form);
    QVERIFY(!label->isVisible());

    auto* picture = Find<PictureBox>(*form, "Picture1");
    const QImage painted = picture->Image().convertToFormat(QImage::Format_RGB32);
    const QImage exported = ExportedPicture(*picture, label).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(exported.size(), painted.size());
    QCOMPARE(DifferingPixels(exported, painted), 0);

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    form->PictureContextMenu().CopyAction()->trigger();
    const QImage copied = clipboard->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copied.size(), painted.size());
    QCOMPARE(DifferingPixels(copied, painted), 0);
  }
};

GAUSS_QTEST_MAIN(ExportedPictureTest)
#include "exported_picture_test.moc"
