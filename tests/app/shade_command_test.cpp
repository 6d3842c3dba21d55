// The shade button: the picture it paints equals what the core paints for the same inputs, the
// observer arrow it leaves and its blinking, and inputs that do not read, which change nothing.

#include "pass/shade_command.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <variant>

#include "form_probe.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "qt_test_registry.h"

namespace {

// The core's picture and state for one press on a fresh window with these inputs.
struct Reference {
  ImageBuffer picture{kDefaultPictureWidth, kDefaultPictureHeight};
  RenderState state = StartupState();
  ArrowState arrow;
};

void Paint(Reference& reference, const ShadeInputs& inputs, const NumberFormat& format,
           bool smoothing) {
  const ShadeOutcome outcome =
      RunShadeCommand(reference.state, reference.picture, inputs, format, smoothing);
  QVERIFY(std::holds_alternative<ShadePass>(outcome));
  reference.arrow = std::get<ShadePass>(outcome).arrow;
}

// Counts the pixels where the window's picture differs from the reference; reports the first.
int CompareImages(const QImage& shown, const ImageBuffer& expected) {
  int differing = 0;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const QRgb pixel = shown.pixel(x, y);
      const Rgb want = expected.At(x, y);
      if (qRed(pixel) == want.r && qGreen(pixel) == want.g && qBlue(pixel) == want.b) continue;
      if (differing++ == 0) {
        qWarning("first difference at (%d, %d): %d %d %d, expected %d %d %d", x, y, qRed(pixel),
                 qGreen(pixel), qBlue(pixel), want.r, want.g, want.b);
      }
    }
  }
  return differing;
}

}  // namespace

class ShadeCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void defaultsPaintTheCoresPicture() {
    auto form = OpenForm();
    form->show();
    Press(*form);
    Reference reference;
    Paint(reference, ShadeInputs{}, CNumberFormat(), false);

    auto* picture = Find<PictureBox>(*form, "Picture1");
    QCOMPARE(CompareImages(picture->Image(), reference.picture), 0);
    QCOMPARE(form->State(), reference.state);
    QVERIFY(picture->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    // The sphere is there: its centre is lit, a corner is background.
    QCOMPARE_NE(picture->Image().pixel(196, 168), qRgb(255, 255, 255));
    QCOMPARE(picture->Image().pixel(2, 2), qRgb(255, 255, 255));

    // rotX 30 degrees with no rotation about Oy: the arrow shows, its shaft down to y = 82.
    QVERIFY(reference.arrow.shown);
    const ArrowLine& shaft = picture->ArrowLineAt(1);
    QCOMPARE(shaft.p1, QPoint(196, 16));
    QCOMPARE(shaft.p2, QPoint(196, 82));
    // Only the shaft's lower end moves: the head strokes keep their laid-out ends.
    QCOMPARE(picture->ArrowLineAt(2).p2, QPoint(196, 16));
    QCOMPARE(picture->ArrowLineAt(3).p2, QPoint(196, 16));
    for (int line = 1; line <= 3; ++line) QVERIFY(picture->ArrowLineAt(line).visible);
    QVERIFY(Find<QLabel>(*form, "Label6")->isVisible());
    QVERIFY(Find<QTimer>(*form, "Timer2")->isActive());
  }

  // Glossy with s and n, a slant, one legend row, smoothing: all set through the widgets.
  void glossyEndToEnd_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("point");
    QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates) << ".";
    QTest::newRow("comma") << QLocale(QLocale::Russian, QLocale::Russia) << ",";
  }

  void glossyEndToEnd() {
    QFETCH(QLocale, locale);
    QFETCH(QString, point);
    QLocale::setDefault(locale);
    auto decimal = [&](const char* text) { return QString::fromLatin1(text).replace('.', point); };
    auto form = OpenForm();
    form->show();
    QTest::mouseClick(Find<QRadioButton>(*form, "Option2"), Qt::LeftButton);
    Retype(*Find<QLineEdit>(*form, "Text5"), decimal("0.7"));
    Retype(*Find<QLineEdit>(*form, "Text6"), "8");
    Retype(*Find<QLineEdit>(*form, "Text4_0"), decimal("20.5"));
    Retype(*Find<QLineEdit>(*form, "Text1"), "45");
    Retype(*Find<QLineEdit>(*form, "Text8_3"), decimal("0.55"));
    Retype(*Find<QLineEdit>(*form, "Text7_3"), decimal("0.02"));
    QTest::mouseClick(Find<QCheckBox>(*form, "Check2"), Qt::LeftButton);
    Press(*form);

    Reference reference;
    reference.state.reflectanceKind = kGlossy;
    reference.state.isoLevel[3] = 0.55F;
    reference.state.isoHalfWidth[3] = 0.02F;
    Paint(reference, ShadeInputs{"45", "0", "0", "20.5", "0.7", "8"}, CNumberFormat(), true);
    QCOMPARE(form->State(), reference.state);
    QCOMPARE(CompareImages(Find<PictureBox>(*form, "Picture1")->Image(), reference.picture), 0);
    QCOMPARE(Find<PictureBox>(*form, "Picture1")->ArrowLineAt(1).p2.y(),
             int(reference.arrow.shaftLowerY));
  }

  // Check2 smooths only when checked: greyed or unchecked, each pixel takes one sample.
  void smoothingFollowsCheck2_data() {
    QTest::addColumn<int>("check2");
    QTest::addColumn<bool>("smoothing");
    QTest::newRow("unchecked") << int(Qt::Unchecked) << false;
    QTest::newRow("greyed") << int(Qt::PartiallyChecked) << false;
    QTest::newRow("checked") << int(Qt::Checked) << true;
  }

  void smoothingFollowsCheck2() {
    QFETCH(int, check2);
    QFETCH(bool, smoothing);
    auto form = OpenForm();
    auto* box = Find<QCheckBox>(*form, "Check2");
    box->setTristate(true);
    box->setCheckState(static_cast<Qt::CheckState>(check2));
    Press(*form);
    Reference reference;
    Paint(reference, ShadeInputs{}, CNumberFormat(), smoothing);
    QCOMPARE(CompareImages(Find<PictureBox>(*form, "Picture1")->Image(), reference.picture), 0);
  }

  // A rotation box that does not read: a message names it; picture, pointer and state stay.
  void unreadableInput_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("glossy");  // s and n must read only with the glossy function
    QTest::newRow("letters in Ox") << "Text1"
                                   << "abc" << false;
    QTest::newRow("empty Ox") << "Text1"
                              << "" << false;
    QTest::newRow("blank Oz") << "Text3_0"
                              << "  " << false;
    QTest::newRow("overflowing Oy") << "Text2"
                                    << "1e39" << false;
    QTest::newRow("empty s, glossy selected") << "Text5"
                                              << "" << true;
    QTest::newRow("group separator in n") << "Text6"
                                          << "1,000" << true;
  }

  void unreadableInput() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(bool, glossy);
    auto form = OpenForm();
    form->show();
    if (glossy) Find<QRadioButton>(*form, "Option2")->click();
    Press(*form);  // a first picture, to see that it stays
    auto* picture = Find<PictureBox>(*form, "Picture1");
    const QImage before = picture->Image();
    const RenderState state = form->State();
    const QPoint shaftEnd = picture->ArrowLineAt(1).p2;

    Find<QLineEdit>(*form, box)->setText(text);
    {
      MessageBoxWatch watch;
      Press(*form);
      QCOMPARE(watch.texts().size(), 1);
      QVERIFY(!watch.texts().first().isEmpty());
    }
    QCOMPARE(form->State(), state);
    QCOMPARE(picture->Image(), before);
    QCOMPARE(picture->ArrowLineAt(1).p2, shaftEnd);
    QVERIFY(picture->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  // While a legend box is marked the button says which and paints nothing.
  void markedLegendBoxBlocksThePass() {
    auto form = OpenForm();
    form->show();
    Find<QLineEdit>(*form, "Text8_4")->setText("");
    const QImage before = Find<PictureBox>(*form, "Picture1")->Image();
    const RenderState state = form->State();
    {
      MessageBoxWatch watch;
      Press(*form);
      QCOMPARE(watch.texts().size(), 1);
      QVERIFY2(watch.texts().first().contains("5"), qPrintable(watch.texts().first()));  // row 5
    }
    QCOMPARE(form->State(), state);
    QCOMPARE(Find<PictureBox>(*form, "Picture1")->Image(), before);

    Find<QLineEdit>(*form, "Text8_4")->setText("0.5");
    Press(*form);
    QCOMPARE_NE(Find<PictureBox>(*form, "Picture1")->Image(), before);
  }

  void arrowHiddenWhenTheViewTurnsAboutOy() {
    auto form = OpenForm();
    form->show();
    Press(*form);
    Find<QLineEdit>(*form, "Text2")->setText("0.5");
    Press(*form);
    auto* picture = Find<PictureBox>(*form, "Picture1");
    for (int line = 1; line <= 3; ++line) QVERIFY(!picture->ArrowLineAt(line).visible);
    QVERIFY(Find<QLabel>(*form, "Label6")->isHidden());
    QVERIFY(!Find<QTimer>(*form, "Timer2")->isActive());
    QCOMPARE(picture->ComposedImage(), picture->Image());
  }

  // 270 degrees about Oz turns the line of sight across y: the window paints the core's sound
  // sphere, a whole disc with nothing outside it and no background-white patch inside it.
  void viewAcrossYPaintsAWholeSphere() {
    auto form = OpenForm();
    form->show();
    Retype(*Find<QLineEdit>(*form, "Text3_0"), "270");
    QTest::mouseClick(Find<QCheckBox>(*form, "Check1"), Qt::LeftButton);  // whole sphere
    QVERIFY(!Find<QCheckBox>(*form, "Check1")->isChecked());
    Press(*form);

    Reference reference;
    reference.state.halfSphere = 0;
    ShadeInputs inputs;
    inputs.rotZ = "270";
    Paint(reference, inputs, CNumberFormat(), false);
    const QImage shown = Find<PictureBox>(*form, "Picture1")->Image();
    QCOMPARE(CompareImages(shown, reference.picture), 0);

    int whiteInside = 0;
    int inside = 0;
    int paintedOutside = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        const double radius = std::hypot(x - 196.0, y - 168.0);
        const bool white = shown.pixel(x, y) == qRgb(255, 255, 255);
        if (radius < 98.0) {
          ++inside;
          whiteInside += white ? 1 : 0;
        } else if (radius > 102.0) {
          paintedOutside += white ? 0 : 1;
        }
      }
    }
    QCOMPARE(paintedOutside, 0);
    QVERIFY2(whiteInside * 100 < inside, qPrintable(QString::number(whiteInside)));
  }

  // Mode 6 inverts the pixels under the lines, mode 11 shows nothing; Timer2 toggles.
  void arrowBlinks() {
    auto form = OpenForm();
    form->show();
    Press(*form);
    auto* picture = Find<PictureBox>(*form, "Picture1");
    const QPoint onShaft(196, 40);  // above the sphere: white in the picture
    QCOMPARE(picture->Image().pixel(onShaft), qRgb(255, 255, 255));
    QCOMPARE(picture->ComposedImage().pixel(onShaft), qRgb(0, 0, 0));
    QCOMPARE(picture->ComposedImage().pixel(onShaft + QPoint(1, 0)), qRgb(255, 255, 255));

    QTRY_COMPARE_WITH_TIMEOUT(picture->ArrowLineAt(1).drawMode, 11, 2500);
    for (int line = 2; line <= 3; ++line) QCOMPARE(picture->ArrowLineAt(line).drawMode, 11);
    QCOMPARE(picture->ComposedImage(), picture->Image());
    QVERIFY(!Find<QLabel>(*form, "Label6")->isHidden());  // the label does not blink

    // A new pass keeps the mode the lines have.
    Press(*form);
    QCOMPARE(picture->ArrowLineAt(1).drawMode, 11);
    QTRY_COMPARE_WITH_TIMEOUT(picture->ArrowLineAt(1).drawMode, 6, 2500);
  }
};

GAUSS_QTEST_MAIN(ShadeCommandTest)
#include "shade_command_test.moc"
