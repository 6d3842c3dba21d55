// AnimationDialog's sweep: the controls read and checked on the window's thread, the frames
// painted and written on the dialog's own, and its end reported back.

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "animation/sweep_steps.h"
#include "app/animation/animation_dialog.h"
#include "app/animation/animation_files.h"
#include "app/animation/sweep_relay.h"
#include "app/common/locale_numbers.h"
#include "app/language/translated_texts.h"
#include "intake/input_messages.h"
#include "pass/job_runner.h"
#include "pass/pass_control.h"

namespace {

std::optional<double> ReadBox(const QLineEdit& box, const QString& field, QString& refusal) {
  const NumberReading<double> reading = ReadDouble(box.text().toStdString(), UserNumberFormat());
  if (reading.Ok()) return reading.value;
  refusal =
      QCoreApplication::translate("AnimationDialog", "Поле «%1» должно содержать число, а не «%2».")
          .arg(field, box.text());
  return std::nullopt;
}

bool Cancelled() {
  const PassControl* control = CurrentPassControl();
  return control != nullptr && control->Cancelled();
}

struct SweepRange {
  double from;
  double to;
  int frames;
};

// The sweep's work, on its own thread: every frame painted and kept, then written, unless it is
// cancelled first.
void PaintAndWrite(SweepOutcome& outcome, const SweepBase& base, const SweepSetting& setting,
                   const AnimatedScene& scene, SweepRange range, const AnimationOutput& target,
                   int delay) {
  AnimationFrames kept(target);
  for (int k = 0; k < range.frames; ++k) {
    const auto step = StepSetting(base, setting, SweepValue(range.from, range.to, range.frames, k));
    if (const QString* reason = std::get_if<QString>(&step)) {
      outcome.error = *reason;
      return;
    }
    const QImage image = PaintFrame(scene, std::get<SweptFrame>(step));
    // A pass stopped part-way leaves a part of its picture: never kept.
    if (Cancelled()) break;
    if ((outcome.error = kept.Add(image, range.frames))) return;
    outcome.framesDone.store(k + 1);
  }
  if (Cancelled()) {
    outcome.cancelled = true;
    return;
  }
  outcome.error = kept.Write(delay);
}

}  // namespace

void AnimationDialog::Start() {
  if (Running()) return;
  QString refusal;
  const std::optional<double> from =
      ReadBox(*from_, QCoreApplication::translate("AnimationDialog", "От"), refusal);
  const std::optional<double> to =
      from ? ReadBox(*to_, QCoreApplication::translate("AnimationDialog", "До"), refusal) : from;
  const std::variant<AnimationOutput, QString> output = AnimationOutputFor(file_->text().trimmed());
  if (refusal.isEmpty() && std::holds_alternative<QString>(output)) {
    refusal = std::get<QString>(output);
  }
  if (const auto* numbered = std::get_if<AnimationOutput>(&output);
      refusal.isEmpty() && numbered != nullptr && !numbered->gif) {
    if (const std::optional<FrameNameProblem> problem =
            CheckFrameNames(numbered->path.toStdString(), frames_->value())) {
      // The frame's own name, cut as box texts are: the folder is the one the user chose.
      const QString name = QString::fromStdString(
          ShortenedText(QFileInfo(QString::fromStdString(problem->name)).fileName().toStdString()));
      refusal = problem->kind == FrameNameProblem::kShared
                    ? QCoreApplication::translate(
                          "AnimationDialog",
                          "Кадры %1 и %2 попали бы в один файл «%3»; ни один кадр не записан.")
                          .arg(problem->earlier)
                          .arg(problem->frame)
                          .arg(name)
                    : QCoreApplication::translate(
                          "AnimationDialog",
                          "Имя кадра «%1» длиннее %2 байт — файл с таким именем не создать; ни "
                          "один кадр не записан.")
                          .arg(name)
                          .arg(kMaxFileNameBytes);
    }
  }
  const int index = setting_->currentIndex();
  const auto picture = static_cast<AnimatedPicture>(picture_->currentData().toInt());
  const std::optional<AnimatedScene> scene = SceneFor(picture);
  if (refusal.isEmpty() && (index < 0 || !scene)) {
    refusal =
        QCoreApplication::translate("AnimationDialog", "Этого рисунка уже нет: выберите другой.");
  }
  const SweepBase base = Base();
  if (refusal.isEmpty()) {
    // The ends bound every value between them: what reads at both reads at every frame.
    for (const double end : {*from, *to}) {
      const auto step = StepSetting(base, settings_[static_cast<size_t>(index)], end);
      if (const QString* reason = std::get_if<QString>(&step)) refusal = *reason;
    }
  }
  if (!refusal.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), refusal);
    return;
  }
  const int frames = frames_->value();
  const int delay = delay_->value();
  const SweepSetting setting = settings_[static_cast<size_t>(index)];
  auto outcome = std::make_shared<SweepOutcome>();
  outcome_ = outcome;
  outcome->written = FrameFile(std::get<AnimationOutput>(output), 0);
  const uint64_t sweep = ++sweep_;
  ticket_ = runner_->Submit(
      [outcome, base, setting, scene = *scene, from = *from, to = *to, frames, delay,
       target = std::get<AnimationOutput>(output)] {
        PaintAndWrite(*outcome, base, setting, scene, SweepRange{from, to, frames}, target, delay);
        outcome->ended = true;
      },
      [relay = relay_, sweep] { relay->Post(sweep); });
  progress_->setRange(0, frames);
  progress_->setValue(0);
  TranslatedTexts::Of(*this).Keep(
      "AnimationDialog", QT_TRANSLATE_NOOP("AnimationDialog", "Кадры рисуются…"),
      [object = status_](const QString& text) { object->setText(text); });
  ShowRunning(true);
}

void AnimationDialog::Cancel() {
  if (!ticket_) return;
  // The sweep stops at its next block; its end, reported as usual, says whether anything was
  // written (a sweep already writing finishes its files).
  ticket_->Cancel();
  cancel_->setEnabled(false);
  TranslatedTexts::Of(*this).Keep(
      "AnimationDialog", QT_TRANSLATE_NOOP("AnimationDialog", "Отмена…"),
      [object = status_](const QString& text) { object->setText(text); });
}

void AnimationDialog::OnDone(uint64_t sweep) {
  if (sweep != sweep_ || !ticket_) return;
  ticket_.reset();
  ShowRunning(false);
  const SweepOutcome& outcome = *outcome_;
  if (!outcome.ended || outcome.cancelled) {
    TranslatedTexts::Of(*this).Keep(
        "AnimationDialog", QT_TRANSLATE_NOOP("AnimationDialog", "Отменено: ничего не записано."),
        [object = status_](const QString& text) { object->setText(text); });
  } else if (outcome.error) {
    status_->setText(*outcome.error);
    QMessageBox::warning(this, windowTitle(), *outcome.error);
  } else {
    progress_->setValue(progress_->maximum());
    status_->setText(QCoreApplication::translate("AnimationDialog", "Записано кадров: %1 (%2).")
                         .arg(outcome.framesDone.load())
                         .arg(QDir::toNativeSeparators(outcome.written)));
  }
  emit Finished();
}

void AnimationDialog::ShowRunning(bool running) {
  start_->setEnabled(!running);
  cancel_->setEnabled(true);
  auto* browse = findChild<QPushButton*>(QStringLiteral("AnimationBrowse"));
  for (QWidget* field : std::initializer_list<QWidget*>{setting_, picture_, from_, to_, frames_,
                                                        delay_, file_, browse}) {
    field->setEnabled(!running);
  }
  if (running) {
    progressTimer_->start();
  } else {
    progressTimer_->stop();
  }
}
