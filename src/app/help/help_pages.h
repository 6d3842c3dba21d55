#pragma once
// The pages of the help, in the order of its contents, and the places that context help opens:
// each control of the main window names the page and the section (an anchor) that explain it.
// Pages are Russian HTML compiled into the resources under qrc:/help/, one file NAME.html a page.
//
//   control's objectName -> HelpPlaceOfControl -> {page, anchor} -> HelpPageUrl -> HelpWindow

#include <QString>
#include <QUrl>
#include <optional>

class QWidget;

struct HelpPage {
  const char* name;   // the file is qrc:/help/NAME.html
  const char* title;  // the line of the contents
};

inline constexpr HelpPage kHelpPages[] = {
    {"start", "С чего начать"},
    {"angles", "Сфера Гаусса и углы i, e, g"},
    {"functions", "Функции отражательной способности"},
    {"law-minnaert", "Закон Миннарта"},
    {"law-lommel-seeliger", "Закон Ломмеля — Зелигера"},
    {"law-lunar-lambert", "Лунно-ламбертов закон"},
    {"law-oren-nayar", "Модель Орен — Наяра"},
    {"law-hapke", "Закон Хапке"},
    {"law-blinn-phong", "Модель Блинна — Фонга"},
    {"law-cook-torrance", "Модель Кука — Торранса"},
    {"law-formula", "Своя формула"},
    {"isolines", "Изолинии и зоны"},
    {"gradient", "Карта в градиентном пространстве"},
    {"stereo", "Фотометрическое стерео"},
    {"surface", "Поверхность и уравнение яркости изображения"},
    {"recovery", "Восстановление формы"},
    {"phase-curve", "Фазовая кривая и фазовый интеграл"},
    {"limb-darkening", "Потемнение к краю и профили"},
    {"setup-file", "Файл настройки"},
    {"keys", "Клавиши и мышь"},
    {"command-line", "Командная строка"},
};

// The page that opens when none is asked for.
inline constexpr const char* kHelpStartPage = "start";

struct HelpPlace {
  QString page;
  QString anchor;
  bool operator==(const HelpPlace&) const = default;
};

// qrc:/help/PAGE.html, with #ANCHOR when one is given.
QUrl HelpPageUrl(const QString& page, const QString& anchor = {});

// The page name of a help URL (the file name without .html), or an empty string for a URL that
// is not a help page.
QString HelpPageName(const QUrl& url);

bool IsHelpPage(const QString& page);

// The section that explains the main window's control of this objectName ("Text1", "Text8_3"):
// first the name itself, then, for a member of a control array, the array's name.
std::optional<HelpPlace> HelpPlaceOfControl(const QString& objectName);

// The place of the widget, or of the nearest of its parents that has one: what F1 opens for the
// focused widget, or Shift+F1 for the one clicked.
std::optional<HelpPlace> HelpPlaceOf(const QWidget* widget);

// Every place that context help can open, for the help's own checks.
QList<HelpPlace> AllContextHelpPlaces();
