#include "figure/colour_bar.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "figure/figure_frame.h"

namespace {

constexpr const char* kContext = "FigureLegend";
constexpr double kBarWidth = 14.0;
constexpr double kBarHeight = 120.0;
constexpr double kTickLength = 4.0;
constexpr double kTextGap = 2.0;
constexpr double kShares[] = {0.0, 0.5, 1.0};

// The phi a tone `share` of white (0 to 1) stands for under `exposure`.
double TonePhi(double share, double exposure) { return share / exposure; }

QStringList TitleLines(double exposure, const QLocale& locale) {
  QStringList lines{
      QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("FigureLegend", "Серый тон, φ"))};
  if (exposure != 1.0) {
    lines << QCoreApplication::translate(kContext,
                                         QT_TRANSLATE_NOOP("FigureLegend", "экспозиция %1"))
                 .arg(locale.toString(exposure, 'g', 4));
  }
  return lines;
}

QString ShareText(double share, double exposure, const QLocale& locale) {
  return locale.toString(TonePhi(share, exposure), 'g', 3);
}

}  // namespace

QSizeF ToneBarSize(double exposure, const QLocale& locale) {
  const QFontMetricsF metrics(StandaloneFigureFont());
  const QStringList title = TitleLines(exposure, locale);
  double width = 0.0;
  for (const QString& line : title) width = std::max(width, metrics.horizontalAdvance(line));
  for (const double share : kShares) {
    width = std::max(width, kBarWidth + kTickLength + kTextGap +
                                metrics.horizontalAdvance(ShareText(share, exposure, locale)));
  }
  const double height = metrics.height() * title.size() + metrics.ascent() / 2.0 + kBarHeight +
                        metrics.descent() + metrics.ascent() / 2.0;
  return {std::ceil(width), std::ceil(height)};
}

void DrawToneBar(QPainter& painter, QPointF topLeft, double exposure, const QLocale& locale) {
  painter.save();
  painter.setFont(StandaloneFigureFont());
  const QFontMetricsF metrics(painter.font(), painter.device());
  const QStringList title = TitleLines(exposure, locale);
  painter.setPen(Qt::black);
  for (int line = 0; line < title.size(); ++line) {
    painter.drawText(topLeft + QPointF(0.0, metrics.height() * line + metrics.ascent()),
                     title[line]);
  }
  // Room above the bar for half of the top number's height.
  const QRectF bar(topLeft.x(),
                   topLeft.y() + metrics.height() * title.size() + metrics.ascent() / 2, kBarWidth,
                   kBarHeight);
  QLinearGradient grey(bar.bottomLeft(), bar.topLeft());
  grey.setColorAt(0.0, Qt::black);
  grey.setColorAt(1.0, Qt::white);
  painter.setBrush(grey);
  painter.setPen(QPen(Qt::black, 1.0));
  painter.drawRect(bar);
  for (const double share : kShares) {
    const double y = bar.bottom() - share * bar.height();
    painter.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + kTickLength, y));
    painter.drawText(QPointF(bar.right() + kTickLength + kTextGap,
                             y + (metrics.ascent() - metrics.descent()) / 2.0),
                     ShareText(share, exposure, locale));
  }
  painter.restore();
}
