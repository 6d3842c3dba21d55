#include "app/animation/animation_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <mutex>

#include "animation/gif_file.h"
#include "animation/sweep_steps.h"
#include "app/animation/animation_files.h"
#include "app/animation/sweep_relay.h"
#include "app/common/companion_windows.h"
#include "app/common/form_control.h"
#include "app/common/locale_numbers.h"
#include "app/curves/compare_window.h"
#include "app/language/translated_texts.h"
#include "app/map/gradient_map_window.h"
#include "app/map/map_figure.h"
#include "app/map/sources_panel.h"
#include "app/picture/picture_box.h"
#include "app/surface/surface_controls.h"
#include "app/surface/surface_window.h"
#include "figure/figure_frame.h"
#include "model/startup_values.h"
#include "pass/job_runner.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr const char* kContext = "AnimationDialog";
constexpr int kStartFrames = 24;
constexpr int kMaxFrameDelay = 6000;  // hundredths of a second
constexpr int kProgressIntervalMs = 50;

// The picture offered first for each setting is the window's own sphere.
const char* const kPictureTitles[] = {
    QT_TRANSLATE_NOOP("AnimationDialog", "Сфера"),
    QT_TRANSLATE_NOOP("AnimationDialog", "Карта R(p, q)"),
    QT_TRANSLATE_NOOP("AnimationDialog", "Изображения поверхности"),
    QT_TRANSLATE_NOOP("AnimationDialog", "Сравнение законов")};

bool Shown(const QWidget* window) { return window != nullptr && window->isVisible(); }

// A sweep that means something for a start: a quarter turn for an angle, the range of a law's
// parameter.
std::pair<double, double> StartRange(const SweepSetting& setting, const RenderState& state) {
  switch (setting.kind) {
    case SweepKind::kSourceTilt:
      return {0.0, 360.0};
    case SweepKind::kGlossS:
      return {0.0, 1.0};
    case SweepKind::kGlossN:
      return {1.0, 64.0};
    case SweepKind::kExposure:
      return {0.5, 2.0};
    case SweepKind::kLawParameter:
      if (const LawEntry* law = FindLaw(state.reflectanceKind);
          law && state.reflectanceKind != kFormula) {
        const LawParameterSpec& spec = law->parameters[static_cast<size_t>(setting.index)];
        return {spec.lowest, spec.highest};
      }
      return {0.0, 1.0};
    default:
      return {0.0, 90.0};
  }
}

}  // namespace

AnimationDialog::AnimationDialog(FormControl& form, const CompanionWindows& windows,
                                 QWidget* parent)
    : QDialog(parent),
      form_(form),
      windows_(windows),
      progressTimer_(new QTimer(this)),
      runner_(std::make_unique<JobRunner>()),
      relay_(std::make_shared<SweepRelay>()) {
  relay_->target = this;
  setObjectName(QStringLiteral("AnimationDialog"));
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  texts.Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle, kContext,
             QT_TRANSLATE_NOOP("AnimationDialog", "Анимация"));
  const auto make = [](auto* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
  };
  setting_ = make(new QComboBox(this), "AnimationSetting");
  picture_ = make(new QComboBox(this), "AnimationPicture");
  from_ = make(new QLineEdit(this), "AnimationFrom");
  to_ = make(new QLineEdit(this), "AnimationTo");
  frames_ = make(new QSpinBox(this), "AnimationFrames");
  frames_->setRange(kMinSweepFrames, kMaxSweepFrames);
  frames_->setValue(kStartFrames);
  delay_ = make(new QSpinBox(this), "AnimationDelay");
  delay_->setRange(1, kMaxFrameDelay);
  delay_->setValue(kDefaultFrameDelay);
  file_ = make(new QLineEdit(QCoreApplication::translate("AnimationDialog", "анимация.gif"), this),
               "AnimationFile");
  auto* browse = make(new QPushButton(this), "AnimationBrowse");
  texts.Keep(browse, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("AnimationDialog", "Обзор…"));
  progress_ = make(new QProgressBar(this), "AnimationProgress");
  status_ = make(new QLabel(this), "AnimationStatus");
  status_->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(this);
  start_ = make(buttons->addButton(QString(), QDialogButtonBox::AcceptRole), "AnimationStart");
  texts.Keep(start_, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("AnimationDialog", "Записать"));
  cancel_ = make(buttons->addButton(QString(), QDialogButtonBox::RejectRole), "AnimationCancel");
  texts.Keep(cancel_, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("AnimationDialog", "Отмена"));

  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(file_, 1);
  fileRow->addWidget(browse);
  auto* fields = new QFormLayout;
  const auto label = [this](const char* source) {
    return TranslatedLabel(*this, kContext, source);
  };
  fields->addRow(label(QT_TRANSLATE_NOOP("AnimationDialog", "Что менять:")), setting_);
  fields->addRow(label(QT_TRANSLATE_NOOP("AnimationDialog", "Рисунок:")), picture_);
  fields->addRow(label(QT_TRANSLATE_NOOP("AnimationDialog", "От:")), from_);
  fields->addRow(label(QT_TRANSLATE_NOOP("AnimationDialog", "До:")), to_);
  fields->addRow(label(QT_TRANSLATE_NOOP("AnimationDialog", "Кадров:")), frames_);
  fields->addRow(label(QT_TRANSLATE_NOOP("AnimationDialog", "Задержка кадра, 1/100 с:")), delay_);
  fields->addRow(label(QT_TRANSLATE_NOOP("AnimationDialog", "Файл (.gif или .png):")), fileRow);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  layout->addWidget(buttons);

  connect(setting_, &QComboBox::activated, this, &AnimationDialog::OnSettingChosen);
  connect(picture_, &QComboBox::activated, this, &AnimationDialog::Refresh);
  connect(browse, &QPushButton::clicked, this, &AnimationDialog::Browse);
  connect(start_, &QPushButton::clicked, this, &AnimationDialog::Start);
  connect(cancel_, &QPushButton::clicked, this, &AnimationDialog::reject);
  progressTimer_->setInterval(kProgressIntervalMs);
  // A sweep cancelled before its thread took it up is passed over without a report: its end is
  // seen here.
  connect(progressTimer_, &QTimer::timeout, this, [this] {
    if (outcome_) progress_->setValue(outcome_->framesDone.load());
    if (ticket_ && ticket_->Done()) OnDone(sweep_);
  });
  Refresh();
  OnSettingChosen();
  texts.Keep([this] { RetranslateUi(); });
}

// The lists' items in the language in use, the choices and the range as they were.
void AnimationDialog::RetranslateUi() {
  for (int k = 0; k < picture_->count(); ++k) {
    picture_->setItemText(
        k, QCoreApplication::translate(kContext, kPictureTitles[picture_->itemData(k).toInt()]));
  }
  const std::vector<SweepSetting> named = SweepSettings(Base());
  for (size_t k = 0; k < settings_.size(); ++k) {
    for (const SweepSetting& setting : named) {
      if (setting.kind != settings_[k].kind || setting.index != settings_[k].index) continue;
      settings_[k].name = setting.name;
      setting_->setItemText(static_cast<int>(k), setting.name);
    }
  }
}

AnimationDialog::~AnimationDialog() {
  {
    const std::lock_guard<std::mutex> lock(relay_->mutex);
    relay_->target = nullptr;
  }
  if (ticket_) ticket_->Cancel();
  runner_.reset();  // waits for the sweep under way to stop
}

void AnimationDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Refresh();
}

// Esc, the close button and «Отмена»: a sweep under way is stopped; an idle dialog closes.
void AnimationDialog::reject() {
  if (Running()) {
    Cancel();
    return;
  }
  QDialog::reject();
}

SweepBase AnimationDialog::Base() const {
  SweepBase base{form_.State(), form_.ParameterTexts(), {}};
  if (windows_.MapWindow() != nullptr)
    base.extraSources = windows_.MapWindow()->Sources().ExtraSources();
  return base;
}

// The sphere always; the other pictures while their windows are open and have shown one.
void AnimationDialog::Refresh() {
  if (Running()) return;
  const QVariant chosen = picture_->currentData();
  picture_->clear();
  picture_->addItem(QCoreApplication::translate("AnimationDialog", kPictureTitles[0]),
                    static_cast<int>(AnimatedPicture::kSphere));
  if (Shown(windows_.MapWindow())) {
    picture_->addItem(QCoreApplication::translate("AnimationDialog", kPictureTitles[1]),
                      static_cast<int>(AnimatedPicture::kMap));
  }
  if (Shown(windows_.Surface())) {
    picture_->addItem(QCoreApplication::translate("AnimationDialog", kPictureTitles[2]),
                      static_cast<int>(AnimatedPicture::kSurface));
  }
  if (Shown(windows_.Compare()) && !windows_.Compare()->States().empty()) {
    picture_->addItem(QCoreApplication::translate("AnimationDialog", kPictureTitles[3]),
                      static_cast<int>(AnimatedPicture::kCompare));
  }
  picture_->setCurrentIndex(std::max(0, picture_->findData(chosen)));
  const auto picture = static_cast<AnimatedPicture>(picture_->currentData().toInt());
  const QString name = setting_->currentText();
  settings_.clear();
  setting_->clear();
  for (const SweepSetting& setting : SweepSettings(Base())) {
    const bool source =
        setting.kind == SweepKind::kSourceSlant || setting.kind == SweepKind::kSourceTilt;
    const bool law = setting.kind == SweepKind::kLawParameter ||
                     setting.kind == SweepKind::kGlossS || setting.kind == SweepKind::kGlossN;
    // The sphere and the row have the described source alone; the row's spheres keep their laws.
    if (source && (picture == AnimatedPicture::kSphere || picture == AnimatedPicture::kCompare)) {
      continue;
    }
    if (law && picture == AnimatedPicture::kCompare) continue;
    settings_.push_back(setting);
    setting_->addItem(setting.name);
  }
  const int kept = setting_->findText(name);
  setting_->setCurrentIndex(kept >= 0 ? kept : 3);  // the slant, unless one was chosen
  if (kept < 0) OnSettingChosen();
}

void AnimationDialog::OnSettingChosen() {
  const int index = setting_->currentIndex();
  if (index < 0 || static_cast<size_t>(index) >= settings_.size()) return;
  const auto [from, to] = StartRange(settings_[static_cast<size_t>(index)], form_.State());
  from_->setText(DoubleText(from));
  to_->setText(DoubleText(to));
}

void AnimationDialog::Browse() {
  QString filter;
  const QString path = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("AnimationDialog", "Файл анимации"), file_->text(),
      QCoreApplication::translate("AnimationDialog",
                                  "Анимация GIF (*.gif);;Нумерованные файлы PNG (*.png)"),
      &filter);
  if (path.isEmpty()) return;
  const bool png = filter.contains(QStringLiteral("*.png"));
  file_->setText(QFileInfo(path).suffix().isEmpty() ? path + (png ? u".png"_qs : u".gif"_qs)
                                                    : path);
}

std::optional<AnimatedScene> AnimationDialog::SceneFor(AnimatedPicture picture) const {
  AnimatedScene scene;
  scene.picture = picture;
  scene.smoothing = form_.SmoothingChecked();
  scene.overlay = form_.Overlay();
  scene.size = QSize(kDefaultPictureWidth, kDefaultPictureHeight);
  scene.font = StandaloneFigureFont();
  if (picture == AnimatedPicture::kMap) {
    const GradientMapWindow* map = windows_.MapWindow();
    if (map == nullptr) return std::nullopt;
    scene.size = map->Picture().size();
    scene.view = map->Figure().Zoom().ViewFor(scene.size, 1);
    scene.litByAll = map->Sources().LitByAllChecked();
    scene.font = FigureFont(map->Picture().font());
  } else if (picture == AnimatedPicture::kSurface) {
    const SurfaceWindow* surface = windows_.Surface();
    if (surface == nullptr) return std::nullopt;
    if (surface->Shown() != nullptr) scene.surface = surface->Shown()->scene;
    scene.surfaceChoice = surface->Controls().Choice();
    scene.castShadows = surface->Controls().CastShadows();
  } else if (picture == AnimatedPicture::kCompare) {
    const CompareWindow* compare = windows_.Compare();
    if (compare == nullptr || compare->States().empty()) return std::nullopt;
    scene.compared = compare->States();
    scene.captions = compare->Captions();
  }
  return scene;
}
