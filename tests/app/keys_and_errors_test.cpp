// The keyboard and the input errors: Enter and F5 press the shade button; an input error leads
// to its box, marked and selected, until it is edited; a long text is quoted short; the hidden
// glossy boxes hold up no pass; Tab walks the legend row by row; every input control explains
// itself in a tooltip.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "app/common/input_box_mark.h"
#include "app/form/control_tooltips.h"
#include "app/language/language.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

std::unique_ptr<Form1> ActiveForm() {
  auto form = OpenForm();
  form->show();
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form.get())) qFatal("the window did not become active");
  return form;
}

bool Marked(const QLineEdit& box) {
  return box.palette().color(QPalette::Base) == QColor(255, 140, 140);
}

}  // namespace

class KeysAndErrorsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void keysShade_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shades");  // false: a marked legend box refuses, as the button does
    QTest::newRow("Return in Ox") << "Text1" << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter in a level") << "Text8_7" << int(Qt::Key_Enter) << true;
    QTest::newRow("Return in a half-width") << "Text7_3" << int(Qt::Key_Return) << true;
    QTest::newRow("F5 on a check box") << "Check2" << int(Qt::Key_F5) << true;
    QTest::newRow("Return in a marked box") << "Text8_4" << int(Qt::Key_Return) << false;
  }

  void keysShade() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, shades);
    auto form = ActiveForm();
    auto* control = Find<QWidget>(*form, focus);
    if (!shades) Retype(*qobject_cast<QLineEdit*>(control), "");
    control->setFocus();
    MessageBoxWatch watch;
    QTest::keyClick(control, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(form->LastPassResult().has_value(), shades);
    QCOMPARE(watch.texts().size(), shades ? 0 : 1);
  }

  void errorLeadsToTheBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("Oy") << "Text2"
                        << "abc";
    QTest::newRow("slant, empty") << "Text4_0"
                                  << "";
    QTest::newRow("n, glossy chosen") << "Text6"
                                      << "1e999";
  }

  // When the message closes the named box has the focus, its text selected, and stays marked
  // with the message as its tooltip until its text changes.
  void errorLeadsToTheBox() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    auto form = ActiveForm();
    if (box == "Text6") Find<QRadioButton>(*form, "Option2")->click();
    auto* named = Find<QLineEdit>(*form, box);
    named->setText(text);
    Find<QPushButton>(*form, "Command1")->setFocus();
    {
      MessageBoxWatch watch;
      Press(*form);
      QCOMPARE(watch.texts().size(), 1);
      QCOMPARE(named->toolTip(), watch.texts().first());
    }
    QCOMPARE(form->focusWidget(), named);
    QCOMPARE(named->selectedText(), text);
    QVERIFY(Marked(*named));
    QVERIFY(!Marked(*Find<QLineEdit>(*form, "Text1")));
    QTest::keyClicks(named, "7");
    QVERIFY(!Marked(*named));
    QCOMPARE(named->toolTip(), OwnToolTip(*named));
  }

  void longTextIsQuotedShort() {
    auto form = ActiveForm();
    Find<QLineEdit>(*form, "Text1")->setText(QString(10000, QLatin1Char('9')) + "x");
    MessageBoxWatch watch;
    Press(*form);
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY2(watch.texts().first().size() < 120, qPrintable(watch.texts().first()));
  }

  // Qt's own buttons speak the window's language (Debian's Qt translations are installed), the
  // Russian ones gone once English is chosen.
  void qtOwnTextsFollowTheLanguage() {
    QVERIFY(UseLanguage(Language::kRussian));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("Сохранить"));
    QVERIFY(UseLanguage(Language::kEnglish));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QVERIFY(UseLanguage(Language::kRussian));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
  }

  // Several marked legend boxes: the refusal names the first and counts the others.
  void severalMarkedLegendBoxes() {
    auto form = ActiveForm();
    for (const char* name : {"Text8_3", "Text7_5", "Text8_6"}) {
      Find<QLineEdit>(*form, name)->setText("x");
    }
    MessageBoxWatch watch;
    QTest::keyClick(Find<QLineEdit>(*form, "Text1"), Qt::Key_Return);
    QCOMPARE(watch.texts().size(), 1);
    QCOMPARE(watch.texts().first(),
             QStringLiteral("Тонирование не выполнено.\nУровень изолинии в строке 4 легенды: «x» — "
                            "не число. Полей с ошибкой ещё: 2.\nИсправьте поля, отмеченные "
                            "красным, и нажмите «Тонировать» снова."));
    QVERIFY(!form->LastPassState());
  }

  // With another function than the glossy one, s and n are hidden: an empty s holds up nothing
  // and keeps its value; the glossy function, once chosen, names it.
  void hiddenGlossBoxesHoldUpNothing() {
    auto form = ActiveForm();
    auto* s = Find<QLineEdit>(*form, "Text5");
    Press(*form);
    s->setText("");
    Find<QLineEdit>(*form, "Text6")->setText("7");
    QVERIFY(s->isHidden());
    Press(*form);  // an unexpected message box fails the test
    QCOMPARE(form->State().glossS, 0.5);
    QCOMPARE(form->State().glossN, 7.0);
    QVERIFY(!InputBoxMark(*s).isEmpty());  // red as soon as it shows again
    QVERIFY(InputBoxMark(*Find<QLineEdit>(*form, "Text6")).isEmpty());

    Find<QRadioButton>(*form, "Option2")->click();
    QVERIFY(s->isVisible() && !InputBoxMark(*s).isEmpty());
    MessageBoxWatch watch;
    Press(*form);
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY(watch.texts().first().contains("«s»"));
    QCOMPARE(form->focusWidget(), s);
  }

  // Tab walks the legend top to bottom, each row's level then its half-width, then on to the
  // colour switch; Shift+Tab walks back.
  void legendTabWalk() {
    auto form = ActiveForm();
    const QStringList walk = {"Text8_7", "Text7_7", "Text8_1", "Text7_1", "Text8_2",
                              "Text7_2", "Text8_3", "Text7_3", "Text8_4", "Text7_4",
                              "Text8_5", "Text7_5", "Text8_6", "Text7_6", "Check3"};
    Find<QWidget>(*form, walk.front())->setFocus();
    QStringList forward = {form->focusWidget()->objectName()};
    for (qsizetype k = 1; k < walk.size(); ++k) {
      QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
      forward << form->focusWidget()->objectName();
    }
    QCOMPARE(forward, walk);
    QStringList backward = {form->focusWidget()->objectName()};
    for (qsizetype k = 1; k < walk.size(); ++k) {
      QTest::keyClick(form->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      backward.prepend(form->focusWidget()->objectName());
    }
    QCOMPARE(backward, walk);
  }

  // Russian, in the user's number format, and back after a mark.
  void toolTips() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Form1 form;
    for (const char* name :
         {"Text1", "Text2", "Text3_0", "Text4_0", "Text5", "Text6", "Option1", "Option2", "Option3",
          "Option4", "Check1", "Check2", "Check3", "Text8_7", "Text8_1", "Text7_7", "Text7_6"}) {
      const QString tip = Find<QWidget>(form, name)->toolTip();
      QVERIFY2(tip.size() > 20 && tip == OwnToolTip(*Find<QWidget>(form, name)), name);
      QVERIFY2(!tip.contains(QRegularExpression("\\d\\.\\d")), qPrintable(tip));
      // No box enforces a range: every range a tooltip gives is the usual one.
      QVERIFY2(!tip.contains(QRegularExpression("(?<!обычно )от [−-]?\\d")), qPrintable(tip));
    }
    QVERIFY(Find<QWidget>(form, "Text7_1")->toolTip().contains("0,001"));
  }
};

GAUSS_QTEST_MAIN(KeysAndErrorsTest)
#include "keys_and_errors_test.moc"
