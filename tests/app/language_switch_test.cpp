// The language switched while the program runs: the menus, the form's captions and tooltips,
// the window titles, the law names, the plots and the open surface and recovery windows change at
// once, and Russian comes back character for character; with every window open no text is left
// behind (a text set once, with tr(), at construction) or wiped (a caption the program writes
// itself); the choice survives a restart, and a setting that does not read is Russian.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/animation/animation_dialog.h"
#include "app/common/remembered_settings.h"
#include "app/curves/phase_curve_window.h"
#include "app/curves/plot_view.h"
#include "app/form/control_tooltips.h"
#include "app/help/help_pages.h"
#include "app/help/help_window.h"
#include "app/language/language.h"
#include "app/law/function_menu.h"
#include "app/law/law_window.h"
#include "app/main_window.h"
#include "app/map/gradient_map_window.h"
#include "app/recovery/recovery_window.h"
#include "app/setup_menu.h"
#include "app/surface/surface_window.h"
#include "form_probe.h"
#include "photometry/law_catalogue.h"
#include "qt_test_registry.h"
#include "surface/surface_catalogue.h"

namespace {

// Every text the test follows, read from the window as it stands.
QStringList ShownTexts(MainWindow& main) {
  QStringList texts;
  for (const QAction* entry : main.menuBar()->actions()) texts << entry->text();
  Form1& form = main.Form();
  texts << main.windowTitle() << Find<QPushButton>(form, "Command1")->text()
        << Find<QLabel>(form, "Label1_0")->text() << Find<QRadioButton>(form, "Option2")->text()
        << Find<QLineEdit>(form, "Text1")->toolTip() << main.Functions().Action(kMinnaert)->text();
  return texts;
}

// Every text the user can see or hover in every window of the program, each named by where
// it is: titles, captions, items, tooltips and «Что это?» texts, the actions' texts and tips.
QStringList EveryText() {
  QStringList texts;
  const auto add = [&texts](const QObject& owner, const char* what, const QString& text) {
    if (!text.isEmpty())
      texts << QStringLiteral("%1.%2: %3").arg(owner.objectName(), QLatin1String(what), text);
  };
  for (const QWidget* widget : QApplication::allWidgets()) {
    if (widget->isWindow()) add(*widget, "title", widget->windowTitle());
    add(*widget, "tooltip", widget->toolTip());
    add(*widget, "whatsThis", widget->whatsThis());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      add(*button, "text", button->text());
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      add(*label, "text", label->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
      add(*group, "title", group->title());
    } else if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
      add(*menu, "title", menu->title());
    } else if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
      for (int k = 0; k < box->count(); ++k) add(*box, "item", box->itemText(k));
    } else if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) {
      add(*spin, "special", spin->specialValueText());
    } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
      add(*line, "placeholder", line->placeholderText());
    }
    for (const QAction* action : widget->actions()) {
      add(*action, "action", action->text());
      add(*action, "actionTip", action->toolTip());
    }
    if (const auto* view = qobject_cast<const PlotView*>(widget)) {
      const CurvePlot& plot = view->Plot();
      const QWidget& window = *view->window();
      add(window, "plotTitle", plot.title);
      add(window, "xTitle", plot.xTitle);
      add(window, "yTitle", plot.yTitle);
      for (const CurveSeries& series : plot.series) add(window, "series", series.name);
    }
  }
  texts.removeDuplicates();
  return texts;
}

// The texts that still hold a Cyrillic letter, but for the language menu's own, which reads
// the same in either language.
QStringList Cyrillic(const QStringList& texts) {
  QStringList found;
  for (const QString& text : texts) {
    const QString shown = text.mid(text.indexOf(u':') + 2);
    if (shown == QStringLiteral("Язык / Language") || shown == QStringLiteral("Русский")) continue;
    if (std::any_of(shown.begin(), shown.end(),
                    [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4ff; })) {
      found << text;
    }
  }
  return found;
}

void Switch(Language language) {
  QVERIFY(UseLanguage(language));
  QApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QApplication::processEvents();
}

}  // namespace

class LanguageSwitchTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(settingsFolder_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());
  }
  void cleanup() { UseLanguage(Language::kRussian); }

  // Option2's caption follows the function: the glossy one ends in "s=", the others do not, in
  // either language and after a switch back.
  void switchesAndReturns_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("englishOption2");
    QTest::newRow("matte") << 1 << QStringLiteral("Glossy");
    QTest::newRow("glossy") << 2 << QStringLiteral("Glossy         s=");
  }

  void switchesAndReturns() {
    QFETCH(int, option);
    QFETCH(QString, englishOption2);
    auto main = OpenMainWindow();
    Find<QRadioButton>(main->Form(), QStringLiteral("Option%1").arg(option))->click();
    const QStringList russian = ShownTexts(*main);

    Switch(Language::kEnglish);
    const QStringList english = ShownTexts(*main);
    QCOMPARE(english.mid(0, 5), (QStringList{"&File", "&View", "Fu&nction", "&Windows", "&Help"}));
    QCOMPARE(english.at(5), QStringLiteral("Travelum on the Gaussian sphere"));
    QCOMPARE(english.at(6), QStringLiteral("Shade"));
    QCOMPARE(english.at(8), englishOption2);
    QVERIFY2(english.at(9).startsWith(QStringLiteral("Rotation of the observer")),
             qPrintable(english.at(9)));
    QCOMPARE(english.at(10), QStringLiteral("Minnaert"));
    for (qsizetype k = 0; k < russian.size(); ++k) {
      QVERIFY2(english.at(k) != russian.at(k), qPrintable(russian.at(k)));
    }

    Switch(Language::kRussian);
    QCOMPARE(ShownTexts(*main), russian);
  }

  // «Параметры функции», open on a law, switches its name, formula and captions with the rest.
  void lawWindowFollowsTheLanguage() {
    auto main = OpenMainWindow();
    main->OpenLaw(kMinnaert);
    LawWindow& law = *main->LawParameters();
    const auto texts = [&law] {
      return QStringList{law.windowTitle(), Find<QLabel>(law, "LawName")->text(),
                         Find<QLabel>(law, "LawCaption_0")->text()};
    };
    const QStringList russian = texts();
    Switch(Language::kEnglish);
    QCOMPARE(texts(), (QStringList{"Function parameters", "Minnaert", "Exponent k"}));
    Switch(Language::kRussian);
    QCOMPARE(texts(), russian);
  }

  // «Поверхность» and «Восстановление формы», open, switch their titles and controls, the
  // catalogue's surface name and parameter caption among them.
  void surfaceAndRecoveryFollowTheLanguage() {
    auto main = OpenMainWindow();
    Companions& windows = main->Windows();
    windows.SurfaceAction()->trigger();
    windows.OpenRecovery();
    SurfaceWindow& surface = *windows.Surface();
    RecoveryWindow& recovery = *windows.Recovery();
    const auto texts = [&] {
      return QStringList{surface.windowTitle(),
                         Find<QComboBox>(surface, "SurfaceKind")->currentText(),
                         Find<QLabel>(surface, "SurfaceParameterLabel_radius")->text(),
                         Find<QPushButton>(surface, "SurfaceRecover")->text(),
                         recovery.windowTitle(),
                         Find<QPushButton>(recovery, "RecoverRun")->text(),
                         Find<QComboBox>(recovery, "RecoverMethod")->currentText()};
    };
    const QStringList russian = texts();
    Switch(Language::kEnglish);
    QCOMPARE(texts(), (QStringList{"Surface", "Hemisphere", "Radius, fraction of half the side",
                                   "Shape recovery…", "Shape recovery", "Recover",
                                   "Photometric stereo (Woodham)"}));
    Switch(Language::kRussian);
    QCOMPARE(texts(), russian);
  }

  // Every window open, the map with its sources, a recovery run and a cell chosen: after a
  // switch to English no text of any window is left in Russian, and back in Russian every text
  // is what it was.
  void everyWindowFollowsTheLanguage() {
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Companions& windows = main->Windows();
    Activate(*main);
    Press(form);
    windows.SourcesAction()->trigger();
    Find<QCheckBox>(*windows.MapWindow(), "Source2")->setChecked(true);
    Find<QCheckBox>(*windows.MapWindow(), "Source3")->setChecked(true);
    for (QAction* open : {windows.BigSphereAction(), windows.PhaseCurveAction(),
                          windows.CompareAction(), windows.SurfaceAction()}) {
      open->trigger();
    }
    main->OpenLaw(kMinnaert);
    main->OpenAnimation();
    main->findChild<QAction*>(QStringLiteral("OpenExposure"))->trigger();
    PictureBox& picture = *Find<PictureBox>(form, "Picture1");
    QTest::mousePress(&picture, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 120));
    QTest::mouseRelease(&picture, Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 220));
    QVERIFY(windows.Profile() != nullptr);
    SurfaceWindow& surface = *windows.Surface();
    Find<QSpinBox>(surface, "SurfaceWidth")->setValue(32);
    Find<QSpinBox>(surface, "SurfaceHeight")->setValue(32);
    QTRY_VERIFY(surface.Shown() != nullptr && surface.Shown()->sources.size() == 3 &&
                surface.Shown()->scene->field.width == 32);
    Find<QPushButton>(surface, "SurfaceRecover")->click();
    RecoveryWindow& recovery = *windows.Recovery();
    recovery.Run();
    QTRY_VERIFY_WITH_TIMEOUT(!recovery.Running(), 60000);
    QVERIFY(recovery.Outcome() != nullptr && recovery.Outcome()->error.isEmpty());
    recovery.ChooseCell(QPoint(12, 20));
    QTRY_VERIFY(!windows.PhaseCurve()->View().Plot().series.empty());
    QApplication::processEvents();

    const QStringList russian = EveryText();
    QVERIFY(russian.size() > 300);
    Switch(Language::kEnglish);
    const QStringList left = Cyrillic(EveryText());
    for (const QString& text : left) qInfo("%s", qPrintable(text));
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
    Switch(Language::kRussian);
    const QStringList back = EveryText();
    QStringList changed;
    for (const QString& text : russian) {
      if (!back.contains(text)) changed << text;
    }
    for (const QString& text : changed) qInfo("%s", qPrintable(text));
    QVERIFY2(changed.isEmpty(), qPrintable(changed.join(u'\n')));
    QCOMPARE(back.size(), russian.size());
  }

  // The help shows its pages in the language in use; a switch brings the page shown back in the
  // other language.
  void helpFollowsTheLanguage() {
    HelpWindow help;
    const QString page = QStringLiteral("keys");
    help.ShowPage(page);
    QCOMPARE(help.Browser().source(), HelpPageUrl(page));
    Switch(Language::kEnglish);
    QCOMPARE(help.Browser().source(), HelpPageUrl(page, {}, true));
    QCOMPARE(help.CurrentPage(), page);
    auto* contents = help.findChild<QListWidget*>(QStringLiteral("HelpContents"));
    QCOMPARE(contents->item(0)->text(), QString::fromUtf8(HelpPages().front().titleEn));
    help.ShowPage(QStringLiteral("start"));
    QCOMPARE(help.Browser().source(), HelpPageUrl(QStringLiteral("start"), {}, true));
    Switch(Language::kRussian);
    QCOMPARE(help.Browser().source(), HelpPageUrl(QStringLiteral("start")));
    QCOMPARE(contents->item(0)->text(), QString::fromUtf8(HelpPages().front().title));
  }

  // A box marked for a text that does not read keeps its reason across a switch.
  void markedBoxKeepsItsReason() {
    auto main = OpenMainWindow();
    auto* box = Find<QLineEdit>(main->Form(), "Text7_7");
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, QStringLiteral("x"));
    const QString reason = box->toolTip();
    QVERIFY(reason != OwnToolTip(*box));  // marked
    Switch(Language::kEnglish);
    QCOMPARE(box->toolTip(), reason);
  }

  // The next start takes the language chosen last; a setting that does not read is Russian.
  void remembered_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("en") << QStringLiteral("en") << int(Language::kEnglish);
    QTest::newRow("ru") << QStringLiteral("ru") << int(Language::kRussian);
    QTest::newRow("unknown") << QStringLiteral("de") << int(Language::kRussian);
    QTest::newRow("empty") << QStringLiteral("") << int(Language::kRussian);
  }

  void remembered() {
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QSettings settings = RememberedSettings();
    settings.setValue(QStringLiteral("language"), stored);
    settings.sync();
    QCOMPARE(int(RememberedLanguage()), expected);
  }

  void choiceFromTheMenuIsRemembered() {
    auto main = OpenMainWindow();
    main->findChild<QAction*>(QStringLiteral("Language_en"))->trigger();
    QCOMPARE(CurrentLanguage(), Language::kEnglish);
    QCOMPARE(RememberedLanguage(), Language::kEnglish);
    main->findChild<QAction*>(QStringLiteral("Language_ru"))->trigger();
    QCOMPARE(RememberedLanguage(), Language::kRussian);
  }

 private:
  QTemporaryDir settingsFolder_;
};

GAUSS_QTEST_MAIN(LanguageSwitchTest)
#include "language_switch_test.moc"
