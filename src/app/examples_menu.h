#pragma once
// «Файл» → «Примеры»: ready setups compiled into the resources (qrc:/examples/), one for each
// lecture the help teaches. Opening one is opening a setup, except that it does not join the
// recent files.

#include <QObject>
#include <QtGlobal>
#include <span>

class MainWindow;
class QMenu;

struct ExampleSetup {
  const char* file;   // qrc:/examples/FILE.gsetup
  const char* title;  // the menu item
};

inline constexpr ExampleSetup kExampleSetups[] = {
    {"moon-full",
     QT_TRANSLATE_NOOP("ExamplesMenu", "Луна в полнолуние: Ломмель — Зелигер, g = 0°")},
    {"moon-phase-60", QT_TRANSLATE_NOOP("ExamplesMenu", "Луна при фазе 60°: Ломмель — Зелигер")},
    {"minnaert-limb", QT_TRANSLATE_NOOP("ExamplesMenu", "Край диска у Миннарта")},
    {"glossy-highlight", QT_TRANSLATE_NOOP("ExamplesMenu", "Блик, бегущий за наблюдателем")},
    {"oren-nayar-flat",
     QT_TRANSLATE_NOOP("ExamplesMenu", "Уплощение шероховатой поверхности (Орен — Наяр)")},
    {"two-sources", QT_TRANSLATE_NOOP("ExamplesMenu", "Два источника в градиентном пространстве")},
    {"three-sources",
     QT_TRANSLATE_NOOP("ExamplesMenu", "Три источника в градиентном пространстве")},
    {"crater-low-sun", QT_TRANSLATE_NOOP("ExamplesMenu", "Кратер при низком Солнце")},
    {"glossy-vase-stereo",
     QT_TRANSLATE_NOOP("ExamplesMenu", "Фотометрическое стерео на глянцевой вазе")},
};

// The resource path of an example.
QString ExamplePath(const ExampleSetup& example);

class ExamplesMenu final : public QObject {
  Q_OBJECT
 public:
  // Adds «Примеры» to `file`.
  ExamplesMenu(QMenu& file, MainWindow& main);

  QMenu* Menu() const { return menu_; }

 private:
  QMenu* menu_ = nullptr;
};
