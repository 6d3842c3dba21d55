#pragma once
// «Справка — Тревелум на сфере Гаусса»: a window of its own, not modal, with the contents on the
// left and the page on the right. Links between pages and to sections follow in the window;
// a link that leaves the help opens in the desktop's browser. Context help opens a page at the
// section that explains a control.
//
//   ShowPage(page, anchor) -> qrc:/help/PAGE.html#ANCHOR -> the page view -> the contents' row

#include <QWidget>

#include "app/help/help_pages.h"

class QListWidget;
class QTextBrowser;
class QUrl;

class HelpWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Opens `page` (a name of HelpPages(); an unknown one opens the first page) scrolled to the
  // section `anchor`, then shows the window, minimised or not, and brings it to the front.
  void ShowPage(const QString& page, const QString& anchor = {});

  // Opens the section that explains `widget` (or its nearest parent with one), or the first
  // page when none does: what F1 and Shift+F1 call.
  void ShowContextHelp(const QWidget* widget);

  // The name of the page shown, empty before the first.
  QString CurrentPage() const;

  QTextBrowser& Browser() const { return *browser_; }
  QListWidget& Contents() const { return *contents_; }

 private:
  void OnSourceChanged(const QUrl& url);
  void ShowLanguage();

  QListWidget* contents_ = nullptr;
  QTextBrowser* browser_ = nullptr;
};
