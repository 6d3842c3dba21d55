// Draws the window's pictures and its icon into a folder, so that the committed files can be
// remade at any time:
//   axis_x.bmp, axis_y.bmp, axis_z.bmp  20x20 signs of the observer's rotations about Ox, Oy, Oz
//   glossy_formula.png                   the glossy reflectance function, set as a formula
//   icon.png                             the window's 32x32 icon
// With --hicolor it draws the desktop icons instead, as FOLDER/NxN/apps/NAME.png; with
// --help-figures the figures of the help pages, which the build draws into its own folder, and
// the same figures captioned in English into its subfolder en/:
//   angles.png                           the sphere, a point, N, S, V and the angles i, e, g
//
// Usage: make-app-pictures <output dir>
//        make-app-pictures --hicolor <output dir> <icon name>
//        make-app-pictures --help-figures <output dir>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTextStream>

#include "angles_figure.h"
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
    {"axis_x.bmp", "BMP", DrawAxisX},
    {"axis_y.bmp", "BMP", DrawAxisY},
    {"axis_z.bmp", "BMP", DrawAxisZ},
    {"glossy_formula.png", "PNG", DrawGlossyFormula},
    {"icon.png", "PNG", [] { return DrawIcon(); }},
};

const Output kHelpFigures[] = {
    {"angles.png", "PNG", [] { return DrawAnglesFigure(FigureLanguage::kRussian); }},
    {"en/angles.png", "PNG", [] { return DrawAnglesFigure(FigureLanguage::kEnglish); }},
};

bool Save(const QImage& image, const QString& path, const char* format) {
  if (QDir().mkpath(QFileInfo(path).path()) && image.save(path, format)) return true;
  QTextStream(stderr) << "cannot write " << path << "\n";
  return false;
}

template <size_t N>
bool SaveAll(const Output (&outputs)[N], const QString& folder) {
  for (const Output& output : outputs) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(output.fileName));
    if (!Save(output.draw(), path, output.format)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Fonts need a platform plugin; the offscreen one needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments().mid(1);
  if (args.size() == 3 && args[0] == u"--hicolor") {
    for (const int size : kDesktopIconSizes) {
      const QString path =
          QStringLiteral("%1/%2x%2/apps/%3.png").arg(args[1]).arg(size).arg(args[2]);
      if (!Save(DrawIcon(size), path, "PNG")) return 1;
    }
    return 0;
  }
  if (args.size() == 2 && args[0] == u"--help-figures") {
    return SaveAll(kHelpFigures, args[1]) ? 0 : 1;
  }
  if (args.size() != 1) {
    QTextStream(stderr) << "usage: make-app-pictures <output dir>\n"
                        << "       make-app-pictures --hicolor <output dir> <icon name>\n"
                        << "       make-app-pictures --help-figures <output dir>\n";
    return 2;
  }
  return SaveAll(kOutputs, args[0]) ? 0 : 1;
}
