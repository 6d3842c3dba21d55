// The help: every page loads under its contents title; every link between pages reaches an
// existing page and section, every picture an existing resource; each place of context help
// opens its page scrolled to its section; «О программе» names the version and the Qt in use.

#include "app/help/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/form/layout_table.h"
#include "app/help/about_dialog.h"
#include "app/help/help_pages.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

// What one page holds, as the page view parsed it.
struct PageFacts {
  QStringList anchors;
  QList<QUrl> links;   // resolved against the page
  QList<QUrl> images;  // resolved against the page
};

PageFacts ReadPage(QTextBrowser& browser, const QString& page) {
  browser.setSource(HelpPageUrl(page));
  PageFacts facts;
  const QUrl base = browser.source();
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      facts.anchors += format.anchorNames();
      if (format.isAnchor() && !format.anchorHref().isEmpty()) {
        facts.links += base.resolved(QUrl(format.anchorHref()));
      }
      if (format.isImageFormat())
        facts.images += base.resolved(QUrl(format.toImageFormat().name()));
    }
  }
  return facts;
}

QString ResourcePath(const QUrl& url) { return QLatin1Char(':') + url.path(); }

// The sections that the window's controls send context help to, besides the table's own.
const char* const kRequiredPlaces[][2] = {
    {"angles", "rot-x"},         {"angles", "rot-y"},       {"angles", "rot-z"},
    {"angles", "slant"},         {"functions", "matte"},    {"functions", "glossy"},
    {"functions", "rocky"},      {"functions", "mirror"},   {"functions", "s"},
    {"functions", "n"},          {"isolines", "legend"},    {"isolines", "colour"},
    {"isolines", "half-sphere"}, {"isolines", "smoothing"},
};

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPageLoadsUnderItsTitle_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    for (const HelpPage& page : HelpPages()) {
      QTest::newRow(page.name) << QString::fromLatin1(page.name) << QString::fromUtf8(page.title);
    }
  }
  void everyPageLoadsUnderItsTitle() {
    QFETCH(QString, page);
    QFETCH(QString, title);
    QVERIFY2(QFile::exists(ResourcePath(HelpPageUrl(page))), qPrintable(page));
    QTextBrowser browser;
    const PageFacts facts = ReadPage(browser, page);
    QCOMPARE(browser.documentTitle(), title);
    QVERIFY2(!facts.anchors.isEmpty(), "a page names its sections");
    QCOMPARE(facts.anchors.size(),
             QSet<QString>(facts.anchors.begin(), facts.anchors.end()).size());
  }

  // Links and pictures of every page, against the pages and resources that exist.
  void everyLinkAndPictureResolves() {
    QTextBrowser browser;
    QHash<QString, PageFacts> pages;
    for (const HelpPage& page : HelpPages()) {
      pages.insert(QString::fromLatin1(page.name),
                   ReadPage(browser, QString::fromLatin1(page.name)));
    }
    int internalLinks = 0;
    for (auto page = pages.cbegin(); page != pages.cend(); ++page) {
      for (const QUrl& link : page->links) {
        const QString where = page.key() + QStringLiteral(" -> ") + link.toString();
        if (link.scheme() == u"http" || link.scheme() == u"https") continue;
        const QString target = HelpPageName(link);
        QVERIFY2(IsHelpPage(target), qPrintable(where));
        if (link.hasFragment()) {
          QVERIFY2(pages[target].anchors.contains(link.fragment()), qPrintable(where));
        }
        ++internalLinks;
      }
      for (const QUrl& image : page->images) {
        const QString where = page.key() + QStringLiteral(": ") + image.toString();
        QCOMPARE(image.scheme(), QStringLiteral("qrc"));
        QVERIFY2(!QImage(ResourcePath(image)).isNull(), qPrintable(where));
      }
    }
    QVERIFY(internalLinks > 0);
    QVERIFY(!pages[QStringLiteral("angles")].images.isEmpty());  // the figure of i, e, g
  }

  // Each place opens its page with the section at the top of the view (or the page's end in
  // view, when the section is near it).
  void contextHelpScrollsToItsSection_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("anchor");
    QList<HelpPlace> places = AllContextHelpPlaces();
    for (const auto& required : kRequiredPlaces) {
      const HelpPlace place{QString::fromLatin1(required[0]), QString::fromLatin1(required[1])};
      QVERIFY2(places.contains(place), required[1]);
    }
    for (const HelpPlace& place : places) {
      QTest::newRow(qPrintable(place.page + u'#' + place.anchor)) << place.page << place.anchor;
    }
  }
  void contextHelpScrollsToItsSection() {
    QFETCH(QString, page);
    QFETCH(QString, anchor);
    HelpWindow window;
    window.ShowPage(QStringLiteral("keys"));  // start elsewhere, scrolled to the top
    window.ShowPage(page, anchor);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.CurrentPage(), page);
    QCOMPARE(window.Contents().currentItem()->text(), window.Browser().documentTitle());
    QTextBrowser& browser = window.Browser();
    QCOMPARE(browser.source().fragment(), anchor);

    QTextBlock section;
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
      for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        if (fragment.fragment().charFormat().anchorNames().contains(anchor)) section = block;
      }
    }
    QVERIFY2(section.isValid(), qPrintable(anchor));
    const double top = browser.document()->documentLayout()->blockBoundingRect(section).top();
    const QScrollBar& bar = *browser.verticalScrollBar();
    QVERIFY2(bar.value() <= top && top < bar.value() + browser.viewport()->height(),
             qPrintable(QStringLiteral("section at %1, view from %2").arg(top).arg(bar.value())));
    QVERIFY(bar.value() == bar.maximum() ||
            top - bar.value() < 2.0 * browser.fontMetrics().height());
  }

  // Names of the window's controls, array members included, reach their sections; a widget
  // without a place of its own takes its parent's; none at all opens the first page.
  void placesOfControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("Ox box") << "Text1"
                            << "angles"
                            << "rot-x";
    QTest::newRow("Oz box, index 0") << "Text3_0"
                                     << "angles"
                                     << "rot-z";
    QTest::newRow("slant box") << "Text4_0"
                               << "angles"
                               << "slant";
    QTest::newRow("Ox caption, not the legend's") << "Label1_0"
                                                  << "angles"
                                                  << "rot-x";
    QTest::newRow("legend caption") << "Label1_4"
                                    << "isolines"
                                    << "legend";
    QTest::newRow("top legend level") << "Text8_7"
                                      << "isolines"
                                      << "legend";
    QTest::newRow("picture frame, not a swatch") << "Shape1_0"
                                                 << "start"
                                                 << "picture";
    QTest::newRow("swatch") << "Shape1_3"
                            << "isolines"
                            << "legend";
    QTest::newRow("n box") << "Text6"
                           << "functions"
                           << "n";
    QTest::newRow("unknown") << "Nothing"
                             << ""
                             << "";
  }
  void placesOfControls() {
    QFETCH(QString, control);
    QFETCH(QString, page);
    QFETCH(QString, anchor);
    const std::optional<HelpPlace> place = HelpPlaceOfControl(control);
    QCOMPARE(place.has_value(), !page.isEmpty());
    if (place) QCOMPARE(*place, (HelpPlace{page, anchor}));

    QWidget parent;
    parent.setObjectName(control);
    QWidget child(&parent);
    HelpWindow window;
    window.ShowContextHelp(&child);
    QCOMPARE(window.CurrentPage(), page.isEmpty() ? QString::fromLatin1(kHelpStartPage) : page);
  }

  // Every control of the window's layout that the user can click or type into has a place.
  void everyInputControlHasAPlace() {
    for (const ControlSpec& spec : WindowControls()) {
      if (spec.kind == ControlKind::kLine || spec.kind == ControlKind::kArrowLine ||
          spec.kind == ControlKind::kFrame) {
        continue;
      }
      const QString name = ControlObjectName(spec.name, spec.index);
      if (name == u"Label5") continue;  // the version line of the frame
      QVERIFY2(HelpPlaceOfControl(name).has_value(), qPrintable(name));
    }
  }

  // The contents follow the page shown, whether chosen there or reached by a link.
  void contentsFollowThePage() {
    HelpWindow window;
    window.ShowPage(QStringLiteral("start"));
    QListWidget& contents = window.Contents();
    for (int row = contents.count() - 1; row >= 0; --row) {
      QListWidgetItem* item = contents.item(row);
      QTest::mouseClick(contents.viewport(), Qt::LeftButton, {},
                        contents.visualItemRect(item).center());
      QCOMPARE(window.Browser().documentTitle(), item->text());
    }
    window.Browser().setSource(HelpPageUrl(QStringLiteral("gradient"), QStringLiteral("map")));
    QCOMPARE(contents.currentItem()->text(), window.Browser().documentTitle());
    QCOMPARE(window.CurrentPage(), QStringLiteral("gradient"));
    window.ShowPage(QStringLiteral("no-such-page"));
    QCOMPARE(window.CurrentPage(), QString::fromLatin1(kHelpStartPage));
  }

  void aboutNamesVersionAndQt() {
    const QString text = AboutText();
    QVERIFY(text.contains(QStringLiteral("Тревелум на сфере Гаусса")));
    QVERIFY(text.contains(QStringLiteral("Версия " GAUSS_SPHERE_VERSION)));
    QVERIFY(text.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    QVERIFY(text.contains(QStringLiteral("MIT")));
    QVERIFY(text.contains(QStringLiteral("Robot Vision")));
    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("AboutText"))->text(), text);
  }
};

GAUSS_QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
