// The «Функция» menu and «Параметры функции»: the menu and the option buttons agree both ways;
// a law clears the option buttons and its pass carries its kind; sliders, boxes and the McEwen
// switch change the law and shade; a formula that does not read changes nothing and says where;
// a law's help link opens its page; the window is made once.

#include "app/law/law_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>

#include "app/common/input_box_mark.h"
#include "app/form/pass_throttle.h"
#include "app/help/help_window.h"
#include "app/law/formula_panel.h"
#include "app/law/function_menu.h"
#include "app/law/law_parameter_row.h"
#include "app/map/gradient_map_window.h"
#include "form_probe.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "qt_test_registry.h"

namespace {

constexpr int kPassWaitMs = 5000;

QImage PictureOf(const Form1& form) { return Find<PictureBox>(form, "Picture1")->Image(); }

bool Settled(const Form1& form) {
  const auto* throttle = Find<PassThrottle>(form, QStringLiteral("PassThrottle"));
  return QTest::qWaitFor([&] { return !throttle->Pending(); }, kPassWaitMs);
}

QRadioButton* Option(const Form1& form, int k) {
  return Find<QRadioButton>(form, QStringLiteral("Option%1").arg(k));
}

int CheckedOptions(const Form1& form) {
  int checked = 0;
  for (int k = 1; k <= 4; ++k) checked += Option(form, k)->isChecked() ? 1 : 0;
  return checked;
}

void Choose(MainWindow& main, int32_t kind) { main.Functions().Action(kind)->trigger(); }

// The largest difference of one colour component between two pictures of one size.
int LargestDifference(const QImage& a, const QImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  }
  return largest;
}

}  // namespace

class LawWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  // Option k is the function of kind kOptionKinds[k - 1].
  void menuAndOptionButtonsInStep_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("byMenu");
    const int kinds[] = {kMatte, kGlossy, kRocky, kMirror};
    for (int option = 1; option <= 4; ++option) {
      QTest::addRow("menu %d", option) << option << kinds[option - 1] << true;
      QTest::addRow("button %d", option) << option << kinds[option - 1] << false;
    }
  }
  void menuAndOptionButtonsInStep() {
    QFETCH(int, option);
    QFETCH(int, kind);
    QFETCH(bool, byMenu);
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Choose(*main, kHapke);  // from a law, so that every row changes something
    if (byMenu) {
      Choose(*main, kind);
    } else {
      QTest::mouseClick(Option(form, option), Qt::LeftButton);
    }
    QVERIFY(Option(form, option)->isChecked());
    QCOMPARE(CheckedOptions(form), 1);
    QVERIFY(main->Functions().Action(kind)->isChecked());
    QCOMPARE(form.State().reflectanceKind, kind);
    QCOMPARE(Find<QLineEdit>(form, "Text5")->isVisibleTo(&form), kind == kGlossy);
    QVERIFY(!main->findChild<QWidget*>(QStringLiteral("LawWindow"))->isVisible());
  }

  // Each law, the typed formula's first text included, clears the buttons and shades at once;
  // an option button brings back the described function's own picture and state.
  void aLawClearsTheButtonsAndShades_data() {
    QTest::addColumn<int>("kind");
    for (const LawEntry& law : AdditionalLaws()) {
      QTest::newRow(law.name.data()) << static_cast<int>(law.kind);
    }
  }
  void aLawClearsTheButtonsAndShades() {
    QFETCH(int, kind);
    auto fresh = OpenMainWindow();
    Press(fresh->Form());
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    QTest::mouseClick(Option(form, 2), Qt::LeftButton);
    Choose(*main, kind);
    QCOMPARE(CheckedOptions(form), 0);
    QVERIFY(!Find<QLineEdit>(form, "Text5")->isVisibleTo(&form));
    QVERIFY(main->Functions().Action(kind)->isChecked());
    QVERIFY(form.LastPassState() != nullptr);
    QCOMPARE(form.LastPassState()->reflectanceKind, kind);
    QVERIFY(main->LawParameters() != nullptr && main->LawParameters()->isVisible());
    QCOMPARE(main->LawParameters()->Kind(), kind);

    QTest::mouseClick(Option(form, 1), Qt::LeftButton);
    Press(form);
    QVERIFY(*form.LastPassState() == *fresh->Form().LastPassState());
    QCOMPARE(PictureOf(form), PictureOf(fresh->Form()));
  }

  void slidersAndBoxesChangeTheLaw() {
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Choose(*main, kHapke);
    LawWindow& window = *main->LawParameters();
    const QImage before = PictureOf(form);
    auto* slider = Find<QSlider>(window, "LawSlider_0");  // w, 0 to 1
    slider->setValue(slider->maximum() * 9 / 10);
    QVERIFY(Settled(form));
    QCOMPARE(form.LastPassState()->law.parameters[kHapkeW], 0.9);
    QCOMPARE(Find<QLineEdit>(window, "LawValue_0")->text(), QStringLiteral("0.9"));
    QVERIFY(PictureOf(form) != before);

    // Out of range or not a number: marked, the value kept; in the user's format: taken.
    auto* box = Find<QLineEdit>(window, "LawValue_2");  // h, 0.001 to 2
    auto* hSlider = Find<QSlider>(window, "LawSlider_2");
    for (const char* refused : {"5", "0", "x"}) {
      Retype(*box, QString::fromLatin1(refused));
      QVERIFY2(!InputBoxMark(*box).isEmpty(), refused);
      QCOMPARE(window.Settings(kHapke).parameters[kHapkeH], 0.06);
      QCOMPARE(hSlider->value(), 30);  // where 0.06, still in effect, puts it
    }
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Retype(*box, QStringLiteral("1,5"));
    QVERIFY(InputBoxMark(*box).isEmpty());
    QVERIFY(Settled(form));
    QCOMPARE(form.LastPassState()->law.parameters[kHapkeH], 1.5);
    QCOMPARE(hSlider->value(), 750);
    Retype(*box, QStringLiteral("2"));  // the upper bound itself is in range
    QCOMPARE(hSlider->value(), hSlider->maximum());
  }

  // Hapke's law with roughness fills all eight rows; its H-function's switch takes its two years
  // only, the slider's two steps or the box, and a law with fewer rows hides the rest.
  void eightRowsAndATwoValuedSwitch() {
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Choose(*main, kHapkeRough);
    LawWindow& window = *main->LawParameters();
    auto* box = Find<QLineEdit>(window, "LawValue_7");
    auto* slider = Find<QSlider>(window, "LawSlider_7");
    QVERIFY(box->isVisibleTo(&window));
    QCOMPARE(box->text(), QStringLiteral("1981"));
    QCOMPARE(slider->maximum(), 1);
    for (const char* refused : {"1990", "2001.5", "x"}) {
      Retype(*box, QString::fromLatin1(refused));
      QVERIFY2(!InputBoxMark(*box).isEmpty(), refused);
      QCOMPARE(window.Settings(kHapkeRough).parameters[kHapkeRoughHYear], 1981.0);
    }
    slider->setValue(1);
    QVERIFY(Settled(form));
    QCOMPARE(form.LastPassState()->law.parameters[kHapkeRoughHYear], 2002.0);
    QCOMPARE(box->text(), QStringLiteral("2002"));
    auto* theta = Find<QSlider>(window, "LawSlider_4");  // theta-bar, 0 to 60 degrees
    QCOMPARE(theta->maximum(), LawParameterRow::kSliderSteps);
    Choose(*main, kHapke);
    QVERIFY(!box->isVisibleTo(&window));
    QVERIFY(!Find<QLineEdit>(window, "LawValue_4")->isVisibleTo(&window));
  }

  // L(g) replaces L; a slider of the law shown chooses it again after an option button.
  void mcEwenAndChoosingAgain() {
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Choose(*main, kLunarLambert);
    LawWindow& window = *main->LawParameters();
    auto* mcEwen = Find<QCheckBox>(window, "LawMcEwen");
    QVERIFY(mcEwen->isVisible());
    mcEwen->setChecked(true);
    QVERIFY(Settled(form));
    QVERIFY(form.LastPassState()->law.lunarLambertMcEwen);
    QVERIFY(!Find<QSlider>(window, "LawSlider_0")->isEnabled());

    QTest::mouseClick(Option(form, 3), Qt::LeftButton);
    mcEwen->setChecked(false);
    QCOMPARE(form.State().reflectanceKind, kLunarLambert);
    QCOMPARE(CheckedOptions(form), 0);
    QVERIFY(main->Functions().Action(kLunarLambert)->isChecked());
    QVERIFY(Settled(form));
    QVERIFY(!form.LastPassState()->law.lunarLambertMcEwen);

    Choose(*main, kMinnaert);
    QVERIFY(!mcEwen->isVisibleTo(&window));
  }

  // A formula that does not read: the message names the position, the box is marked, the
  // state, the picture and the menu's check stay; whether chosen from the menu or applied.
  void aBadFormulaChangesNothing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("position");
    QTest::newRow("unknown name") << "ci * x"
                                  << "в позиции 6";
    QTest::newRow("unclosed") << "cos(i"
                              << "в позиции";
    QTest::newRow("dangling") << "ci +"
                              << "в позиции";
  }
  void aBadFormulaChangesNothing() {
    QFETCH(QString, text);
    QFETCH(QString, position);
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Choose(*main, kMinnaert);
    Choose(*main, kFormula);  // cos(i)
    QCOMPARE(form.LastPassState()->reflectanceKind, kFormula);
    FormulaPanel& panel = main->LawParameters()->Formula();
    const RenderState state = *form.LastPassState();
    const QImage picture = PictureOf(form);

    Retype(panel.FormulaBox(), text);
    QTest::mouseClick(Find<QPushButton>(panel, "FormulaApply"), Qt::LeftButton);
    QVERIFY2(panel.ErrorText().contains(position), qPrintable(panel.ErrorText()));
    QVERIFY(!InputBoxMark(panel.FormulaBox()).isEmpty());
    QVERIFY(*form.LastPassState() == state);
    QCOMPARE(PictureOf(form), picture);
    QCOMPARE(panel.Applied()->formula->Text(), std::string("cos(i)"));

    // Chosen from the menu for the first time with the bad text: the law in force stays.
    auto third = OpenMainWindow();
    Choose(*third, kMinnaert);
    third->LawParameters()->Formula().FormulaBox().setText(text);
    Choose(*third, kFormula);
    QCOMPARE(third->Form().State().reflectanceKind, kMinnaert);
    QVERIFY(third->Functions().Action(kMinnaert)->isChecked());
    QVERIFY(!third->LawParameters()->Formula().ErrorText().isEmpty());
  }

  // «Начать с:» writes the law's formula and parameters; applied, it paints the law.
  void aStarterPaintsItsLaw() {
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Retype(*Find<QLineEdit>(form, "Text4_0"), QStringLiteral("50"));
    Choose(*main, kOrenNayar);
    const QImage law = PictureOf(form);
    Choose(*main, kFormula);
    FormulaPanel& panel = main->LawParameters()->Formula();
    QComboBox& start = panel.StartChoice();
    const int row = start.findData(kOrenNayar);
    QVERIFY(row >= 0);
    start.setCurrentIndex(row);
    emit start.activated(row);
    QCOMPARE(Find<QLineEdit>(panel, "FormulaName_0")->text(), QStringLiteral("sigma"));
    QCOMPARE(Find<QLineEdit>(panel, "FormulaValue_0")->text(), QStringLiteral("20"));
    QTest::keyClick(&panel.FormulaBox(), Qt::Key_Return);
    QCOMPARE(form.LastPassState()->reflectanceKind, kFormula);
    QVERIFY(LargestDifference(PictureOf(form), law) <= 1);

    // A value of an applied formula's parameter shades at once.
    auto* slider = Find<QSlider>(panel, "FormulaSlider_0");
    slider->setValue(slider->minimum());
    QVERIFY(Settled(form));
    QCOMPARE(form.LastPassState()->law.parameters[0], FormulaPanel::kSliderLowest);
    Retype(*Find<QLineEdit>(panel, "FormulaValue_0"), QStringLiteral("1e308"));  // any finite
    QCOMPARE(form.State().law.parameters[0], 1e308);
    QCOMPARE(slider->value(), slider->maximum());
  }

  // One window whatever is chosen; the link and F1 open the law's page.
  void oneWindowAndItsHelp() {
    auto main = OpenMainWindow();
    Activate(*main);  // F1 is the menu bar's: it works while the main window is shown
    Choose(*main, kHapke);
    LawWindow* window = main->LawParameters();
    Choose(*main, kCookTorrance);
    Choose(*main, kHapke);
    QCOMPARE(main->LawParameters(), window);
    QCOMPARE(main->findChildren<LawWindow*>().size(), 1);
    QVERIFY(Find<QLabel>(*window, "LawSource")->text().contains("1981"));

    Activate(*window);
    auto* box = Find<QLineEdit>(*window, "LawValue_1");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F1);
    QVERIFY(main->Help() != nullptr && main->Help()->isVisible());
    QCOMPARE(main->Help()->Browser().source(), QUrl("qrc:/help/law-hapke.html#parameters"));

    // The map's key works in the parameters' window too.
    QTest::keyClick(box, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(main->Windows().MapWindow() != nullptr && main->Windows().MapWindow()->isVisible());

    Choose(*main, kCookTorrance);
    auto* link = Find<QLabel>(*window, "LawHelpLink");
    QVERIFY(link->text().contains("law-cook-torrance"));
    emit link->linkActivated(QStringLiteral("law-cook-torrance"));
    QCOMPARE(main->Help()->CurrentPage(), QStringLiteral("law-cook-torrance"));
    Choose(*main, kFormula);
    Activate(*window);
    window->Formula().FormulaBox().setFocus();
    QTest::keyClick(&window->Formula().FormulaBox(), Qt::Key_F1);
    QCOMPARE(main->Help()->Browser().source(), QUrl("qrc:/help/law-formula.html#formula"));
  }
};

GAUSS_QTEST_MAIN(LawWindowTest)
#include "law_window_test.moc"
