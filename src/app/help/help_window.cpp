#include "app/help/help_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>

#include "app/language/language.h"
#include "app/language/translated_texts.h"

namespace {

// Each line of the contents holds its page's name and its title in either language.
constexpr int kPageRole = Qt::UserRole;
constexpr int kTitleRole = Qt::UserRole + 1;
constexpr int kEnglishTitleRole = Qt::UserRole + 2;
constexpr int kContentsWidth = 290;
constexpr int kPageWidth = 640;
constexpr int kWindowHeight = 560;
const QString kEnglishFolder = QStringLiteral("en/");

QListWidget* MakeContents(QWidget* parent) {
  auto* contents = new QListWidget(parent);
  contents->setObjectName(QStringLiteral("HelpContents"));
  for (const HelpPage& page : HelpPages()) {
    auto* item = new QListWidgetItem(contents);
    item->setData(kPageRole, QString::fromLatin1(page.name));
    item->setData(kTitleRole, QString::fromUtf8(page.title));
    item->setData(kEnglishTitleRole, QString::fromUtf8(page.titleEn));
  }
  return contents;
}

bool English() { return CurrentLanguage() == Language::kEnglish; }

// The page of a help URL in either language: the English pages lie in the folder en/ beside the
// Russian ones, under the same names.
QString PageOf(const QUrl& url) {
  QString page = HelpPageName(url);
  if (page.startsWith(kEnglishFolder)) page.remove(0, kEnglishFolder.size());
  return page;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  TranslatedTexts::Of(*this).Keep(
      static_cast<QWidget*>(this), &QWidget::setWindowTitle, "HelpWindow",
      QT_TRANSLATE_NOOP("HelpWindow", "Справка — Тревелум на сфере Гаусса"));

  contents_ = MakeContents(this);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(true);  // through QDesktopServices

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({kContentsWidth, kPageWidth});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
  resize(kContentsWidth + kPageWidth, kWindowHeight);

  connect(contents_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    browser_->setSource(HelpPageUrl(item->data(kPageRole).toString(), {}, English()));
  });
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::OnSourceChanged);
  TranslatedTexts::Of(*this).Keep([this] { ShowLanguage(); });
}

// The contents' titles and the page shown (at the same section) in the language in use.
void HelpWindow::ShowLanguage() {
  const bool english = English();
  for (int row = 0; row < contents_->count(); ++row) {
    QListWidgetItem* item = contents_->item(row);
    item->setText(item->data(english ? kEnglishTitleRole : kTitleRole).toString());
  }
  const QString shown = CurrentPage();
  if (!shown.isEmpty())
    browser_->setSource(HelpPageUrl(shown, browser_->source().fragment(), english));
}

void HelpWindow::ShowPage(const QString& page, const QString& anchor) {
  const QString shown = IsHelpPage(page) ? page : QString::fromLatin1(kHelpStartPage);
  const QUrl url = HelpPageUrl(shown, anchor, English());
  if (browser_->source() == url && !anchor.isEmpty()) {
    browser_->scrollToAnchor(anchor);  // the same link again: scroll back to its section
  } else {
    browser_->setSource(url);
  }
  // A minimised window comes back as it was before (show() alone leaves it minimised).
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowContextHelp(const QWidget* widget) {
  if (const std::optional<HelpPlace> place = HelpPlaceOf(widget)) {
    ShowPage(place->page, place->anchor);
  } else {
    ShowPage(QString::fromLatin1(kHelpStartPage));
  }
}

QString HelpWindow::CurrentPage() const { return PageOf(browser_->source()); }

// Keeps the contents' row on the page shown, however it was reached.
void HelpWindow::OnSourceChanged(const QUrl& url) {
  const QString page = PageOf(url);
  for (int row = 0; row < contents_->count(); ++row) {
    if (contents_->item(row)->data(kPageRole).toString() == page) {
      const QSignalBlocker quiet(contents_);
      contents_->setCurrentRow(row);
      return;
    }
  }
}
