// The controls that feed the RenderState between passes: the four function option buttons, the
// half-sphere and colour-isoline switches, the legend's two columns and the picture click.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "app/form/control_tooltips.h"
#include "app/form/shape_widget.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

// What the window shows and holds once an option button is chosen.
struct FunctionView {
  int32_t reflectanceKind;
  int selected;  // 1 to 4
  int selectedCount;
  bool image6;
  bool image5;
  QString option2Caption;
  bool glossFields;       // Text5, Label4, Text6
  bool glossFieldsAgree;  // the three show or hide together
};

FunctionView ViewOf(const Form1& form) {
  FunctionView view{};
  view.reflectanceKind = form.State().reflectanceKind;
  for (int k = 1; k <= 4; ++k) {
    if (Find<QRadioButton>(form, QStringLiteral("Option%1").arg(k))->isChecked()) {
      view.selected = k;
      ++view.selectedCount;
    }
  }
  view.image6 = !Find<QLabel>(form, "Image6")->isHidden();
  view.image5 = !Find<QLabel>(form, "Image5")->isHidden();
  view.option2Caption = Find<QRadioButton>(form, "Option2")->text();
  const bool text5 = !Find<QLineEdit>(form, "Text5")->isHidden();
  const bool label4 = !Find<QLabel>(form, "Label4")->isHidden();
  const bool text6 = !Find<QLineEdit>(form, "Text6")->isHidden();
  view.glossFieldsAgree = text5 == label4 && label4 == text6;
  view.glossFields = text5 && label4 && text6;
  return view;
}

void CompareViews(const FunctionView& actual, const FunctionView& expected) {
  QCOMPARE(actual.reflectanceKind, expected.reflectanceKind);
  QCOMPARE(actual.selected, expected.selected);
  QCOMPARE(actual.selectedCount, 1);
  QCOMPARE(actual.image6, expected.image6);
  QCOMPARE(actual.image5, expected.image5);
  QCOMPARE(actual.option2Caption, expected.option2Caption);
  QCOMPARE(actual.glossFields, expected.glossFields);
  QVERIFY2(actual.glossFieldsAgree, "Text5, Label4 and Text6 differ in visibility");
}

const FunctionView kViews[] = {
    {},
    {1, 1, 1, true, false, "Глянцевая", false, true},
    {2, 2, 1, false, true, "Глянцевая     s=", true, true},
    {3, 3, 1, true, false, "Глянцевая", false, true},
    {4, 4, 1, true, false, "Глянцевая", false, true},
};

// Legend swatches by row: Shape1(7), Shape1(1) .. Shape1(6).
const char* const kSwatches[] = {"Shape1_7", "Shape1_1", "Shape1_2", "Shape1_3",
                                 "Shape1_4", "Shape1_5", "Shape1_6"};
const QColor kSwatchColours[] = {{255, 128, 128}, {255, 192, 128}, {255, 255, 0}, {0, 192, 0},
                                 {0, 176, 240},   {0, 0, 255},     {96, 0, 128}};

}  // namespace

class ParameterControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void functionChoice_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::newRow("matte again") << QList<int>{1};
    QTest::newRow("glossy") << QList<int>{2};
    QTest::newRow("rocky") << QList<int>{3};
    QTest::newRow("mirror") << QList<int>{4};
    QTest::newRow("glossy then matte") << QList<int>{2, 1};
    QTest::newRow("glossy twice") << QList<int>{2, 2};
    QTest::newRow("mirror then glossy") << QList<int>{4, 2};
    QTest::newRow("glossy then rocky") << QList<int>{2, 3};
  }

  void functionChoice() {
    QFETCH(QList<int>, clicks);
    auto form = OpenForm();
    for (int option : clicks) {
      QTest::mouseClick(Find<QRadioButton>(*form, QStringLiteral("Option%1").arg(option)),
                        Qt::LeftButton);
    }
    CompareViews(ViewOf(*form), kViews[clicks.last()]);
    // The glossy fields keep their texts while hidden.
    QCOMPARE(Find<QLineEdit>(*form, "Text5")->text(), QStringLiteral("0.5"));
  }

  void halfSphereSwitch() {
    auto form = OpenForm();
    auto* check1 = Find<QCheckBox>(*form, "Check1");
    QTest::mouseClick(check1, Qt::LeftButton);
    QCOMPARE(form->State().halfSphere, int16_t{0});
    QTest::mouseClick(check1, Qt::LeftButton);
    QCOMPARE(form->State().halfSphere, int16_t{1});
  }

  void colourSwitchRecoloursTheLegend() {
    auto form = OpenForm();
    auto* check3 = Find<QCheckBox>(*form, "Check3");
    auto* backdrop = Find<ShapeWidget>(*form, "Shape1_0");
    auto* shadowSwatch = Find<ShapeWidget>(*form, "Shape2");
    const QColor backdropFill = backdrop->FillColour();
    const QImage picture = Find<PictureBox>(*form, "Picture1")->Image();
    QCOMPARE(shadowSwatch->FillColour(), QColor(96, 0, 52));

    QTest::mouseClick(check3, Qt::LeftButton, {}, QPoint(100, 5));  // on the caption's first line
    QCOMPARE(form->State().showIsolines, int16_t{0});
    for (const char* swatch : kSwatches) {
      QCOMPARE(Find<ShapeWidget>(*form, swatch)->FillColour(), QColor(Qt::white));
    }
    Find<ShapeWidget>(*form, "Shape1_4")->SetFillColour(Qt::magenta);  // whatever they were

    QTest::mouseClick(check3, Qt::LeftButton);
    QCOMPARE(form->State().showIsolines, int16_t{1});
    for (int row = 0; row < 7; ++row) {
      QCOMPARE(Find<ShapeWidget>(*form, kSwatches[row])->FillColour(), kSwatchColours[row]);
    }
    QCOMPARE(backdrop->FillColour(), backdropFill);
    QCOMPARE(shadowSwatch->FillColour(), QColor(96, 0, 52));
    QCOMPARE(Find<PictureBox>(*form, "Picture1")->Image(), picture);
  }

  // A level lands in the element of its row; the other column is never touched.
  void legendColumns_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("element");
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("level");
    QTest::newRow("top level") << "Text8_7"
                               << "0.95" << 0 << 0.95F << true;
    QTest::newRow("row 1 level") << "Text8_1"
                                 << "0.85" << 1 << 0.85F << true;
    QTest::newRow("bottom level") << "Text8_6"
                                  << "-2" << 6 << -2.0F << true;
    QTest::newRow("level above 1") << "Text8_3"
                                   << "1e1" << 3 << 10.0F << true;
    QTest::newRow("top half-width") << "Text7_7"
                                    << "0.02" << 0 << 0.02F << false;
    QTest::newRow("row 5 half-width") << "Text7_5"
                                      << "0" << 5 << 0.0F << false;
    QTest::newRow("negative half-width") << "Text7_2"
                                         << " -0.001 " << 2 << -0.001F << false;
  }

  void legendColumns() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(int, element);
    QFETCH(float, value);
    QFETCH(bool, level);
    auto form = OpenForm();
    RenderState expected = form->State();
    (level ? expected.isoLevel : expected.isoHalfWidth)[element] = value;
    Find<QLineEdit>(*form, box)->setText(text);
    QCOMPARE(form->State(), expected);
    QCOMPARE(form->State().isoLevel, expected.isoLevel);
    QCOMPARE(form->State().isoHalfWidth, expected.isoHalfWidth);
  }

  // The user deletes a whole value and types another: no dialog, the box is marked while empty,
  // its element keeps its value meanwhile, and the final value lands.
  void retypingALegendBox_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("value");
    QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates) << "0.75" << 0.75F;
    QTest::newRow("comma") << QLocale(QLocale::Russian, QLocale::Russia) << "0,75" << 0.75F;
    QTest::newRow("exponent") << QLocale::c() << "7.5e-1" << 0.75F;
  }

  void retypingALegendBox() {
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(float, value);
    QLocale::setDefault(locale);
    auto form = OpenForm();
    form->show();
    MessageBoxWatch watch;
    auto* box = Find<QLineEdit>(*form, "Text8_2");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QVERIFY(box->text().isEmpty());
    QCOMPARE_NE(box->toolTip(), OwnToolTip(*box));  // the mark
    QCOMPARE(box->palette().color(QPalette::Base).red(), 255);
    QCOMPARE_NE(box->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(form->State().isoLevel[2], 0.7F);

    QTest::keyClicks(box, typed);
    QCOMPARE(form->State().isoLevel[2], value);
    QCOMPARE(box->toolTip(), OwnToolTip(*box));
    QCOMPARE(box->palette(), Find<QLineEdit>(*form, "Text8_3")->palette());
    QVERIFY(watch.texts().isEmpty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  // While one box does not read, the other six are refreshed as usual.
  void oneBadBoxLeavesTheOthersLive() {
    auto form = OpenForm();
    Find<QLineEdit>(*form, "Text7_3")->setText("x");
    Find<QLineEdit>(*form, "Text7_1")->setText("0.03");
    QCOMPARE(form->State().isoHalfWidth[1], 0.03F);
    QCOMPARE(form->State().isoHalfWidth[3], 0.005F);
    Find<QLineEdit>(*form, "Text7_3")->setText("1e39");  // beyond a 32-bit float
    auto* marked = Find<QLineEdit>(*form, "Text7_3");
    QCOMPARE_NE(marked->toolTip(), OwnToolTip(*marked));
    QCOMPARE(form->State().isoHalfWidth[3], 0.005F);
    auto* live = Find<QLineEdit>(*form, "Text7_1");
    QCOMPARE(live->toolTip(), OwnToolTip(*live));
  }

  void pictureClickChangesNothingVisible() {
    auto form = OpenForm();
    auto* picture = Find<PictureBox>(*form, "Picture1");
    const QImage before = picture->ComposedImage();
    const RenderState state = form->State();
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(form->State(), state);  // the background is white already
    QCOMPARE(picture->FillColour(), QColor(Qt::white));
    QCOMPARE(picture->ComposedImage(), before);
  }
};

GAUSS_QTEST_MAIN(ParameterControlsTest)
#include "parameter_controls_test.moc"
