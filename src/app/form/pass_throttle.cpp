#include "app/form/pass_throttle.h"

#include <QTimer>
#include <utility>

PassThrottle::PassThrottle(std::function<void()> runPass, QObject* parent)
    : QObject(parent), runPass_(std::move(runPass)), frame_(new QTimer(this)) {
  setObjectName(QStringLiteral("PassThrottle"));
  frame_->setSingleShot(true);
  frame_->setInterval(kFrameMs);
  connect(frame_, &QTimer::timeout, this, &PassThrottle::OnFrameEnd);
}

void PassThrottle::Request() {
  if (frame_->isActive() || running_) {
    pending_ = true;
    return;
  }
  Run();
}

void PassThrottle::Run() {
  pending_ = false;
  ++passCount_;
  // The frame starts before the pass: a pass that takes longer than a frame is followed at once
  // by the gathered one, never by a second full frame of waiting.
  frame_->start();
  running_ = true;
  runPass_();  // may report an error in a message box, whose loop lets the frame end
  running_ = false;
  if (pending_ && !frame_->isActive()) frame_->start();
}

void PassThrottle::OnFrameEnd() {
  if (pending_ && !running_) Run();
}
