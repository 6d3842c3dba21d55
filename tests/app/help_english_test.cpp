// The English help: each Russian page has its English one under its English title, with the same
// sections, links and pictures; its links lead to English pages (whose sections are those of the
// Russian pages, which the help's own test follows), its pictures load, a figure of
// the help's own captioned in English; no Russian text is left.

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/help/help_pages.h"
#include "qt_test_registry.h"

namespace {

// What one page holds, as the page view parsed it.
struct PageFacts {
  QSet<QString> anchors;
  int anchorCount = 0;
  QList<QUrl> links;   // resolved against the page
  QList<QUrl> images;  // resolved against the page
};

PageFacts ReadPage(QTextBrowser& browser, const QUrl& url) {
  browser.setSource(url);
  PageFacts facts;
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      for (const QString& anchor : format.anchorNames()) facts.anchors += anchor;
      facts.anchorCount += format.anchorNames().size();
      if (format.isAnchor() && !format.anchorHref().isEmpty()) {
        facts.links += url.resolved(QUrl(format.anchorHref()));
      }
      if (format.isImageFormat()) {
        facts.images += url.resolved(QUrl(format.toImageFormat().name()));
      }
    }
  }
  return facts;
}

// The Russian link as the English page must have it: a help page's English twin, the web as is.
QUrl EnglishLink(const QUrl& russian) {
  const QString page = HelpPageName(russian);
  return page.isEmpty() ? russian : HelpPageUrl(page, russian.fragment(), true);
}

// Cyrillic left in an English page. The only one allowed is ф standing alone: the program's own
// name of the reflectance function, which the legend shows as «ф (i,e,g) =».
QString FirstCyrillic(const QString& text) {
  static const QRegularExpression kCyrillic(QStringLiteral("\\p{Cyrillic}+"));
  static const QRegularExpression kLetter(QStringLiteral("\\w"));
  for (const QRegularExpressionMatch& match : kCyrillic.globalMatch(text)) {
    const auto at = match.capturedStart();
    const auto end = match.capturedEnd();
    const bool lonePhi = match.captured() == u"ф" &&
                         (at == 0 || !kLetter.match(text.mid(at - 1, 1)).hasMatch()) &&
                         (end == text.size() || !kLetter.match(text.mid(end, 1)).hasMatch());
    if (!lonePhi) return text.mid(qMax(qsizetype(0), at - 30), 80);
  }
  return {};
}

}  // namespace

class HelpEnglishTest : public QObject {
  Q_OBJECT

 private slots:
  void pageMatchesItsRussianOne_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    for (const HelpPage& page : HelpPages()) {
      QTest::newRow(page.name) << QString::fromLatin1(page.name) << QString::fromUtf8(page.titleEn);
    }
  }
  void pageMatchesItsRussianOne() {
    QFETCH(QString, page);
    QFETCH(QString, title);
    const QUrl url = HelpPageUrl(page, {}, true);
    QFile file(QLatin1Char(':') + url.path());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(url.toString()));
    const QString html = QString::fromUtf8(file.readAll());

    QTextBrowser browser;
    const PageFacts russian = ReadPage(browser, HelpPageUrl(page));
    const PageFacts english = ReadPage(browser, url);
    QCOMPARE(browser.documentTitle(), title);
    QCOMPARE(english.anchors, russian.anchors);
    QCOMPARE(english.anchorCount, english.anchors.size());
    QList<QUrl> expected;
    for (const QUrl& link : russian.links) expected += EnglishLink(link);
    QCOMPARE(english.links, expected);  // sections of the targets: their own rows
    for (const QUrl& link : english.links) {
      if (link.scheme() != u"qrc") continue;
      QVERIFY2(QFile::exists(QLatin1Char(':') + link.path()), qPrintable(link.toString()));
    }
    QStringList russianImages;
    for (const QUrl& image : russian.images) russianImages += image.fileName();
    QStringList englishImages;
    for (const QUrl& image : english.images) englishImages += image.fileName();
    QCOMPARE(englishImages, russianImages);
    for (qsizetype at = 0; at < english.images.size(); ++at) {
      const QUrl& image = english.images[at];
      const QImage picture(QLatin1Char(':') + image.path());
      QVERIFY2(!picture.isNull(), qPrintable(image.toString()));
      // A figure of the help's own (not a shared picture of the window) is captioned in English.
      if (image != russian.images[at]) {
        QVERIFY2(picture != QImage(QLatin1Char(':') + russian.images[at].path()),
                 qPrintable(image.toString()));
      }
    }
    const QString cyrillic = FirstCyrillic(html);
    QVERIFY2(cyrillic.isEmpty(), qPrintable(cyrillic));
  }
};

GAUSS_QTEST_MAIN(HelpEnglishTest)
#include "help_english_test.moc"
