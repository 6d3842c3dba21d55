#include "app/help/help_pages.h"

#include <QRegularExpression>
#include <QWidget>
#include <iterator>

#include "photometry/law_catalogue.h"

namespace {

const QString kHelpRoot = QStringLiteral("qrc:/help/");
const QString kEnglishFolder = QStringLiteral("en/");
const QString kPageSuffix = QStringLiteral(".html");

struct ControlPlace {
  const char* control;  // an objectName, or the name of a control array
  const char* page;
  const char* anchor;
};

// Exact names come before array names: Label1_0 and Shape1_0 are not legend controls.
constexpr ControlPlace kControlPlaces[] = {
    {"Command1", "start", "shade"},
    {"Picture1", "start", "picture"},
    {"Shape1_0", "start", "picture"},
    {"Label6", "start", "observer-arrow"},
    {"Label1_0", "angles", "rot-x"},
    {"Text1", "angles", "rot-x"},
    {"Image1", "angles", "rot-x"},
    {"Label2_0", "angles", "rot-y"},
    {"Text2", "angles", "rot-y"},
    {"Image2", "angles", "rot-y"},
    {"Label2_1", "angles", "rot-z"},
    {"Text3_0", "angles", "rot-z"},
    {"Label2_2", "angles", "rot-z"},
    {"Image3", "angles", "rot-z"},
    {"Label3", "angles", "slant"},
    {"Text4_0", "angles", "slant"},
    {"Image4", "angles", "slant"},
    {"Label2_3", "angles", "slant"},
    {"Option1", "functions", "matte"},
    {"Option2", "functions", "glossy"},
    {"Image5", "functions", "glossy"},
    {"Image6", "functions", "glossy"},
    {"Text5", "functions", "s"},
    {"Label4", "functions", "n"},
    {"Text6", "functions", "n"},
    {"Option3", "functions", "rocky"},
    {"Option4", "functions", "mirror"},
    {"Check1", "isolines", "half-sphere"},
    {"Check2", "isolines", "smoothing"},
    {"Check3", "isolines", "colour"},
    {"Shape2", "isolines", "self-shadow"},
    {"Label9", "isolines", "self-shadow"},
    {"Text7", "isolines", "legend"},
    {"Text8", "isolines", "legend"},
    {"Shape1", "isolines", "legend"},
    {"Label1", "isolines", "legend"},
    {"Label2", "isolines", "legend"},
    {"MapPicture", "gradient", "map"},
    {"GradientMapWindow", "gradient", "map"},
    // «Параметры функции»: a law's other controls open the page of the law shown (LawWindow).
    {"LawMcEwen", "law-lunar-lambert", "mcewen"},
    {"FormulaBox", "law-formula", "formula"},
    {"FormulaApply", "law-formula", "formula"},
    {"FormulaStart", "law-formula", "starters"},
    {"FormulaName", "law-formula", "parameters"},
    {"FormulaValue", "law-formula", "parameters"},
    {"FormulaSlider", "law-formula", "parameters"},
    {"FormulaError", "law-formula", "errors"},
    {"LitByAll", "stereo", "lit"},
    {"SourcesPanel", "stereo", "panel"},
};

// The pages before the laws' pages and after them.
constexpr HelpPage kPagesBeforeLaws[] = {
    {"start", "С чего начать", "Getting started"},
    {"angles", "Сфера Гаусса и углы i, e, g", "The Gaussian sphere and the angles i, e, g"},
    {"functions", "Функции отражательной способности", "Reflectance functions"},
};
constexpr HelpPage kPagesAfterLaws[] = {
    {"isolines", "Изолинии и зоны", "Isolines and zones"},
    {"gradient", "Карта в градиентном пространстве", "The map in gradient space"},
    {"stereo", "Фотометрическое стерео", "Photometric stereo"},
    {"surface", "Поверхность и уравнение яркости изображения",
     "Surfaces and the image irradiance equation"},
    {"recovery", "Восстановление формы", "Shape recovery"},
    {"phase-curve", "Фазовая кривая и фазовый интеграл", "The phase curve and the phase integral"},
    {"limb-darkening", "Потемнение к краю и профили", "Limb darkening and profiles"},
    {"setup-file", "Файл настройки", "The setup file"},
    {"keys", "Клавиши и мышь", "Keys and mouse"},
    {"command-line", "Командная строка", "The command line"},
};

std::optional<HelpPlace> PlaceOfName(const QString& name) {
  for (const ControlPlace& place : kControlPlaces) {
    if (name == QLatin1String(place.control)) {
      return HelpPlace{QString::fromLatin1(place.page), QString::fromLatin1(place.anchor)};
    }
  }
  return std::nullopt;
}

}  // namespace

QUrl HelpPageUrl(const QString& page, const QString& anchor, bool english) {
  QUrl url(kHelpRoot + (english ? kEnglishFolder : QString()) + page + kPageSuffix);
  if (!anchor.isEmpty()) url.setFragment(anchor);
  return url;
}

QString HelpPageName(const QUrl& url) {
  const QString path = url.adjusted(QUrl::RemoveFragment | QUrl::RemoveQuery).toString();
  if (!path.startsWith(kHelpRoot) || !path.endsWith(kPageSuffix)) return {};
  return path.mid(kHelpRoot.size(), path.size() - kHelpRoot.size() - kPageSuffix.size());
}

std::vector<HelpPage> HelpPages() {
  std::vector<HelpPage> pages(std::begin(kPagesBeforeLaws), std::end(kPagesBeforeLaws));
  for (const LawEntry& law : AdditionalLaws()) {
    // The anchor is a string literal of the law's description, so it ends in a NUL.
    pages.push_back({law.helpAnchor.data(), law.helpTitle, law.helpTitleEn});
  }
  pages.insert(pages.end(), std::begin(kPagesAfterLaws), std::end(kPagesAfterLaws));
  return pages;
}

bool IsHelpPage(const QString& page) {
  for (const HelpPage& known : HelpPages()) {
    if (page == QLatin1String(known.name)) return true;
  }
  return false;
}

std::optional<HelpPlace> HelpPlaceOfControl(const QString& objectName) {
  if (std::optional<HelpPlace> place = PlaceOfName(objectName)) return place;
  static const QRegularExpression kArrayIndex(QStringLiteral("_\\d+$"));
  const QString arrayName = QString(objectName).remove(kArrayIndex);
  if (arrayName == objectName) return std::nullopt;
  return PlaceOfName(arrayName);
}

std::optional<HelpPlace> HelpPlaceOf(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (std::optional<HelpPlace> place = HelpPlaceOfControl(widget->objectName())) return place;
  }
  return std::nullopt;
}

QList<HelpPlace> AllContextHelpPlaces() {
  QList<HelpPlace> places;
  for (const ControlPlace& place : kControlPlaces) {
    const HelpPlace one{QString::fromLatin1(place.page), QString::fromLatin1(place.anchor)};
    if (!places.contains(one)) places.append(one);
  }
  return places;
}
