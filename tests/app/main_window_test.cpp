// The menu bar over the form: each item is the action its key and the picture's menu use, each
// key still works once the menu exists, the map's item follows the map window, and the form
// below the menu is the standalone form's picture pixel for pixel.

#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWhatsThis>

#include "app/common/locale_numbers.h"
#include "app/help/about_dialog.h"
#include "app/help/help_window.h"
#include "app/map/gradient_map_window.h"
#include "app/map/sources_panel.h"
#include "app/picture/picture_menu.h"
#include "app/setup_menu.h"
#include "app/surface/surface_window.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

// The items of the menu bar's menu titled `title`, separators left out.
QList<QAction*> MenuItems(const MainWindow& main, const QString& title) {
  for (QAction* entry : main.menuBar()->actions()) {
    if (entry->menu() != nullptr && entry->text().remove('&') == title) {
      QList<QAction*> items = entry->menu()->actions();
      items.removeIf([](const QAction* item) { return item->isSeparator(); });
      return items;
    }
  }
  return {};
}

// The window as it looks while active, with the same control focused in both windows compared.
QImage GrabActive(QWidget& window, QWidget& focus, const QRect& part) {
  Activate(window);
  focus.setFocus();
  return window.grab(part).toImage();
}

void StopBlinking(QWidget& form) { Find<QTimer>(form, "Timer2")->stop(); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void menusHoldTheFormsOwnActions() {
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Companions& windows = main->Windows();
    QCOMPARE(main->windowTitle(), QStringLiteral("Тревелум на сфере Гаусса"));
    QVERIFY(!main->windowIcon().isNull());
    const PictureMenu& pictureMenu = form.PictureContextMenu();
    QCOMPARE(
        MenuItems(*main, "Файл"),
        (QList<QAction*>{pictureMenu.SaveAction(), pictureMenu.CopyAction(),
                         main->findChild<QAction*>(QStringLiteral("OpenAnimation")),
                         main->Setups().OpenAction(), main->Setups().SaveAction(),
                         main->Setups().RecentMenu()->menuAction(),
                         main->findChild<QMenu*>(QStringLiteral("ExampleSetups"))->menuAction(),
                         main->QuitAction()}));
    QCOMPARE(MenuItems(*main, "Вид"),
             (QList<QAction*>{
                 windows.OpenMapAction(), windows.SourcesAction(), windows.BigSphereAction(),
                 windows.SurfaceAction(), windows.PhaseCurveAction(), windows.CompareAction(),
                 main->findChild<QAction*>(QStringLiteral("OpenExposure")),
                 main->findChild<QMenu*>(QStringLiteral("BackgroundMenu"))->menuAction(),
                 main->findChild<QAction*>(QStringLiteral("ContourLines")),
                 main->findChild<QAction*>(QStringLiteral("DiscOutline")),
                 main->findChild<QAction*>(QStringLiteral("SourceMark")),
                 main->findChild<QMenu*>(QStringLiteral("LineWidthMenu"))->menuAction()}));
    QCOMPARE(
        MenuItems(*main, "Справка"),
        (QList<QAction*>{main->HelpAction(), main->WhatsThisAction(), main->AboutAction(),
                         main->findChild<QMenu*>(QStringLiteral("LanguageMenu"))->menuAction()}));
    QVERIFY(pictureMenu.Menu()->actions().contains(windows.OpenMapAction()));
    QCOMPARE(windows.OpenMapAction()->text(), QStringLiteral("Карта R(p, q)"));
    QVERIFY(windows.OpenMapAction()->isCheckable());
    QCOMPARE(main->WhatsThisAction()->text(), QStringLiteral("Что это?"));

    // One key, one command: no two actions or shortcuts of the window share a key.
    QList<QKeySequence> keys;
    for (const QAction* action : main->findChildren<QAction*>()) {
      if (!action->shortcut().isEmpty()) keys << action->shortcut();
    }
    for (const QShortcut* shortcut : main->findChildren<QShortcut*>()) keys << shortcut->key();
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_C),
          QKeySequence(Qt::CTRL | Qt::Key_G), QKeySequence(Qt::CTRL | Qt::Key_L),
          QKeySequence(Qt::CTRL | Qt::Key_U), QKeySequence(Qt::CTRL | Qt::Key_Q),
          QKeySequence(Qt::Key_F1), QKeySequence(Qt::SHIFT | Qt::Key_F1),
          QKeySequence(Qt::Key_F5)}) {
      QVERIFY2(keys.contains(key), qPrintable(key.toString()));
    }
    for (const QKeySequence& key : keys) QVERIFY2(keys.count(key) == 1, qPrintable(key.toString()));
  }

  void keysAndMenuItemsDoTheSame_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<bool>("byKey");
    const std::pair<const char*, QKeySequence> rows[] = {
        {"Сохранить рисунок…", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Копировать рисунок", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"Карта R(p, q)", QKeySequence(Qt::CTRL | Qt::Key_G)},
        {"Источники", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"Поверхность", QKeySequence(Qt::CTRL | Qt::Key_U)},
        {"Справка", QKeySequence(Qt::Key_F1)},
        {"Что это?", QKeySequence(Qt::SHIFT | Qt::Key_F1)},
        {"Выход", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto& [item, key] : rows) {
      QTest::newRow(qPrintable(key.toString() + " key")) << item << key << true;
      QTest::newRow(qPrintable(QStringLiteral("menu ") + item)) << item << key << false;
    }
  }

  void keysAndMenuItemsDoTheSame() {
    QFETCH(QString, item);
    QFETCH(QKeySequence, key);
    QFETCH(bool, byKey);
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Companions& windows = main->Windows();
    Activate(*main);
    Press(form);
    QApplication::clipboard()->clear();
    int asked = 0;
    form.PictureContextMenu().SetPathPicker([&asked] {
      ++asked;
      return PictureMenu::SaveChoice{};
    });
    auto* button = Find<QPushButton>(form, "Command1");  // no text box: Ctrl+C is the picture's
    button->setFocus();

    QAction* action = nullptr;
    for (const char* menu : {"Файл", "Вид", "Справка"}) {
      for (QAction* one : MenuItems(*main, menu)) {
        if (one->text() == item) action = one;
      }
    }
    QVERIFY(action != nullptr);
    QCOMPARE(action->shortcut(), key);
    if (byKey) {
      QTest::keySequence(button, key);
    } else {
      action->trigger();
    }

    if (item == "Сохранить рисунок…") QCOMPARE(asked, 1);
    if (item == "Копировать рисунок") {
      QCOMPARE(QApplication::clipboard()->image().size(), QSize(393, 337));
    }
    if (item == "Карта R(p, q)") {
      QVERIFY(windows.MapWindow() != nullptr && windows.MapWindow()->isVisible());
      QVERIFY(action->isChecked());
    }
    if (item == "Источники") {  // opens the map with its panel; the map's Ctrl+L is the same
      GradientMapWindow* map = windows.MapWindow();
      QVERIFY(map != nullptr && map->isVisible() && map->Sources().isVisible());
      QVERIFY(action->isChecked() && windows.OpenMapAction()->isChecked());
      Activate(*map);
      QTest::keySequence(&map->Picture(), key);
      QVERIFY(!map->Sources().isVisible() && !action->isChecked());
      QCOMPARE(map->size(), QSize(393, 337));  // the panel's width given back, the map's kept
    }
    if (item == "Поверхность") {
      QVERIFY(windows.Surface() != nullptr && windows.Surface()->isVisible() &&
              action->isChecked());
      windows.Surface()->close();
      QVERIFY(!action->isChecked());
    }
    if (item == "Справка") {
      QVERIFY(main->Help() != nullptr && main->Help()->isVisible());
      QCOMPARE(main->Help()->Browser().source().fragment(), QStringLiteral("shade"));
    }
    if (item == "Что это?") {
      QVERIFY(QWhatsThis::inWhatsThisMode());
      QWhatsThis::leaveWhatsThisMode();
    }
    if (item == "Выход") QVERIFY(!main->isVisible());
    if (item != "Сохранить рисунок…") QCOMPARE(asked, 0);
  }

  // Closed by its own button or by the item, the map and the item agree; it comes back.
  void mapItemFollowsTheMapWindow() {
    auto main = OpenMainWindow();
    Companions& windows = main->Windows();
    Activate(*main);
    QAction* item = windows.OpenMapAction();
    QVERIFY(!item->isChecked());
    item->trigger();
    GradientMapWindow* map = windows.MapWindow();
    QVERIFY(map != nullptr && map->isVisible() && item->isChecked());
    map->close();
    QVERIFY(!item->isChecked());
    item->trigger();
    QVERIFY(map->isVisible() && item->isChecked());
    QCOMPARE(windows.MapWindow(), map);
    item->trigger();
    QVERIFY(!map->isVisible() && !item->isChecked());
  }

  // A background chosen after a pass repaints at once; a click on the picture chooses white, as
  // it always did, and the menu follows.
  void backgroundMenuFollowsTheForm() {
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Press(form);
    main->findChild<QAction*>(QStringLiteral("Background_black"))->trigger();
    const auto* picture = Find<PictureBox>(form, QStringLiteral("Picture1"));
    QCOMPARE(picture->Image().pixel(0, 0), qRgb(0, 0, 0));
    QTest::mouseClick(const_cast<PictureBox*>(picture), Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(main->findChild<QAction*>(QStringLiteral("Background_white"))->isChecked());
    QCOMPARE(form.State().backgroundR, 255);
  }

  // The slider sets k on a log scale and shades; «По максимуму» paints the brightest phi white:
  // Lommel–Seeliger at a slant of 60 degrees, whose limb passes 1, is no longer white inside.
  void exposureWindowSetsTheTone() {
    auto main = OpenMainWindow();
    Form1& form = main->Form();
    Retype(*Find<QLineEdit>(form, QStringLiteral("Text4_0")), QStringLiteral("60"));
    form.ChooseLaw(kLommelSeeliger, LawSettings{});
    main->findChild<QAction*>(QStringLiteral("OpenExposure"))->trigger();
    auto* slider = main->findChild<QSlider*>(QStringLiteral("ExposureSlider"));
    slider->setValue(slider->maximum());
    QTRY_COMPARE(form.LastPassResult()->state.exposure, 10.0);
    main->findChild<QPushButton*>(QStringLiteral("ExposureBrightest"))->click();
    QTRY_VERIFY(form.LastPassResult()->state.exposure < 0.9);
    QCOMPARE(Find<QLineEdit>(*main, QStringLiteral("ExposureBox"))->text(),
             DoubleText(form.State().exposure));
  }

  void aboutOpensAndCloses() {
    auto main = OpenMainWindow();
    Activate(*main);
    QString shown;
    QTimer::singleShot(50, [&shown] {
      if (auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget())) {
        shown = Find<QLabel>(*dialog, "AboutText")->text();
        dialog->accept();
      }
    });
    QTimer fallback;  // never left waiting, whatever opened
    fallback.setSingleShot(true);
    connect(&fallback, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    fallback.start(3000);
    main->AboutAction()->trigger();
    QVERIFY(shown.contains(QStringLiteral("Тревелум на сфере Гаусса")));
  }

  // Below the menu bar, the form's pixels are the standalone form's, before and after a pass.
  void formBelowTheMenuIsUnchanged() {
    auto main = OpenMainWindow();
    auto alone = OpenForm();
    Form1& form = main->Form();
    Activate(*main);
    const int menuHeight = main->menuBar()->height();
    QVERIFY(menuHeight > 0);
    QCOMPARE(form.geometry(), QRect(0, menuHeight, 713, 505));
    QCOMPARE(main->size(), QSize(713, 505 + menuHeight));
    const QRect part = form.geometry();
    auto* focusHere = Find<QWidget>(form, "Command1");
    auto* focusThere = Find<QWidget>(*alone, "Command1");

    QCOMPARE(GrabActive(*main, *focusHere, part), GrabActive(*alone, *focusThere, alone->rect()));
    // Clicked by program: a mouse left over one button would light it up.
    Find<QPushButton>(form, "Command1")->click();
    Find<QPushButton>(*alone, "Command1")->click();
    StopBlinking(form);
    StopBlinking(*alone);
    QCOMPARE(GrabActive(*main, *focusHere, part), GrabActive(*alone, *focusThere, alone->rect()));
  }
};

GAUSS_QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
