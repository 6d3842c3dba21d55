#pragma once
// Reading back the SVG and PDF figures the tests write: what an SVG holds (its elements, texts
// and the one embedded image), and either file painted back into pixels, an SVG by Qt's renderer,
// a PDF by pdftoppm (poppler-utils, which the set-up installs). Needs a QGuiApplication.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStringList>
#include <QSvgRenderer>
#include <QXmlStreamReader>

struct SvgContents {
  QString error;  // the XML reader's, empty when the file reads
  QString width;  // the <svg> element's attributes
  QString height;
  int images = 0;
  int paths = 0;
  QStringList texts;
  QImage image;  // the last <image>'s picture
};

inline SvgContents ReadSvg(const QByteArray& svg) {
  SvgContents contents;
  QXmlStreamReader reader(svg);
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView name = reader.name();
    if (name == u"svg") {
      contents.width = reader.attributes().value(QStringLiteral("width")).toString();
      contents.height = reader.attributes().value(QStringLiteral("height")).toString();
    } else if (name == u"image") {
      ++contents.images;
      const QString link = reader.attributes().value(QStringLiteral("xlink:href")).toString();
      const QString prefix = QStringLiteral("data:image/png;base64,");
      if (link.startsWith(prefix)) {
        contents.image.loadFromData(QByteArray::fromBase64(link.mid(prefix.size()).toLatin1()));
      }
    } else if (name == u"path") {
      ++contents.paths;
    } else if (name == u"text") {
      contents.texts.append(reader.readElementText(QXmlStreamReader::IncludeChildElements));
    }
  }
  if (reader.hasError()) contents.error = reader.errorString();
  return contents;
}

// The figure painted at `dotsPerInch` (96 maps an SVG's pixel to a pixel, 72 a PDF's point);
// a null image when it could not be painted. `folder` holds the PDF and pdftoppm's picture.
inline QImage PaintedFigure(const QByteArray& bytes, bool pdf, int dotsPerInch,
                            const QString& folder) {
  if (!pdf) {
    QSvgRenderer renderer(bytes);
    if (!renderer.isValid()) return {};
    QImage image(renderer.defaultSize() * dotsPerInch / 96, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
  }
  QFile file(folder + QStringLiteral("/figure.pdf"));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  file.close();
  const int status = QProcess::execute(
      QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-png"),
       QStringLiteral("-singlefile"), file.fileName(), folder + QStringLiteral("/painted")});
  if (status != 0) return {};
  return QImage(folder + QStringLiteral("/painted.png")).convertToFormat(QImage::Format_RGB32);
}
