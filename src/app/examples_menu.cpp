#include "app/examples_menu.h"

#include <QAction>
#include <QMenu>

#include "app/language/translated_texts.h"
#include "app/main_window.h"

QString ExamplePath(const ExampleSetup& example) {
  return QStringLiteral(":/examples/%1.gsetup").arg(QLatin1String(example.file));
}

ExamplesMenu::ExamplesMenu(QMenu& file, MainWindow& main) : QObject(&main) {
  TranslatedTexts& texts = TranslatedTexts::Of(main);
  menu_ = file.addMenu(QString());
  texts.Keep(menu_, &QMenu::setTitle, "ExamplesMenu", QT_TRANSLATE_NOOP("ExamplesMenu", "Примеры"));
  menu_->setObjectName(QStringLiteral("ExampleSetups"));
  for (const ExampleSetup& example : kExampleSetups) {
    QAction* item = menu_->addAction(QString());
    texts.Keep(item, &QAction::setText, "ExamplesMenu", example.title);
    item->setObjectName(QStringLiteral("Example_") + QLatin1String(example.file));
    const QString path = ExamplePath(example);
    connect(item, &QAction::triggered, &main,
            [&main, path] { main.OpenSetup(path, SetupSource::kExample); });
  }
}
