// The window as laid out: every control's kind, place, size, text and visibility right after
// start-up, the keyboard focus order, the fixed client size, and captions that fit.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include "app/form/line_widget.h"
#include "app/form/wrapping_check_box.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

struct Expected {
  const char* name;
  const char* kind;  // the class the control's widget inherits
  QRect rect;        // pixels, in the container
  const char* text;  // after start-up; nullptr: not checked
  bool visible;      // after start-up
  const char* container = "Form1";
};

// Pixels at 15 twips each. The legend rows start at 56 and step by 24.
const Expected kExpected[] = {
    {"Shape1_0", "ShapeWidget", {8, 0, 409, 353}, nullptr, true},
    {"Picture1", "PictureBox", {16, 8, 393, 337}, nullptr, true},
    {"Label6", "QLabel", {0, 0, 393, 17}, "НАБЛЮДАТЕЛЬ", false, "Picture1"},
    {"Label1_0", "QLabel", {0, 368, 89, 41}, "Поворот наблюдения по Ox", true},
    {"Image1", "QLabel", {104, 360, 20, 20}, nullptr, true},
    {"Text1", "QLineEdit", {88, 384, 49, 19}, "30", true},
    {"Label2_0", "QLabel", {136, 384, 81, 17}, "°           по Оy", true},
    {"Image2", "QLabel", {229, 360, 20, 20}, nullptr, true},
    {"Text2", "QLineEdit", {216, 384, 49, 19}, "0", true},
    {"Label2_1", "QLabel", {264, 384, 73, 17}, "°          по Оz", true},
    {"Image3", "QLabel", {350, 360, 20, 20}, nullptr, true},
    {"Text3_0", "QLineEdit", {336, 384, 49, 19}, "0", true},
    {"Label2_2", "QLabel", {384, 384, 17, 17}, "°", true},
    {"Label3", "QLabel", {0, 416, 121, 17}, "Наклон источника", true},
    {"Text4_0", "QLineEdit", {128, 416, 49, 19}, "0", true},
    {"Label2_3", "QLabel", {176, 416, 17, 17}, "°", true},
    {"Image4", "QLabel", {144, 440, 25, 25}, nullptr, true},
    {"Option1",
     "QRadioButton",
     {224, 416, 457, 17},
     "Матовая  функция отражательной способности ф = cos( i )",
     true},
    {"Option2", "QRadioButton", {224, 440, 105, 17}, "Глянцевая", true},
    {"Text5", "QLineEdit", {328, 440, 41, 19}, "0.5", false},
    {"Label4", "QLabel", {376, 440, 25, 21}, "n =", false},
    {"Text6", "QLineEdit", {400, 440, 41, 19}, "16", false},
    {"Image5", "QLabel", {456, 433, 245, 29}, nullptr, false},
    {"Image6", "QLabel", {328, 433, 245, 29}, nullptr, true},
    {"Option4",
     "QRadioButton",
     {224, 464, 297, 17},
     "Зеркальная: ф = 1 только когда i = e и g = i + e",
     true},
    {"Option3",
     "QRadioButton",
     {224, 488, 385, 17},
     "Каменистая ф = cos( i ) / cos(e). Заметна при наклонном освещении.",
     true},
    {"Check3", "QCheckBox", {440, 16, 193, 25}, "ОТОБРАЖАТЬ  ИЗОЛИНИИ ОСВЕЩЁННОСТИ В ЦВЕТЕ", true},
    {"Shape1_7", "ShapeWidget", {440, 56, 17, 17}, nullptr, true},
    {"Label1_7", "QLabel", {464, 56, 73, 17}, "ф (i,e,g) =", true},
    {"Text8_7", "QLineEdit", {520, 56, 33, 19}, "0.9", true},
    {"Label2_10", "QLabel", {552, 56, 25, 17}, "± ", true},
    {"Text7_7", "QLineEdit", {576, 56, 41, 19}, "0.005", true},
    {"Shape1_1", "ShapeWidget", {440, 80, 17, 17}, nullptr, true},
    {"Label1_1", "QLabel", {464, 80, 73, 17}, "ф (i,e,g) =", true},
    {"Text8_1", "QLineEdit", {520, 80, 33, 19}, "0.8", true},
    {"Label2_9", "QLabel", {552, 80, 25, 17}, "± ", true},
    {"Text7_1", "QLineEdit", {576, 80, 41, 19}, "0.005", true},
    {"Shape1_2", "ShapeWidget", {440, 104, 17, 17}, nullptr, true},
    {"Label1_2", "QLabel", {464, 104, 73, 17}, "ф (i,e,g) =", true},
    {"Text8_2", "QLineEdit", {520, 104, 33, 19}, "0.7", true},
    {"Label2_8", "QLabel", {552, 104, 25, 17}, "± ", true},
    {"Text7_2", "QLineEdit", {576, 104, 41, 19}, "0.005", true},
    {"Shape1_3", "ShapeWidget", {440, 128, 17, 17}, nullptr, true},
    {"Label1_3", "QLabel", {464, 128, 73, 17}, "ф (i,e,g) =", true},
    {"Text8_3", "QLineEdit", {520, 128, 33, 19}, "0.6", true},
    {"Label2_7", "QLabel", {552, 128, 25, 17}, "± ", true},
    {"Text7_3", "QLineEdit", {576, 128, 41, 19}, "0.005", true},
    {"Shape1_4", "ShapeWidget", {440, 152, 17, 17}, nullptr, true},
    {"Label1_4", "QLabel", {464, 152, 73, 17}, "ф (i,e,g) =", true},
    {"Text8_4", "QLineEdit", {520, 152, 33, 19}, "0.5", true},
    {"Label2_4", "QLabel", {552, 152, 25, 17}, "± ", true},
    {"Text7_4", "QLineEdit", {576, 152, 41, 19}, "0.005", true},
    {"Shape1_5", "ShapeWidget", {440, 176, 17, 17}, nullptr, true},
    {"Label1_5", "QLabel", {464, 176, 52, 13}, "ф (i,e,g) =", true},
    {"Text8_5", "QLineEdit", {520, 176, 33, 19}, "0.4", true},
    {"Label2_5", "QLabel", {552, 176, 25, 17}, "± ", true},
    {"Text7_5", "QLineEdit", {576, 176, 41, 19}, "0.005", true},
    {"Shape1_6", "ShapeWidget", {440, 200, 17, 17}, nullptr, true},
    {"Label1_6", "QLabel", {464, 200, 73, 17}, "ф (i,e,g) =", true},
    {"Text8_6", "QLineEdit", {520, 200, 33, 19}, "0.3", true},
    {"Label2_6", "QLabel", {552, 200, 25, 17}, "± ", true},
    {"Text7_6", "QLineEdit", {576, 200, 41, 19}, "0.005", true},
    {"Line7", "LineWidget", {440, 230, 184, 2}, nullptr, true},
    {"Line6", "LineWidget", {440, 232, 184, 2}, nullptr, true},
    {"Shape2", "ShapeWidget", {440, 248, 17, 17}, nullptr, true},
    {"Label9",
     "QLabel",
     {464, 240, 161, 49},
     "В этой зоне поверхность становится самозатеняющейся",
     true},
    {"Command1", "QPushButton", {432, 312, 105, 25}, "Тонировать", true},
    {"Check1", "QCheckBox", {432, 344, 105, 17}, "Половину шара", true},
    {"Check2", "QCheckBox", {432, 368, 185, 17}, "Сглаживание 2x2 субпикселя", true},
    {"Frame1", "QGroupBox", {0, 472, 193, 33}, nullptr, true},
    {"Label5", "QLabel", {8, 16, 177, 17}, "Версия 1.1 от 09.I.2014 года", true, "Frame1"},
};

QString TextOf(const QWidget& widget) {
  if (auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (auto* box = qobject_cast<const QLineEdit*>(&widget)) return box->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
  return QString();
}

// Whether the caption, drawn as the control draws it, lies wholly inside `area`.
bool CaptionFits(const QFontMetrics& metrics, const QRect& area, int flags, const QString& text) {
  if (flags & Qt::TextWordWrap) {
    const QRect needed =
        metrics.boundingRect(QRect(area.topLeft(), QSize(area.width(), 10000)), flags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
  }
  // One line: its advance within the width; its ink, placed by the alignment, within the area.
  const QRect line = metrics.boundingRect(area, flags, text);
  const QRect ink =
      metrics.tightBoundingRect(text).translated(line.left(), line.top() + metrics.ascent());
  return metrics.horizontalAdvance(text) <= area.width() && area.contains(ink);
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void controls_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kExpected)); ++row) {
      QTest::newRow(kExpected[row].name) << row;
    }
  }

  void controls() {
    QFETCH(int, row);
    const Expected& expected = kExpected[row];
    Form1 form;
    auto* control = Find<QWidget>(form, expected.name);
    QVERIFY2(control->inherits(expected.kind), control->metaObject()->className());
    const QString container = control->parentWidget() == &form
                                  ? QStringLiteral("Form1")
                                  : control->parentWidget()->objectName();
    QCOMPARE(container, QString::fromUtf8(expected.container));
    QCOMPARE(control->geometry(), expected.rect);
    if (expected.text != nullptr) QCOMPARE(TextOf(*control), QString::fromUtf8(expected.text));
    QCOMPARE(!control->isHidden(), expected.visible);
  }

  void everyControlIsListed() {
    Form1 form;
    int named = 0;
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
      if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
        continue;
      // The progress bar of a long pass lies over the picture, hidden: no control of the form.
      if (widget->objectName() == QLatin1String("PassProgress")) continue;
      ++named;
    }
    QCOMPARE(named, int(std::size(kExpected)));
  }

  void observerArrowLines() {
    Form1 form;
    const auto* picture = Find<PictureBox>(form, "Picture1");
    struct Line {
      QPoint p1, p2;
    };
    // x moved to the middle of a 393-pixel picture: shaft at 196, head strokes from 202 and 190.
    const Line expected[] = {
        {{196, 16}, {196, 96}}, {{202, 32}, {196, 16}}, {{190, 32}, {196, 16}}};
    for (int line = 1; line <= 3; ++line) {
      const ArrowLine& arrow = picture->ArrowLineAt(line);
      QCOMPARE(arrow.p1, expected[line - 1].p1);
      QCOMPARE(arrow.p2, expected[line - 1].p2);
      QVERIFY(!arrow.visible);
      QCOMPARE(arrow.drawMode, 6);
    }
  }

  void window() {
    Form1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Тревелум на сфере Гаусса"));
    QCOMPARE(form.size(), QSize(713, 505));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!form.windowIcon().isNull());
  }

  void tabOrder() {
    Form1 form;
    const QStringList expected = {
        "Picture1", "Command1", "Text1",   "Text2",   "Text3_0", "Text4_0", "Check1",  "Option1",
        "Option2",  "Option3",  "Text5",   "Text6",   "Text8_7", "Text7_7", "Text8_1", "Text7_1",
        "Text8_2",  "Text7_2",  "Text8_3", "Text7_3", "Text8_4", "Text7_4", "Text8_5", "Text7_5",
        "Text8_6",  "Text7_6",  "Check3",  "Option4", "Check2"};
    QStringList order;
    QWidget* first = Find<QWidget>(form, "Picture1");
    QWidget* widget = first;
    do {
      if ((widget->focusPolicy() & Qt::TabFocus) && widget != &form) order << widget->objectName();
      widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(order, expected);
  }

  // Every caption fits its control in the control's own font: no clipping.
  void captionsFit() {
    Form1 form;
    int checked = 0;
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
      const QString text = TextOf(*widget);
      if (text.trimmed().isEmpty()) continue;
      const QFontMetrics metrics(widget->font());
      QRect area = widget->rect();
      int flags = Qt::AlignLeft | Qt::AlignVCenter;
      if (auto* label = qobject_cast<const QLabel*>(widget)) {
        flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
      } else if (auto* check = qobject_cast<const WrappingCheckBox*>(widget)) {
        area = check->CaptionRect();
        flags |= Qt::TextWordWrap;
      } else if (auto* option = qobject_cast<const QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        area = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
      } else if (qobject_cast<const QPushButton*>(widget) ||
                 qobject_cast<const QLineEdit*>(widget)) {
        area = widget->rect().adjusted(4, 2, -4, -2);  // frame and margins
        flags = Qt::AlignCenter;
      }
      for (const QChar letter : text) {
        QVERIFY2(letter.isSpace() || metrics.inFont(letter),
                 qPrintable(widget->objectName() + ": no glyph for " + letter));
      }
      QVERIFY2(CaptionFits(metrics, area, flags, text),
               qPrintable(QStringLiteral("%1: \"%2\" in %3x%4")
                              .arg(widget->objectName(), text)
                              .arg(area.width())
                              .arg(area.height())));
      ++checked;
    }
    QCOMPARE(checked, 52);  // 24 labels, 4 option buttons, 3 check boxes, 1 button, 20 boxes
  }
};

GAUSS_QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
