// Context help: F1 opens the one help window at the section of the focused control, in the main
// window or the map's; every control has its «Что это?» text; the pictures of the angles' signs
// say which way a positive angle turns.

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

#include "app/common/control_whats_this.h"
#include "app/help/help_window.h"
#include "app/map/gradient_map_window.h"
#include "form_probe.h"
#include "qt_test_registry.h"

class ContextHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void f1OpensTheFocusedBoxsSection_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("Ox") << "Text1"
                        << "angles"
                        << "rot-x";
    QTest::newRow("Oy") << "Text2"
                        << "angles"
                        << "rot-y";
    QTest::newRow("Oz") << "Text3_0"
                        << "angles"
                        << "rot-z";
    QTest::newRow("slant") << "Text4_0"
                           << "angles"
                           << "slant";
    QTest::newRow("s") << "Text5"
                       << "functions"
                       << "s";
    QTest::newRow("n") << "Text6"
                       << "functions"
                       << "n";
  }

  void f1OpensTheFocusedBoxsSection() {
    QFETCH(QString, box);
    QFETCH(QString, page);
    QFETCH(QString, anchor);
    auto main = OpenMainWindow();
    Activate(*main);
    QTest::mouseClick(Find<QRadioButton>(main->Form(), "Option2"), Qt::LeftButton);  // s, n shown
    auto* field = Find<QLineEdit>(main->Form(), box);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F1);
    HelpWindow* help = main->Help();
    QVERIFY(help != nullptr && help->isVisible() && !help->isModal());
    QCOMPARE(help->CurrentPage(), page);
    QCOMPARE(help->Browser().source().fragment(), anchor);
    // The same window again, not a second one, back from minimised.
    help->showMinimized();
    Activate(*main);
    auto* rotX = Find<QLineEdit>(main->Form(), "Text1");
    rotX->setFocus();
    QTest::keyClick(rotX, Qt::Key_F1);
    QCOMPARE(main->Help(), help);
    QVERIFY(!help->isMinimized());
    QCOMPARE(main->findChildren<HelpWindow*>().size(), 1);
    QCOMPARE(help->Browser().source().fragment(), QStringLiteral("rot-x"));
  }

  // F1 in the map's window opens the map's section, or the stereo page from «Источники»; in the
  // help window it changes nothing.
  void f1InTheOtherWindows() {
    auto main = OpenMainWindow();
    Activate(*main);
    main->Windows().OpenMapAction()->trigger();
    GradientMapWindow* map = main->Windows().MapWindow();
    Activate(*map);
    QTest::keyClick(map, Qt::Key_F1);
    HelpWindow* help = main->Help();
    QVERIFY(help != nullptr && help->isVisible());
    QCOMPARE(help->Browser().source(), QUrl("qrc:/help/gradient.html#map"));
    // «Источники» and its boxes open the page on photometric stereo.
    map->SourcesAction()->trigger();
    Activate(*map);
    auto* tilt = Find<QLineEdit>(*map, "Source3Tilt");
    tilt->setFocus();
    QTest::keyClick(tilt, Qt::Key_F1);
    QCOMPARE(help->Browser().source(), QUrl("qrc:/help/stereo.html#panel"));
    Activate(*map);
    auto* litByAll = Find<QWidget>(*map, "LitByAll");
    litByAll->setFocus();
    QTest::keyClick(litByAll, Qt::Key_F1);
    QCOMPARE(help->Browser().source(), QUrl("qrc:/help/stereo.html#lit"));
    Activate(*help);
    QTest::keyClick(&help->Browser(), Qt::Key_F1);
    QCOMPARE(help->Browser().source(), QUrl("qrc:/help/stereo.html#lit"));
  }

  // Every input control explains itself; the sign pictures say which way a positive angle goes.
  void whatsThisAndSignTips() {
    Form1 form;
    for (const char* name :
         {"Command1", "Picture1", "Text1",   "Text2",   "Text3_0", "Text4_0", "Text5",  "Text6",
          "Option1",  "Option2",  "Option3", "Option4", "Check1",  "Check2",  "Check3", "Text8_7",
          "Text7_6",  "Shape1_3", "Shape2",  "Image1",  "Image2",  "Image3",  "Image4"}) {
      QVERIFY2(Find<QWidget>(form, name)->whatsThis().size() > 30, name);
    }
    QVERIFY(WhatsThisOfControl("Shape1_0") != WhatsThisOfControl("Shape1_1"));
    QVERIFY(Find<QWidget>(form, "Image1")->toolTip().contains("вниз"));
    QVERIFY(Find<QWidget>(form, "Image2")->toolTip().contains("против часовой"));
    QVERIFY(Find<QWidget>(form, "Image3")->toolTip().contains("вправо"));
    QVERIFY(Find<QWidget>(form, "Image4")->toolTip().contains("вниз"));
  }
};

GAUSS_QTEST_MAIN(ContextHelpTest)
#include "context_help_test.moc"
