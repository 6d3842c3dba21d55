// The window's parts on their own, over controls built from the layout table without Form1: the
// parameter boxes by field, the legend panel's marks and refusal, and the pointer readout over a
// bare picture; and the typed formula's box with its length and its undo history.

#include <QCursor>
#include <QEvent>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/form/control_factory.h"
#include "app/form/layout_table.h"
#include "app/form/legend_panel.h"
#include "app/form/parameter_boxes.h"
#include "app/law/formula_panel.h"
#include "app/picture/picture_box.h"
#include "app/picture/pointer_readout.h"
#include "app/picture/readout_overlay.h"
#include "app/picture/readout_text.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

// The window's controls, without the window's handlers.
std::unique_ptr<QWidget> BuiltControls() {
  auto window = std::make_unique<QWidget>();
  BuildControls(*window, WindowControls());
  return window;
}

// A readout over the left half of the picture only.
std::optional<Readout> LeftHalf(const RenderState& /*state*/, int width, int /*height*/, int x,
                                int /*y*/) {
  if (x >= width / 2) return std::nullopt;
  Readout readout;
  readout.angleI = x;
  return readout;
}

}  // namespace

class WindowPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  // Each field is its own box: the text it hands the intake, and the box its error marks.
  void parameterBoxesByField() {
    const std::vector<std::pair<ShadeField, QString>> names = {
        {ShadeField::kRotX, "Text1"},   {ShadeField::kRotY, "Text2"},
        {ShadeField::kRotZ, "Text3_0"}, {ShadeField::kSlant, "Text4_0"},
        {ShadeField::kGlossS, "Text5"}, {ShadeField::kGlossN, "Text6"},
    };
    auto window = BuiltControls();
    const ParameterBoxes boxes(*window);
    for (const auto& [field, name] : names) Find<QLineEdit>(*window, name)->setText(name);
    const ShadeInputs inputs = boxes.Inputs();
    const std::string texts[] = {inputs.rotX,  inputs.rotY,   inputs.rotZ,
                                 inputs.slant, inputs.glossS, inputs.glossN};
    for (const auto& [field, name] : names) {
      QCOMPARE(boxes.Box(field).objectName(), name);
      QCOMPARE(QString::fromStdString(texts[static_cast<int>(field)]), name);
      boxes.Mark(InputError{field, "x", NumberError::kNotANumber, "mark", CoreMessageOf("mark")});
      for (const auto& [other, otherName] : names) {
        QCOMPARE(InputBoxMark(boxes.Box(other)).isEmpty(), other != field);
      }
      boxes.Box(field).setText("1");  // an edit takes the mark away
      QVERIFY(InputBoxMark(boxes.Box(field)).isEmpty());
    }
  }

  // The refusal names the first marked box (levels top to bottom, then half-widths) as it was
  // read, and counts the others; a box that reads again takes its value and loses its mark.
  void legendRefusal_data() {
    QTest::addColumn<QStringList>("edits");   // box=text, in order
    QTest::addColumn<QStringList>("marked");  // the boxes marked after them
    QTest::addColumn<QString>("refusal");     // its second line; empty for none
    QTest::newRow("none") << QStringList() << QStringList() << QString();
    QTest::newRow("one level") << QStringList{"Text8_3=x"} << QStringList{"Text8_3"}
                               << "Уровень изолинии в строке 4 легенды: «x» — не число.";
    QTest::newRow("a half-width after a level")
        << QStringList{"Text7_7=", "Text8_5=1e39"} << QStringList{"Text7_7", "Text8_5"}
        << "Уровень изолинии в строке 6 легенды: «1e39» — слишком большое число. "
           "Полей с ошибкой ещё: 1.";
    QTest::newRow("top half-width") << QStringList{"Text7_7= "} << QStringList{"Text7_7"}
                                    << "Полуширина изолинии в строке 1 легенды: поле пусто.";
    QTest::newRow("fixed again") << QStringList{"Text8_2=x", "Text8_2=0.75"} << QStringList()
                                 << QString();
  }

  void legendRefusal() {
    QFETCH(QStringList, edits);
    QFETCH(QStringList, marked);
    QFETCH(QString, refusal);
    auto window = BuiltControls();
    LegendPanel legend(*window);
    legend.ShowStartupTexts();
    RenderState state = StartupState();
    const RenderState startup = state;
    for (const QString& edit : edits) {
      Find<QLineEdit>(*window, edit.section('=', 0, 0))->setText(edit.section('=', 1));
      legend.ReadColumn(LegendColumn::kLevel, state.isoLevel);
      legend.ReadColumn(LegendColumn::kHalfWidth, state.isoHalfWidth);
    }
    QCOMPARE(legend.Refusal().section('\n', 1, 1), refusal);
    for (LegendColumn column : kLegendColumns) {
      const bool level = column == LegendColumn::kLevel;
      for (int row = 0; row < kIsoBandCount; ++row) {
        const QLineEdit& box = legend.Box(column, row);
        const bool isMarked = marked.contains(box.objectName());
        QCOMPARE(!InputBoxMark(box).isEmpty(), isMarked);
        // A marked box's element keeps the last value read.
        if (isMarked) {
          QCOMPARE(level ? state.isoLevel[row] : state.isoHalfWidth[row],
                   level ? startup.isoLevel[row] : startup.isoHalfWidth[row]);
        }
      }
    }
    if (edits.contains("Text8_2=0.75")) QCOMPARE(state.isoLevel[2], 0.75F);
  }

  // Up to 4000 characters; beyond, the text stays whole (past QLineEdit's usual 32767), the box
  // says it is too long and it is not applied; long pastes do not pile up in the undo history.
  void aFormulaTooLongIsSaidSo() {
    FormulaPanel panel;
    QLineEdit& box = panel.FormulaBox();
    box.selectAll();
    box.insert(QStringLiteral("ci") + QString(3998, u' '));
    QVERIFY(InputBoxMark(box).isEmpty());
    for (int paste = 0; paste < 3; ++paste) {  // each replacing the last
      box.selectAll();
      box.insert(QStringLiteral("ci") + QString(99998, u' '));
    }
    QCOMPARE(box.text().size(), 100000);
    QVERIFY(InputBoxMark(box).contains(QStringLiteral("длиннее 4000")));
    QVERIFY(!box.isUndoAvailable());
    box.setText(QStringLiteral("ci") + QString(3999, u' '));  // one character too many
    QVERIFY(!panel.Compile());
  }

  // The readout follows the pointer over the picture while there is a state and a readout
  // there; once a dialog of its window closes, it is that of where the pointer rests then.
  void pointerReadoutFollowsThePointer() {
    QWidget window;
    auto* picture = new PictureBox(QSize(200, 100), &window);
    const RenderState* shown = nullptr;
    auto* readout = new PointerReadout(*picture, window, &LeftHalf, [&shown] { return shown; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const ReadoutOverlay& overlay = readout->Overlay();
    QCOMPARE(overlay.parentWidget(), picture);

    QTest::mouseMove(picture, QPoint(50, 50));
    QVERIFY(!overlay.isVisible());  // no state yet
    const RenderState state = StartupState();
    shown = &state;
    const auto linesAt = [&state](int x) {
      return ReadoutLines(*LeftHalf(state, 200, 100, x, 50), state, UserLocale());
    };
    QTest::mouseMove(picture, QPoint(40, 50));
    QVERIFY(overlay.isVisible());
    QCOMPARE(overlay.Lines(), linesAt(40));
    QTest::mouseMove(picture, QPoint(150, 50));
    QVERIFY(!overlay.isVisible());  // no readout there
    QTest::mouseMove(picture, QPoint(30, 50));
    readout->Hide();
    QVERIFY(!overlay.isVisible());

    QCursor::setPos(picture->mapToGlobal(QPoint(20, 50)));
    QEvent unblocked(QEvent::WindowUnblocked);
    QCoreApplication::sendEvent(&window, &unblocked);
    QVERIFY(overlay.isVisible());
    QCOMPARE(overlay.Lines(), linesAt(20));
  }
};

GAUSS_QTEST_MAIN(WindowPartsTest)
#include "window_parts_test.moc"
