#include "app/picture/background_pass.h"

#include <QApplication>
#include <QProgressBar>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <mutex>
#include <utility>

#include "pass/job_runner.h"

namespace {

constexpr int kBarHeight = 4;
constexpr int kBarSteps = 1000;
constexpr int kProgressIntervalMs = 50;

std::atomic<int> waitBudgetMs{kFrameMs};

}  // namespace

// The runner's thread posts a finished pass to the object through this, under its lock; the
// object's destructor clears it, so nothing is posted to an object that is gone.
struct BackgroundPass::Relay {
  std::mutex mutex;
  BackgroundPass* target = nullptr;

  void Post(uint64_t pass) {
    const std::lock_guard<std::mutex> lock(mutex);
    if (target == nullptr) return;
    QMetaObject::invokeMethod(
        target, [target = target, pass] { target->OnDone(pass); }, Qt::QueuedConnection);
  }
};

BackgroundPass::BackgroundPass(JobRunner& runner, QWidget& picture, QObject* parent)
    : QObject(parent),
      runner_(runner),
      relay_(std::make_shared<Relay>()),
      bar_(new QProgressBar(&picture)),
      progressTimer_(new QTimer(this)) {
  relay_->target = this;
  bar_->setObjectName(QStringLiteral("PassProgress"));
  bar_->setRange(0, kBarSteps);
  bar_->setTextVisible(false);
  bar_->setFixedHeight(kBarHeight);
  bar_->hide();
  progressTimer_->setInterval(kProgressIntervalMs);
  connect(progressTimer_, &QTimer::timeout, this, &BackgroundPass::UpdateProgress);
}

BackgroundPass::~BackgroundPass() {
  {
    const std::lock_guard<std::mutex> lock(relay_->mutex);
    relay_->target = nullptr;
  }
  if (ticket_) ticket_->Cancel();
  if (busy_) QApplication::restoreOverrideCursor();
}

int BackgroundPass::WaitBudgetMs() { return waitBudgetMs.load(); }

void BackgroundPass::SetWaitBudgetMs(int milliseconds) { waitBudgetMs.store(milliseconds); }

void BackgroundPass::Start(std::function<void()> work, std::function<void()> show) {
  Cancel();
  const uint64_t pass = ++pass_;
  show_ = std::move(show);
  ticket_ = runner_.Submit(std::move(work), [relay = relay_, pass] { relay->Post(pass); });
  if (ticket_->WaitDone(std::chrono::milliseconds(WaitBudgetMs()))) {
    OnDone(pass);  // the post that follows finds the pass shown and does nothing
    return;
  }
  ShowBusy(true);
}

void BackgroundPass::Cancel() {
  if (!ticket_) return;
  ticket_->Cancel();
  ticket_.reset();
  show_ = nullptr;
  ShowBusy(false);
}

void BackgroundPass::OnDone(uint64_t pass) {
  if (pass != pass_ || !ticket_) return;  // cancelled, replaced or shown already
  const std::function<void()> show = std::move(show_);
  ticket_.reset();
  show_ = nullptr;
  ShowBusy(false);
  show();
  emit Shown();
}

void BackgroundPass::ShowBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    auto* picture = static_cast<QWidget*>(bar_->parent());
    bar_->setGeometry(0, 0, picture->width(), kBarHeight);
    bar_->setValue(0);
    bar_->raise();
    bar_->show();
    progressTimer_->start();
  } else {
    QApplication::restoreOverrideCursor();
    progressTimer_->stop();
    bar_->hide();
  }
}

void BackgroundPass::UpdateProgress() {
  if (ticket_) bar_->setValue(static_cast<int>(ticket_->Progress() * kBarSteps));
}
