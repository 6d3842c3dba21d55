#include "app/curves/profile_window.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <utility>

#include "app/common/locale_numbers.h"
#include "app/curves/plot_view.h"
#include "app/language/translated_texts.h"
#include "curves/minnaert_fit.h"
#include "curves/photometric_equator.h"
#include "plots/curve_plots.h"

ProfileWindow::ProfileWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("ProfileWindow"));
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle,
                                  "ProfileWindow", QT_TRANSLATE_NOOP("ProfileWindow", "Профиль"));
  view_ = new PlotView(this);
  equator_ = new QPushButton(this);
  equator_->setObjectName(QStringLiteral("ProfileEquator"));
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  texts.Keep(equator_, &QPushButton::setText, "ProfileWindow",
             QT_TRANSLATE_NOOP("ProfileWindow", "По фотометрическому экватору"));
  texts.Keep(equator_, &QWidget::setToolTip, "ProfileWindow",
             QT_TRANSLATE_NOOP("ProfileWindow",
                               "Большой круг через точки, обращённые к наблюдателю и к источнику: "
                               "вдоль него читают потемнение к краю"));
  minnaert_ = new QLabel(this);
  minnaert_->setObjectName(QStringLiteral("ProfileMinnaert"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addWidget(minnaert_);
  layout->addWidget(equator_, 0, Qt::AlignLeft);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  resize(680, 520);
  // A change of language draws the profile shown again, its texts translated.
  texts.Keep([this] { Plot(); });
}

void ProfileWindow::ShowProfile(const std::vector<ProfileSample>& samples, Title title) {
  samples_ = samples;
  equatorShown_ = false;
  title_ = std::move(title);
  Plot();
}

void ProfileWindow::ShowEquatorProfile(const std::vector<ProfileSample>& samples, Title title) {
  samples_ = samples;
  equatorShown_ = true;
  title_ = std::move(title);
  Plot();
}

void ProfileWindow::Plot() {
  if (!title_) return;  // nothing shown yet
  CurvePlot plot = equatorShown_ ? EquatorProfilePlot(samples_) : ProfilePlot(samples_);
  plot.title = title_();
  view_->SetPlot(plot, equatorShown_ ? EquatorProfileCsv(samples_) : ProfileCsv(samples_));
  const std::optional<MinnaertFit> fit = FitMinnaert(samples_);
  const QLocale locale = UserLocale();
  minnaert_->setText(
      fit ? QCoreApplication::translate("ProfileWindow",
                                        "Закон Миннарта по профилю: k = %1 ± %2, B₀ = %3 "
                                        "(наклон lg(μ·ф) по lg(μ₀·μ), точек %4)")
                .arg(locale.toString(fit->k, 'f', 3), locale.toString(fit->kUncertainty, 'f', 3),
                     locale.toString(fit->b0, 'f', 3))
                .arg(fit->points)
          : QString());
}

QString ProfileWindow::MinnaertText() const { return minnaert_->text(); }

void ProfileWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) emit Closed();
}
