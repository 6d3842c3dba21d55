#pragma once
// The pages of the help, in the order of its contents, and the places that context help opens:
// each control of the main window names the page and the section (an anchor) that explain it.
// Pages are Russian HTML compiled into the resources under qrc:/help/, one file NAME.html a page;
// each has an English translation with the same sections and links under qrc:/help/en/NAME.html.
//
//   control's objectName -> HelpPlaceOfControl -> {page, anchor} -> HelpPageUrl -> HelpWindow

#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

class QWidget;

struct HelpPage {
  const char* name;     // the file is qrc:/help/NAME.html, in English qrc:/help/en/NAME.html
  const char* title;    // the line of the contents, the <title> of the page
  const char* titleEn;  // the same line in English, the <title> of the English page
};

// Every page in the order of the contents: the pages of the program, with each additional law's
// page (its description's, photometry/laws) after the reflectance functions' page.
std::vector<HelpPage> HelpPages();

// The page that opens when none is asked for.
inline constexpr const char* kHelpStartPage = "start";

struct HelpPlace {
  QString page;
  QString anchor;
  bool operator==(const HelpPlace&) const = default;
};

// qrc:/help/PAGE.html, with #ANCHOR when one is given; qrc:/help/en/PAGE.html when `english`.
// The anchors of a page are the same in both languages.
QUrl HelpPageUrl(const QString& page, const QString& anchor = {}, bool english = false);

// The page name of a Russian help URL (the file name without .html), or an empty string for a
// URL that is not a help page.
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
