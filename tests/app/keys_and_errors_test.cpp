// The keyboard and the input errors: Enter and F5 press the shade button; an input error leads
// to its box, marked and selected, until it is edited; a long text is quoted short; the hidden
// glossy boxes hold up no pass; every input control explains itself in a tooltip.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "app/control_tooltips.h"
#include "form_probe.h"

namespace {

const QColor kMarkColour(255, 140, 140);

std::unique_ptr<Form1> ActiveForm() {
  auto form = OpenForm();
  form->show();
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form.get())) qFatal("the window did not become active");
  return form;
}

void Press(Form1& form) { QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton); }

bool Marked(const QLineEdit& box) { return box.palette().color(QPalette::Base) == kMarkColour; }

}  // namespace

class KeysAndErrorsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void keysShade_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Return in Ox") << "Text1" << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter in Oz")
        << "Text3_0" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Return in a level") << "Text8_7" << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter in a half-width")
        << "Text7_3" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("F5 on a check box") << "Check2" << int(Qt::Key_F5) << 0;
    QTest::newRow("F5 in a box") << "Text4_0" << int(Qt::Key_F5) << 0;
  }

  void keysShade() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto form = ActiveForm();
    auto* control = Find<QWidget>(*form, focus);
    control->setFocus();
    QVERIFY(!form->lastPassState());
    QTest::keyClick(control, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(form->lastPassState());
    QCOMPARE_NE(Find<PictureBox>(*form, "Picture1")->Image().pixel(196, 168), qRgb(255, 255, 255));
    QCOMPARE(Find<QPushButton>(*form, "Command1")->text(), QStringLiteral("Тонировать"));
  }

  void enterInAMarkedLegendBoxRefuses() {
    auto form = ActiveForm();
    auto* box = Find<QLineEdit>(*form, "Text8_4");
    Retype(*box, "");
    MessageBoxWatch watch;
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY(watch.texts().first().contains("5"));
    QVERIFY(!form->lastPassState());
  }

  void errorLeadsToTheBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("glossy");
    QTest::newRow("Oy") << "Text2"
                        << "abc" << false;
    QTest::newRow("slant, empty") << "Text4_0"
                                  << "" << false;
    QTest::newRow("s, glossy chosen") << "Text5"
                                      << "0..5" << true;
    QTest::newRow("n, glossy chosen") << "Text6"
                                      << "1e999" << true;
  }

  // The message closes; the named box has the focus, its text selected, and stays marked with
  // the message as its tooltip until its text changes.
  void errorLeadsToTheBox() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(bool, glossy);
    auto form = ActiveForm();
    if (glossy) Find<QRadioButton>(*form, "Option2")->click();
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
    form->activateWindow();  // the message box took the activation with it
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QVERIFY(named->hasFocus());
    QCOMPARE(named->selectedText(), text);
    QVERIFY(Marked(*named));
    QVERIFY(!Marked(*Find<QLineEdit>(*form, "Text1")));

    {
      MessageBoxWatch watch;
      Press(*form);  // still wrong: still marked
    }
    QVERIFY(Marked(*named));
    QTest::keyClicks(named, "7");
    QVERIFY(!Marked(*named));
    QCOMPARE(named->toolTip(), OwnToolTip(*named));
  }

  // A pasted page of text: the message quotes its start, and a legend mark does too.
  void longTextIsQuotedShort() {
    auto form = ActiveForm();
    const QString page(10000, QLatin1Char('9'));
    Find<QLineEdit>(*form, "Text1")->setText(page + "x");
    MessageBoxWatch watch;
    Press(*form);
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY2(watch.texts().first().size() < 120, qPrintable(watch.texts().first()));
    QVERIFY(watch.texts().first().contains(page.left(40) + "…»"));

    Find<QLineEdit>(*form, "Text7_2")->setText(page + "x");
    QVERIFY(Find<QLineEdit>(*form, "Text7_2")->toolTip().size() < 150);
  }

  // With another function than the glossy one, s and n are hidden: an empty s holds up nothing,
  // and the glossy function, once chosen, names it.
  void hiddenGlossBoxesHoldUpNothing() {
    auto form = ActiveForm();
    auto* s = Find<QLineEdit>(*form, "Text5");
    Press(*form);
    QCOMPARE(form->renderState().glossS, 0.5);
    s->setText("");
    Find<QLineEdit>(*form, "Text6")->setText("7");
    QVERIFY(s->isHidden());
    Press(*form);                               // no message expected
    QCOMPARE(form->renderState().glossS, 0.5);  // kept
    QCOMPARE(form->renderState().glossN, 7.0);  // read

    Find<QRadioButton>(*form, "Option2")->click();
    QVERIFY(!s->isHidden());
    MessageBoxWatch watch;
    Press(*form);
    QCOMPARE(watch.texts().size(), 1);
    QVERIFY(watch.texts().first().contains("«s»"));
    QCOMPARE(form->focusWidget(), s);
  }

  void toolTips_data() {
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"Text1", "Text2", "Text3_0", "Text4_0", "Text5", "Text6", "Option1", "Option2", "Option3",
          "Option4", "Check1", "Check2", "Check3", "Text8_7", "Text8_1", "Text7_7", "Text7_6"}) {
      QTest::newRow(name) << name;
    }
  }

  void toolTips() {
    QFETCH(QString, control);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Form1 form;
    const QString tip = Find<QWidget>(form, control)->toolTip();
    QVERIFY(tip.size() > 20);
    QCOMPARE(tip, OwnToolTip(*Find<QWidget>(form, control)));
    QVERIFY2(!tip.contains(QRegularExpression("\\d\\.\\d")), qPrintable(tip));  // no C decimals
    if (control.startsWith("Text7")) QVERIFY2(tip.contains("0,001"), qPrintable(tip));
  }
};

QTEST_MAIN(KeysAndErrorsTest)
#include "keys_and_errors_test.moc"
