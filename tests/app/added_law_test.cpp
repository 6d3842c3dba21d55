// A law added as one description reaches the window with nothing else changed: the «Функция»
// menu lists it by its name after the other laws and before «Своя формула…», choosing it opens
// «Параметры функции» with its name and captions and shades with it, and the help's contents name
// its page among the laws' pages.

#include "added_law.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/help/help_window.h"
#include "app/law/function_menu.h"
#include "app/law/law_window.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

// The items of the menu holding `item`, separators left out.
QList<QAction*> ItemsBeside(const MainWindow& main, const QAction* item) {
  for (QAction* entry : main.menuBar()->actions()) {
    if (entry->menu() == nullptr || !entry->menu()->actions().contains(item)) continue;
    QList<QAction*> items = entry->menu()->actions();
    items.removeIf([](const QAction* one) { return one->isSeparator(); });
    return items;
  }
  return {};
}

// The contents' page names, top to bottom.
QStringList ContentsPages(const QListWidget& contents) {
  QStringList pages;
  for (int row = 0; row < contents.count(); ++row) {
    pages.append(contents.item(row)->data(Qt::UserRole).toString());
  }
  return pages;
}

}  // namespace

class AddedLawTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { RegisterAddedLaw(); }

  void menuLawWindowAndHelpNameTheLaw() {
    auto main = OpenMainWindow();
    QAction* item = main->Functions().Action(kAddedLawKind);
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), QString::fromUtf8(kAddedLaw.displayName));
    const QList<QAction*> items = ItemsBeside(*main, item);
    const qsizetype at = items.indexOf(item);
    QCOMPARE(items.indexOf(main->Functions().Action(kCookTorrance)), at - 1);
    QCOMPARE(items.indexOf(main->Functions().Action(kFormula)), at + 1);

    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(main->Form().LastPassState() != nullptr);
    QCOMPARE(main->Form().LastPassState()->reflectanceKind, kAddedLawKind);
    LawWindow* window = main->LawParameters();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(Find<QLabel>(*window, "LawName")->text(), QString::fromUtf8(kAddedLaw.displayName));
    QCOMPARE(Find<QLabel>(*window, "LawCaption_1")->text(),
             QString::fromUtf8(kAddedLawParameters[1].caption));

    HelpWindow help;
    auto* contents = help.findChild<QListWidget*>(QStringLiteral("HelpContents"));
    const QStringList pages = ContentsPages(*contents);
    const qsizetype page = pages.indexOf(QStringLiteral("law-added-law"));
    QVERIFY2(page > 0 && page + 1 < pages.size(), qPrintable(pages.join(u' ')));
    QCOMPARE(pages.at(page - 1), QStringLiteral("law-cook-torrance"));
    QCOMPARE(pages.at(page + 1), QStringLiteral("law-formula"));
    QCOMPARE(contents->item(static_cast<int>(page))->text(),
             QString::fromUtf8(kAddedLaw.helpTitle));
  }
};

GAUSS_QTEST_MAIN(AddedLawTest)
#include "added_law_test.moc"
