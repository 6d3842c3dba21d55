#include "app/help/help_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>

#include "app/language/translated_texts.h"

namespace {

constexpr int kPageRole = Qt::UserRole;
constexpr int kContentsWidth = 290;
constexpr int kPageWidth = 640;
constexpr int kWindowHeight = 560;

QListWidget* MakeContents(QWidget* parent) {
  auto* contents = new QListWidget(parent);
  contents->setObjectName(QStringLiteral("HelpContents"));
  for (const HelpPage& page : kHelpPages) {
    auto* item = new QListWidgetItem(QString::fromUtf8(page.title), contents);
    item->setData(kPageRole, QString::fromLatin1(page.name));
  }
  return contents;
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
    browser_->setSource(HelpPageUrl(item->data(kPageRole).toString()));
  });
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::OnSourceChanged);
}

void HelpWindow::ShowPage(const QString& page, const QString& anchor) {
  const QString shown = IsHelpPage(page) ? page : QString::fromLatin1(kHelpStartPage);
  const QUrl url = HelpPageUrl(shown, anchor);
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

QString HelpWindow::CurrentPage() const { return HelpPageName(browser_->source()); }

// Keeps the contents' row on the page shown, however it was reached.
void HelpWindow::OnSourceChanged(const QUrl& url) {
  const QString page = HelpPageName(url);
  for (int row = 0; row < contents_->count(); ++row) {
    if (contents_->item(row)->data(kPageRole).toString() == page) {
      const QSignalBlocker quiet(contents_);
      contents_->setCurrentRow(row);
      return;
    }
  }
}
