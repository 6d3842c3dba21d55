// Draws the window's pictures and its icon into a folder, so that the committed files can be
// remade at any time:
//   axis_x.bmp, axis_y.bmp, axis_z.bmp  20x20 signs of the observer's rotations about Ox, Oy, Oz
//   glossy_formula.png                   the glossy reflectance function, set as a formula
//   icon.png                             the window's 32x32 icon
//
// Usage: make-app-pictures <output dir>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTextStream>

#include "app_icon.h"
#include "axis_pictures.h"
#include "glossy_formula.h"

namespace {

struct Output {
  const char* fileName;
  const char* format;
  QImage (*draw)();
};

const Output kOutputs[] = {
    {"axis_x.bmp", "BMP", drawAxisX}, {"axis_y.bmp", "BMP", drawAxisY},
    {"axis_z.bmp", "BMP", drawAxisZ}, {"glossy_formula.png", "PNG", drawGlossyFormula},
    {"icon.png", "PNG", drawIcon},
};

}  // namespace

int main(int argc, char* argv[]) {
  // Fonts need a platform plugin; the offscreen one needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  if (argc != 2) {
    err << "usage: make-app-pictures <output dir>\n";
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) {
    err << "cannot create " << folder.path() << "\n";
    return 1;
  }
  for (const Output& output : kOutputs) {
    const QString path = folder.filePath(QString::fromLatin1(output.fileName));
    if (!output.draw().save(path, output.format)) {
      err << "cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
