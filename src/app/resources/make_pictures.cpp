// Draws the window's pictures and its icon into a folder, so that the committed files can be
// remade at any time:
//   axis_x.bmp, axis_y.bmp, axis_z.bmp  20x20 signs of the observer's rotations about Ox, Oy, Oz
//   glossy_formula.png                   the glossy reflectance function, set as a formula
//   icon.png                             the window's 32x32 icon
// The small pictures are pixel art: every shape is a test on pixel centres, so the edges stay crisp
// and the result does not depend on the painter's antialiasing. Only the formula uses a font.
//
// Usage: make-app-pictures <output dir>

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr double kPi = 3.14159;

// ---------------------------------------------------------------------------------------------
// Pixel-centre shapes

using PixelTest = std::function<bool(double x, double y)>;

// Paints every pixel whose centre passes the test.
void fillWhere(QImage& image, QColor colour, const PixelTest& inside) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (inside(x + 0.5, y + 0.5)) image.setPixelColor(x, y, colour);
    }
  }
}

// Pixels x0..x1, y0..y1 inclusive.
void fillBlock(QImage& image, QColor colour, int x0, int y0, int x1, int y1) {
  fillWhere(image, colour,
            [=](double x, double y) { return x > x0 && x < x1 + 1 && y > y0 && y < y1 + 1; });
}

struct Point {
  double x;
  double y;
};

double cross(Point a, Point b, Point p) {
  return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// A triangle holds a point when the point lies on the same side of all three edges.
void fillTriangle(QImage& image, QColor colour, Point a, Point b, Point c) {
  fillWhere(image, colour, [=](double x, double y) {
    const Point p{x, y};
    const double ab = cross(a, b, p);
    const double bc = cross(b, c, p);
    const double ca = cross(c, a, p);
    return (ab >= 0 && bc >= 0 && ca >= 0) || (ab <= 0 && bc <= 0 && ca <= 0);
  });
}

// A minus sign six pixels wide and two high, its top-left pixel at (x, y).
void drawMinus(QImage& image, QColor colour, int x, int y) {
  fillBlock(image, colour, x, y, x + 5, y + 1);
}

// A plus sign six by six pixels with arms two pixels thick, its bounding box starting at (x, y).
void drawPlus(QImage& image, QColor colour, int x, int y) {
  fillBlock(image, colour, x, y + 2, x + 5, y + 3);
  fillBlock(image, colour, x + 2, y, x + 3, y + 5);
}

// ---------------------------------------------------------------------------------------------
// The three rotation signs

constexpr int kAxisSize = 20;
const QColor kAxisGround(192, 192, 192);
const QColor kArrowDark(32, 32, 32);
const QColor kMinusBlue(0, 0, 255);
const QColor kPlusRed(255, 0, 0);

QImage blankAxisPicture() {
  QImage image(kAxisSize, kAxisSize, QImage::Format_RGB32);
  image.fill(kAxisGround);
  return image;
}

// Rotation about Ox: an upward arrow, minus at its upper right, plus at its lower right.
QImage drawAxisX() {
  QImage image = blankAxisPicture();
  fillBlock(image, kArrowDark, 6, 6, 7, 18);
  fillTriangle(image, kArrowDark, {7.0, 1.0}, {2.0, 7.0}, {12.0, 7.0});
  drawMinus(image, kMinusBlue, 13, 3);
  drawPlus(image, kPlusRed, 13, 11);
  return image;
}

// Rotation about Oy, the axis seen end on: a curved arrow around a centre dot, minus at the right,
// plus below.
QImage drawAxisY() {
  QImage image = blankAxisPicture();
  constexpr double kCentreX = 8.0;
  constexpr double kCentreY = 8.0;
  constexpr double kRadius = 4.5;
  constexpr double kHalfThickness = 0.9;
  // The arc runs counter-clockwise on screen (angles in degrees, y up) from kArcStart round to
  // kArcEnd, leaving its gap at the upper left, away from the two signs.
  constexpr double kArcStart = 190.0;
  constexpr double kArcEnd = 450.0;

  fillBlock(image, kArrowDark, 7, 7, 8, 8);
  fillWhere(image, kArrowDark, [=](double x, double y) {
    const double dx = x - kCentreX;
    const double dy = kCentreY - y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (std::abs(distance - kRadius) > kHalfThickness) return false;
    double angle = std::atan2(dy, dx) * 180.0 / kPi;
    while (angle < kArcStart) angle += 360.0;
    return angle <= kArcEnd;
  });

  // Arrowhead at the end of the arc, pointing along its counter-clockwise tangent.
  const double end = kArcEnd * kPi / 180.0;
  const Point onArc{kCentreX + kRadius * std::cos(end), kCentreY - kRadius * std::sin(end)};
  const Point along{-std::sin(end), -std::cos(end)};  // screen direction of increasing angle
  const Point outward{std::cos(end), -std::sin(end)};
  constexpr double kHeadLength = 4.0;
  constexpr double kHeadHalfWidth = 3.0;
  fillTriangle(image, kArrowDark,
               {onArc.x + along.x * kHeadLength, onArc.y + along.y * kHeadLength},
               {onArc.x + outward.x * kHeadHalfWidth, onArc.y + outward.y * kHeadHalfWidth},
               {onArc.x - outward.x * kHeadHalfWidth, onArc.y - outward.y * kHeadHalfWidth});

  drawMinus(image, kMinusBlue, 14, 7);
  drawPlus(image, kPlusRed, 5, 14);
  return image;
}

// Rotation about Oz: an arrow pointing right, minus at the lower left, plus at the lower right.
QImage drawAxisZ() {
  QImage image = blankAxisPicture();
  fillBlock(image, kArrowDark, 1, 5, 13, 6);
  fillTriangle(image, kArrowDark, {19.0, 6.0}, {13.0, 1.0}, {13.0, 11.0});
  drawMinus(image, kMinusBlue, 2, 14);
  drawPlus(image, kPlusRed, 12, 12);
  return image;
}

// ---------------------------------------------------------------------------------------------
// The glossy formula: s(n+1)(2cos i·cos e − cos g)^n over 2, then + (1 − s)·cos i

constexpr int kFormulaWidth = 245;
constexpr int kFormulaHeight = 29;
constexpr int kFormulaMargin = 1;
const QString kFormulaFamily = QStringLiteral("DejaVu Serif");

// A piece of the formula set in one style: variables are italic, the exponent is raised and
// smaller.
struct Run {
  QString text;
  bool italic = false;
  bool raised = false;
};

const QString kTimesDot = QStringLiteral("\u00B7");
const QString kMinus = QStringLiteral("\u2212");

std::vector<Run> numeratorRuns() {
  return {{"s", true},      {"("},
          {"n", true},      {"+1)(2cos "},
          {"i", true},      {kTimesDot + "cos "},
          {"e", true},      {" " + kMinus + " cos "},
          {"g", true},      {")"},
          {"n", true, true}};
}

std::vector<Run> tailRuns() {
  return {{" + (1 " + kMinus + " "}, {"s", true}, {")" + kTimesDot + "cos "}, {"i", true}};
}

class FormulaFonts {
 public:
  explicit FormulaFonts(int pixelSize)
      : upright_(makeFont(pixelSize, false)),
        italic_(makeFont(pixelSize, true)),
        raised_(makeFont(pixelSize * 3 / 4, true)),
        raiseBy_(pixelSize * 2 / 5) {}

  const QFont& fontOf(const Run& run) const {
    if (run.raised) return raised_;
    return run.italic ? italic_ : upright_;
  }
  const QFont& upright() const { return upright_; }

  int widthOf(const std::vector<Run>& runs) const {
    int width = 0;
    for (const Run& run : runs) width += QFontMetrics(fontOf(run)).horizontalAdvance(run.text);
    return width;
  }

  // Ink of the runs set from x = 0 on a baseline at y = 0.
  QRect inkOf(const std::vector<Run>& runs) const {
    QRect ink;
    int x = 0;
    for (const Run& run : runs) {
      const QFontMetrics metrics(fontOf(run));
      ink |= metrics.tightBoundingRect(run.text).translated(x, run.raised ? -raiseBy_ : 0);
      x += metrics.horizontalAdvance(run.text);
    }
    return ink;
  }

  // Sets the runs from x on the baseline and returns the x after them.
  int draw(QPainter& painter, int x, int baseline, const std::vector<Run>& runs) const {
    for (const Run& run : runs) {
      painter.setFont(fontOf(run));
      painter.drawText(x, run.raised ? baseline - raiseBy_ : baseline, run.text);
      x += QFontMetrics(fontOf(run)).horizontalAdvance(run.text);
    }
    return x;
  }

 private:
  static QFont makeFont(int pixelSize, bool italic) {
    QFont font(kFormulaFamily);
    font.setPixelSize(pixelSize);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
  }

  QFont upright_;
  QFont italic_;
  QFont raised_;
  int raiseBy_;
};

// Where each part of the formula stands at one font size; y values are pixel rows.
struct FormulaLayout {
  int numeratorBaseline = 0;
  int numeratorEnd = 0;  // x after the numerator, also the right end of the bar
  int barY = 0;
  int denominatorX = 0;
  int denominatorBaseline = 0;
  int tailBaseline = 0;
  int tailEnd = 0;
  int inkTop = 0;
  int inkBottom = 0;
};

const QString kDenominator = QStringLiteral("2");

// Stacks numerator, bar and "2" with one clear row on each side of the bar, centres the stack
// vertically, and sets the tail so that its plus and minus signs sit on the bar.
FormulaLayout layOutFormula(const FormulaFonts& fonts) {
  const QFontMetrics metrics(fonts.upright());
  const QRect numeratorInk = fonts.inkOf(numeratorRuns());
  const QRect digitInk = metrics.tightBoundingRect(kDenominator);
  const QRect tailInk = fonts.inkOf(tailRuns());
  // The plus sign's bounds are reliable where the minus sign's are not; both share the maths axis.
  const QRect plusInk = metrics.tightBoundingRect(QStringLiteral("+"));

  const int above = numeratorInk.height() + 1;  // numerator ink and the clear row under it
  const int below = 1 + digitInk.height();      // the clear row and the digit
  FormulaLayout layout;
  layout.barY = (kFormulaHeight - (above + 1 + below)) / 2 + above;
  layout.numeratorBaseline = layout.barY - 2 - numeratorInk.bottom();
  layout.numeratorEnd = kFormulaMargin + fonts.widthOf(numeratorRuns());
  layout.denominatorX =
      (kFormulaMargin + layout.numeratorEnd - metrics.horizontalAdvance(kDenominator)) / 2;
  layout.denominatorBaseline = layout.barY + 2 - digitInk.top();
  layout.tailBaseline = layout.barY - (plusInk.top() + plusInk.bottom()) / 2;
  layout.tailEnd = layout.numeratorEnd + fonts.widthOf(tailRuns());
  layout.inkTop =
      std::min(layout.numeratorBaseline + numeratorInk.top(), layout.tailBaseline + tailInk.top());
  layout.inkBottom = std::max(layout.denominatorBaseline + digitInk.bottom(),
                              layout.tailBaseline + tailInk.bottom());
  return layout;
}

bool fitsPicture(const FormulaLayout& layout) {
  return layout.inkTop >= 0 && layout.inkBottom < kFormulaHeight &&
         layout.tailEnd + kFormulaMargin <= kFormulaWidth;
}

// The largest pixel size at which the whole formula fits the picture.
int formulaPixelSize() {
  constexpr int kLargest = 14;
  constexpr int kSmallest = 7;
  for (int size = kLargest; size > kSmallest; --size) {
    if (fitsPicture(layOutFormula(FormulaFonts(size)))) return size;
  }
  return kSmallest;
}

QImage drawGlossyFormula() {
  QImage image(kFormulaWidth, kFormulaHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  const FormulaFonts fonts(formulaPixelSize());
  const FormulaLayout layout = layOutFormula(fonts);

  QPainter painter(&image);
  painter.setPen(Qt::black);
  fonts.draw(painter, kFormulaMargin, layout.numeratorBaseline, numeratorRuns());
  painter.fillRect(kFormulaMargin, layout.barY, layout.numeratorEnd - kFormulaMargin, 1, Qt::black);
  painter.setFont(fonts.upright());
  painter.drawText(layout.denominatorX, layout.denominatorBaseline, kDenominator);
  fonts.draw(painter, layout.numeratorEnd, layout.tailBaseline, tailRuns());
  return image;
}

// ---------------------------------------------------------------------------------------------
// The window's icon: a dark sphere lit from the upper right, a purple crescent on its left edge
// and short grey strokes like axes, in a handful of flat colours on a transparent ground.

constexpr int kIconSize = 32;
constexpr double kIconCentre = 16.0;
constexpr double kSphereRadius = 11.5;
constexpr double kCrescentShift =
    3.5;  // the crescent is what a circle moved right leaves uncovered

const QColor kAxisGrey(150, 150, 150);
const QColor kCrescentPurple(150, 40, 190);
const QColor kCrescentDeep(110, 0, 140);
const QColor kHighlight(255, 255, 255);
const QColor kHighlightRim(190, 190, 200);
const QColor kSphereTones[] = {{14, 14, 22}, {28, 28, 44}, {44, 44, 66}, {62, 62, 92}};

struct Vector {
  double x;
  double y;
  double z;
};

double dot(Vector a, Vector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector normalised(Vector v) {
  const double length = std::sqrt(dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

// Colour of the sphere at a point inside its outline; (dx, dy) is the offset from the centre, y up.
QColor sphereColour(double dx, double dy) {
  const Vector normal{
      dx / kSphereRadius, dy / kSphereRadius,
      std::sqrt(std::max(0.0, 1.0 - (dx * dx + dy * dy) / (kSphereRadius * kSphereRadius)))};
  const Vector light = normalised({0.5, 0.6, 0.65});
  const Vector halfway = normalised({light.x, light.y, light.z + 1.0});
  constexpr double kShininess = 24.0;
  const double specular = std::pow(std::max(0.0, dot(normal, halfway)), kShininess);
  if (specular > 0.6) return kHighlight;
  if (specular > 0.3) return kHighlightRim;
  const double diffuse = std::max(0.0, dot(normal, light));
  const int tone = std::min(3, static_cast<int>(diffuse * 4.0));
  return kSphereTones[tone];
}

QImage drawIcon() {
  QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);

  // Axes: up, right, and towards the viewer (down-left), each just outside the sphere.
  fillBlock(image, kAxisGrey, 15, 0, 16, 2);
  fillBlock(image, kAxisGrey, 29, 15, 31, 16);
  fillWhere(image, kAxisGrey, [](double x, double y) {
    const double u = x - kIconCentre;
    const double v = y - kIconCentre;
    return std::abs(u + v) < 1.2 && u < -9.5 && u > -14.5;
  });

  for (int py = 0; py < kIconSize; ++py) {
    for (int px = 0; px < kIconSize; ++px) {
      const double dx = px + 0.5 - kIconCentre;
      const double dy = kIconCentre - (py + 0.5);
      const double distance = std::sqrt(dx * dx + dy * dy);
      if (distance > kSphereRadius) continue;
      const double shiftedX = dx - kCrescentShift;
      const double shiftedDistance = std::sqrt(shiftedX * shiftedX + dy * dy);
      if (dx < 0 && shiftedDistance > kSphereRadius) {
        image.setPixelColor(
            px, py, shiftedDistance > kSphereRadius + 1.5 ? kCrescentDeep : kCrescentPurple);
      } else {
        image.setPixelColor(px, py, sphereColour(dx, dy));
      }
    }
  }
  return image;
}

// ---------------------------------------------------------------------------------------------

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
