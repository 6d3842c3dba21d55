// The map window's commands: Esc closes it, F5 in it shades as the main window's button does, and
// save and copy give the map as shown (figure included) at the window's current size; an SVG
// holds the map's colours as one image and the figure over it as paths and text.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/map/gradient_map_window.h"
#include "app/picture/picture_menu.h"
#include "form_probe.h"
#include "qt_test_registry.h"
#include "vector_files.h"

namespace {

GradientMapWindow& OpenMap(Form1& form) {
  WindowsOf(form).OpenMapAction()->trigger();
  GradientMapWindow* map = WindowsOf(form).MapWindow();
  if (map == nullptr) qFatal("no map window");
  Activate(*map);
  return *map;
}

}  // namespace

class MapWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void escapeClosesTheMap() {
    auto form = OpenForm();
    Activate(*form);
    GradientMapWindow& map = OpenMap(*form);
    QVERIFY(WindowsOf(*form).OpenMapAction()->isChecked());
    QTest::keyClick(&map.Picture(), Qt::Key_Escape);
    QVERIFY(!map.isVisible());
    QVERIFY(!WindowsOf(*form).OpenMapAction()->isChecked());
  }

  // F5 with the map active runs the main window's pass for the boxes as typed.
  void f5InTheMapShades() {
    auto form = OpenForm();
    Activate(*form);
    Retype(*Find<QLineEdit>(*form, "Text4_0"), "35");
    GradientMapWindow& map = OpenMap(*form);
    QVERIFY(!form->LastPassState());
    QTest::keyClick(&map.Picture(), Qt::Key_F5);
    QVERIFY(form->LastPassState() != nullptr);
    QVERIFY(map.MapState() && *map.MapState() == *form->LastPassState());
    QCOMPARE(map.MapState()->sourceSlant, form->State().sourceSlant);
    QVERIFY(map.MapState()->sourceSlant > 0.6F);
  }

  // Saved and copied: the picture as shown, with its figure, at the size the window now has.
  void saveAndCopyGiveTheMapAsShown_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("default size") << QSize(393, 337);
    QTest::newRow("enlarged") << QSize(620, 480);
  }
  void saveAndCopyGiveTheMapAsShown() {
    QFETCH(QSize, size);
    auto form = OpenForm();
    Activate(*form);
    Press(*form);
    GradientMapWindow& map = OpenMap(*form);
    map.resize(size);
    QTRY_COMPARE(map.Picture().Image().size(), size);
    const QImage shown = map.Picture().ComposedImage();
    QVERIFY(shown != map.Picture().Image());  // the figure is drawn over the colours

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.png"));
    map.ContextMenu().SetPathPicker([&path] { return PictureMenu::SaveChoice{path}; });
    QTest::keySequence(&map.Picture(), QKeySequence::Save);
    const QImage saved(path);
    QCOMPARE(saved.size(), size);
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), shown);

    QTest::keySequence(&map.Picture(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);
  }

  void svgHoldsTheColoursAsAnImageAndTheFigureAsVectors() {
    auto form = OpenForm();
    Activate(*form);
    Press(*form);
    GradientMapWindow& map = OpenMap(*form);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.svg"));
    QVERIFY(map.ContextMenu().SaveTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const SvgContents svg = ReadSvg(file.readAll());
    QCOMPARE(svg.error, QString());
    QCOMPARE(svg.images, 1);
    QCOMPARE(svg.image.convertToFormat(QImage::Format_RGB32), map.Picture().Image());
    QVERIFY(svg.paths >= 1);
    for (const QString& tick :
         {QStringLiteral("1"), QStringLiteral("\u22121"), QStringLiteral("p")}) {
      QVERIFY2(svg.texts.contains(tick), qPrintable(svg.texts.join(' ')));
    }
  }
};

GAUSS_QTEST_MAIN(MapWindowTest)
#include "map_window_test.moc"
