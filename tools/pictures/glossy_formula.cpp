#include "glossy_formula.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <vector>

namespace {

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

std::vector<Run> NumeratorRuns() {
  return {{"s", true},      {"("},
          {"n", true},      {"+1)(2cos "},
          {"i", true},      {kTimesDot + "cos "},
          {"e", true},      {" " + kMinus + " cos "},
          {"g", true},      {")"},
          {"n", true, true}};
}

std::vector<Run> TailRuns() {
  return {{" + (1 " + kMinus + " "}, {"s", true}, {")" + kTimesDot + "cos "}, {"i", true}};
}

class FormulaFonts {
 public:
  explicit FormulaFonts(int pixelSize)
      : upright_(MakeFont(pixelSize, false)),
        italic_(MakeFont(pixelSize, true)),
        raised_(MakeFont(pixelSize * 3 / 4, true)),
        raiseBy_(pixelSize * 2 / 5) {}

  const QFont& FontOf(const Run& run) const {
    if (run.raised) return raised_;
    return run.italic ? italic_ : upright_;
  }
  const QFont& Upright() const { return upright_; }

  int WidthOf(const std::vector<Run>& runs) const {
    int width = 0;
    for (const Run& run : runs) width += QFontMetrics(FontOf(run)).horizontalAdvance(run.text);
    return width;
  }

  // Ink of the runs set from x = 0 on a baseline at y = 0.
  QRect InkOf(const std::vector<Run>& runs) const {
    QRect ink;
    int x = 0;
    for (const Run& run : runs) {
      const QFontMetrics metrics(FontOf(run));
      ink |= metrics.tightBoundingRect(run.text).translated(x, run.raised ? -raiseBy_ : 0);
      x += metrics.horizontalAdvance(run.text);
    }
    return ink;
  }

  // Sets the runs from x on the baseline and returns the x after them.
  int Draw(QPainter& painter, int x, int baseline, const std::vector<Run>& runs) const {
    for (const Run& run : runs) {
      painter.setFont(FontOf(run));
      painter.drawText(x, run.raised ? baseline - raiseBy_ : baseline, run.text);
      x += QFontMetrics(FontOf(run)).horizontalAdvance(run.text);
    }
    return x;
  }

 private:
  static QFont MakeFont(int pixelSize, bool italic) {
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
FormulaLayout LayOutFormula(const FormulaFonts& fonts) {
  const QFontMetrics metrics(fonts.Upright());
  const QRect numeratorInk = fonts.InkOf(NumeratorRuns());
  const QRect digitInk = metrics.tightBoundingRect(kDenominator);
  const QRect tailInk = fonts.InkOf(TailRuns());
  // The plus sign's bounds are reliable where the minus sign's are not; both share the maths axis.
  const QRect plusInk = metrics.tightBoundingRect(QStringLiteral("+"));

  const int above = numeratorInk.height() + 1;  // numerator ink and the clear row under it
  const int below = 1 + digitInk.height();      // the clear row and the digit
  FormulaLayout layout;
  layout.barY = (kFormulaHeight - (above + 1 + below)) / 2 + above;
  layout.numeratorBaseline = layout.barY - 2 - numeratorInk.bottom();
  layout.numeratorEnd = kFormulaMargin + fonts.WidthOf(NumeratorRuns());
  layout.denominatorX =
      (kFormulaMargin + layout.numeratorEnd - metrics.horizontalAdvance(kDenominator)) / 2;
  layout.denominatorBaseline = layout.barY + 2 - digitInk.top();
  layout.tailBaseline = layout.barY - (plusInk.top() + plusInk.bottom()) / 2;
  layout.tailEnd = layout.numeratorEnd + fonts.WidthOf(TailRuns());
  layout.inkTop =
      std::min(layout.numeratorBaseline + numeratorInk.top(), layout.tailBaseline + tailInk.top());
  layout.inkBottom = std::max(layout.denominatorBaseline + digitInk.bottom(),
                              layout.tailBaseline + tailInk.bottom());
  return layout;
}

bool FitsPicture(const FormulaLayout& layout) {
  return layout.inkTop >= 0 && layout.inkBottom < kFormulaHeight &&
         layout.tailEnd + kFormulaMargin <= kFormulaWidth;
}

// The largest pixel size at which the whole formula fits the picture.
int FormulaPixelSize() {
  constexpr int kLargest = 14;
  constexpr int kSmallest = 7;
  for (int size = kLargest; size > kSmallest; --size) {
    if (FitsPicture(LayOutFormula(FormulaFonts(size)))) return size;
  }
  return kSmallest;
}

}  // namespace

QImage DrawGlossyFormula() {
  QImage image(kFormulaWidth, kFormulaHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  const FormulaFonts fonts(FormulaPixelSize());
  const FormulaLayout layout = LayOutFormula(fonts);

  QPainter painter(&image);
  painter.setPen(Qt::black);
  fonts.Draw(painter, kFormulaMargin, layout.numeratorBaseline, NumeratorRuns());
  painter.fillRect(kFormulaMargin, layout.barY, layout.numeratorEnd - kFormulaMargin, 1, Qt::black);
  painter.setFont(fonts.Upright());
  painter.drawText(layout.denominatorX, layout.denominatorBaseline, kDenominator);
  fonts.Draw(painter, layout.numeratorEnd, layout.tailBaseline, TailRuns());
  return image;
}
