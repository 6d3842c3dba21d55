// Start-up: the values and texts a new window starts with, in a locale with a decimal point and
// in one with a decimal comma, and the start-up period during which legend edits are ignored.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/form/control_tooltips.h"
#include "app/form/shape_widget.h"
#include "form_probe.h"
#include "model/startup_values.h"
#include "qt_test_registry.h"

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  void startValues_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("point");
    QTest::newRow("english") << QLocale(QLocale::English, QLocale::UnitedStates) << ".";
    QTest::newRow("russian") << QLocale(QLocale::Russian, QLocale::Russia) << ",";
    QTest::newRow("german") << QLocale(QLocale::German, QLocale::Germany) << ",";
  }

  void startValues() {
    QFETCH(QLocale, locale);
    QFETCH(QString, point);
    QLocale::setDefault(locale);
    Form1 form;
    auto decimal = [&](const char* text) { return QString::fromLatin1(text).replace('.', point); };

    // Legend from the top row down: Text8(7), Text8(1) .. Text8(6).
    const int rowIndex[] = {7, 1, 2, 3, 4, 5, 6};
    for (int row = 0; row < 7; ++row) {
      const QString index = QString::number(rowIndex[row]);
      QCOMPARE(Find<QLineEdit>(form, "Text8_" + index)->text(), decimal(kStartupLevelTexts[row]));
      QCOMPARE(Find<QLineEdit>(form, "Text7_" + index)->text(),
               decimal(kStartupHalfWidthTexts[row]));
    }
    QCOMPARE(Find<QLineEdit>(form, "Text5")->text(), decimal(kStartupGlossSText));
    QCOMPARE(Find<QLineEdit>(form, "Text6")->text(), QString::fromLatin1(kStartupGlossNText));

    const RenderState& state = form.State();
    const std::array<float, 7> expectedLevels = {0.9F, 0.8F, 0.7F, 0.6F, 0.5F, 0.4F, 0.3F};
    QCOMPARE(state.isoLevel, expectedLevels);
    for (float halfWidth : state.isoHalfWidth) QCOMPARE(halfWidth, 0.005F);
    QCOMPARE(state, StartupState());  // and nothing else of the state moved
  }

  void startWindowState() {
    Form1 form;
    QVERIFY(Find<QRadioButton>(form, "Option1")->isChecked());
    QVERIFY(Find<QCheckBox>(form, "Check1")->isChecked());
    QVERIFY(!Find<QCheckBox>(form, "Check2")->isChecked());
    QVERIFY(Find<QCheckBox>(form, "Check3")->isChecked());
    for (int k = 4; k <= 10; ++k) {
      QCOMPARE(Find<QLabel>(form, QStringLiteral("Label2_%1").arg(k))->text(),
               QStringLiteral("± "));
    }
    // Image4 shows Image1's arrow, Image6 the glossy formula of Image5.
    const auto* image1 = Find<QLabel>(form, "Image1");
    const auto* image4 = Find<QLabel>(form, "Image4");
    const auto* image5 = Find<QLabel>(form, "Image5");
    const auto* image6 = Find<QLabel>(form, "Image6");
    QVERIFY(!image1->pixmap().isNull());
    QCOMPARE(image4->pixmap().toImage(), image1->pixmap().toImage());
    QVERIFY(!image5->pixmap().isNull());
    QCOMPARE(image6->pixmap().toImage(), image5->pixmap().toImage());
    QCOMPARE(image1->pixmap().size(), QSize(20, 20));
    QCOMPARE(image5->pixmap().size(), QSize(245, 29));

    const auto* picture = Find<PictureBox>(form, "Picture1");
    QCOMPARE(picture->BackgroundColour(), QColor(Qt::white));
    QCOMPARE(picture->Image().pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(picture->Image().pixelColor(392, 336), QColor(Qt::white));

    QVERIFY(Find<QTimer>(form, "Timer1")->isActive());
    QVERIFY(!Find<QTimer>(form, "Timer2")->isActive());
    QCOMPARE(Find<QTimer>(form, "Timer2")->interval(), 1000);
  }

  // The legend boxes are not read until Timer1 has ticked; every change after that is.
  void startupPeriod() {
    Form1 form;
    auto* topLevel = Find<QLineEdit>(form, "Text8_7");
    auto* topHalfWidth = Find<QLineEdit>(form, "Text7_7");
    QVERIFY(form.InStartupPeriod());
    topLevel->setText("0.95");
    topHalfWidth->setText("");
    QCOMPARE(form.State().isoLevel[0], 0.9F);
    QCOMPARE(form.State().isoHalfWidth[0], 0.005F);
    QCOMPARE(topHalfWidth->toolTip(), OwnToolTip(*topHalfWidth));  // not marked

    QTRY_VERIFY_WITH_TIMEOUT(!form.InStartupPeriod(), 1000);
    QVERIFY(!Find<QTimer>(form, "Timer1")->isActive());
    QCOMPARE(form.State().isoLevel[0], 0.9F);  // the tick itself reads nothing
    topLevel->setText("0.96");
    QCOMPARE(form.State().isoLevel[0], 0.96F);
    topHalfWidth->setText("0.01");
    QCOMPARE(form.State().isoHalfWidth[0], 0.01F);
  }
};

GAUSS_QTEST_MAIN(StartupTest)
#include "startup_test.moc"
