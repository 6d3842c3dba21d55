#pragma once
// Reading back the tests' SVG and PDF figures: what an SVG holds, and either file painted back
// into pixels (an SVG by Qt's renderer, a PDF by pdftoppm, which the set-up installs).

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QXmlStreamReader>

struct SvgContents {
  QString error;  // the XML reader's, empty when the file reads
  QString width;  // of the <svg> element
  int images = 0;
  int paths = 0;
  QStringList texts;
  QImage image;  // the last <image>'s picture
};

inline SvgContents ReadSvg(const QByteArray& svg) {
  SvgContents contents;
  QXmlStreamReader reader(svg);
  const QString pngData = QStringLiteral("data:image/png;base64,");
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes attributes = reader.attributes();
    if (reader.name() == u"svg")
      contents.width = attributes.value(QStringLiteral("width")).toString();
    if (reader.name() == u"path") ++contents.paths;
    if (reader.name() == u"text") contents.texts.append(reader.readElementText());
    if (reader.name() == u"image") {
      ++contents.images;
      const QString link = attributes.value(QStringLiteral("xlink:href")).toString();
      if (link.startsWith(pngData)) {
        contents.image.loadFromData(QByteArray::fromBase64(link.mid(pngData.size()).toLatin1()));
      }
    }
  }
  if (reader.hasError()) contents.error = reader.errorString();
  return contents;
}

// The figure painted at `dotsPerInch` (96 maps an SVG's pixel to a pixel, 72 a PDF's point), in
// Format_RGB32; null when it could not be. `folder` takes the PDF and pdftoppm's picture.
inline QImage PaintedFigure(const QByteArray& bytes, bool pdf, int dotsPerInch,
                            const QString& folder) {
  if (!pdf) {
    QSvgRenderer renderer(bytes);
    QImage image(renderer.defaultSize() * dotsPerInch / 96, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
  }
  QFile file(folder + "/figure.pdf");
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  file.close();
  const QStringList args = {"-r",
                            QString::number(dotsPerInch),
                            "-png",
                            "-singlefile",
                            file.fileName(),
                            folder + "/painted"};
  if (QProcess::execute(QStringLiteral("pdftoppm"), args) != 0) return {};
  return QImage(folder + "/painted.png").convertToFormat(QImage::Format_RGB32);
}
