#pragma once
// «Файл» → «Примеры»: ready setups compiled into the resources (qrc:/examples/), one for each
// lecture the help teaches. Opening one is opening a setup, except that it does not join the
// recent files.

#include <QObject>
#include <span>

class MainWindow;
class QMenu;

struct ExampleSetup {
  const char* file;   // qrc:/examples/FILE.gsetup
  const char* title;  // the menu item
};

inline constexpr ExampleSetup kExampleSetups[] = {
    {"moon-full", "Луна в полнолуние: Ломмель — Зелигер, g = 0°"},
    {"moon-phase-60", "Луна при фазе 60°: Ломмель — Зелигер"},
    {"minnaert-limb", "Край диска у Миннарта"},
    {"glossy-highlight", "Блик, бегущий за наблюдателем"},
    {"oren-nayar-flat", "Уплощение шероховатой поверхности (Орен — Наяр)"},
    {"two-sources", "Два источника в градиентном пространстве"},
    {"three-sources", "Три источника в градиентном пространстве"},
    {"crater-low-sun", "Кратер при низком Солнце"},
    {"glossy-vase-stereo", "Фотометрическое стерео на глянцевой вазе"},
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
