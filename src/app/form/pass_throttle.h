#pragma once
// Runs a pass for a stream of changes (held keys, the wheel, a drag) without letting passes
// queue behind them: the first change runs its pass at once, and changes that come within the
// next frame's interval are gathered into one pass at its end, which reads the values as they
// then stand. So at most one pass runs per frame, and the last change always gets its pass.

#include <QObject>
#include <functional>

#include "app/picture/background_pass.h"

class QTimer;

class PassThrottle final : public QObject {
  Q_OBJECT
 public:
  static constexpr int kFrameMs = ::kFrameMs;

  PassThrottle(std::function<void()> runPass, QObject* parent);

  // Something changed that the picture should show.
  void Request();
  // Whether a change still waits for its pass.
  bool Pending() const { return pending_; }
  // How many passes it has run.
  int PassCount() const { return passCount_; }

 private:
  void Run();
  void OnFrameEnd();

  std::function<void()> runPass_;
  QTimer* frame_ = nullptr;
  bool pending_ = false;
  bool running_ = false;
  int passCount_ = 0;
};
