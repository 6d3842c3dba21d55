#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <cmath>

#include "app/recovery/recovery_window.h"
#include "messages/translated_message.h"

// The recovery window's texts that are made of its state: the figures of the last recovery (or
// its message) and the text under the picture (the hint, or the cell chosen).

namespace {

QString Number(double value) {
  return std::isfinite(value) ? QLocale().toString(value, 'g', 4) : QStringLiteral("—");
}

}  // namespace

// The figures (or the message) of the last recovery, and the hint until there is one.
void RecoveryWindow::RetranslateUi() {
  ShowFigures();
  ShowCellText(std::move(composeCellText_));
}

// Without `compose`, the hint.
void RecoveryWindow::ShowCellText(std::function<QString()> compose) {
  if (!compose) {
    compose = [] {
      return tr("Щелчок по рисунку выбирает точку: её нормаль отмечается на карте.");
    };
  }
  composeCellText_ = std::move(compose);
  cellText_->setText(composeCellText_());
}

void RecoveryWindow::ShowFigures() {
  const bool have = outcome_ != nullptr && outcome_->error.isEmpty();
  for (QPushButton* button : exports_) button->setEnabled(have);
  if (outcome_ == nullptr) {
    figures_->setText(
        tr("Нажмите «Восстановить»: снимки — те, что показывает окно "
           "«Поверхность», по одному на источник (добавьте источники в «Источниках», "
           "Ctrl+L; стерео нужно три)."));
    return;
  }
  if (!outcome_->error.isEmpty()) {
    figures_->setText(QStringLiteral("<p style='color:#b00000'>%1</p>")
                          .arg(TranslatedMessage(outcome_->errorSaid).toHtmlEscaped()));
    return;
  }
  if (!outcome_->report) {
    figures_->setText(tr("Истинная поверхность неизвестна: ошибки не измерить.<br>"
                         "Восстановлено пикселей: %1")
                          .arg(QLocale().toString(
                              static_cast<qlonglong>(outcome_->shape.normals.RecoveredCells()))));
    return;
  }
  const RecoveryReport& r = *outcome_->report;
  QString rows = tr("<tr><td>Угловая ошибка нормалей, средняя:</td><td>%1°</td></tr>"
                    "<tr><td>Угловая ошибка нормалей, медиана:</td><td>%2°</td></tr>"
                    "<tr><td>СКО высоты (средние совмещены):</td><td>%3 (%4 % размаха)</td></tr>"
                    "<tr><td>Средняя ошибка высоты:</td><td>%5</td></tr>"
                    "<tr><td>Разброс ошибки высоты:</td><td>%6</td></tr>"
                    "<tr><td>Средняя ошибка градиента:</td><td>%7</td></tr>"
                    "<tr><td>Восстановлено пикселей:</td><td>%8</td></tr>")
                     .arg(Number(r.meanAngularErrorDeg), Number(r.medianAngularErrorDeg),
                          Number(r.depthRms), Number(r.depthRmsPercent), Number(r.meanDepthError),
                          Number(r.stdDepthError), Number(r.meanGradientError),
                          QLocale().toString(static_cast<qlonglong>(r.recoveredPixels)));
  // What the robust stereo left out, and the cells the law's fit could not decide.
  const RecoveredShape& shape = outcome_->shape;
  if (shape.rejectedSamples) {
    rows += tr("<tr><td>Отброшено отсчётов (блики и тени):</td><td>%1</td></tr>")
                .arg(QLocale().toString(static_cast<qlonglong>(*shape.rejectedSamples)));
  }
  if (shape.ambiguousCells) {
    rows += tr("<tr><td>Неоднозначных точек:</td><td>%1</td></tr>")
                .arg(QLocale().toString(static_cast<qlonglong>(*shape.ambiguousCells)));
  }
  figures_->setText(QStringLiteral("<table>%1</table>").arg(rows));
}
