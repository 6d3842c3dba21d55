#pragma once
// A picture's passes run off the window's thread, so that the window keeps answering while a
// long one runs:
//
//   Start(work, show) -> cancels the pass still running -> work() on the JobRunner's thread
//   -> within one frame: show() before Start returns, exactly as a pass on the window's thread
//   -> later: the last picture stays shown with a thin progress bar over it and the busy pointer,
//      and show() runs on the window's thread once the work is done
//
// Cancel() (Esc, a newer request) stops the pass at its next block; its show() never runs.
// `work` paints into an image of its own and `show` hands it to the window: nothing the window
// shows changes before show().

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

class JobRunner;
class JobTicket;
class QProgressBar;
class QTimer;
class QWidget;

// A display frame: a pass done within it is shown as soon as it is asked for.
inline constexpr int kFrameMs = 16;

class BackgroundPass final : public QObject {
  Q_OBJECT
 public:
  // The progress bar lies over the top edge of `picture`.
  BackgroundPass(JobRunner& runner, QWidget& picture, QObject* parent);
  ~BackgroundPass() override;

  void Start(std::function<void()> work, std::function<void()> show);
  // Stops the pass under way, if any; what is shown stays as it is.
  void Cancel();
  // A pass has been started and has neither been shown nor cancelled.
  bool Running() const { return ticket_ != nullptr; }

  // How long Start waits for a pass before it shows the progress instead; a frame unless set.
  static int WaitBudgetMs();
  static void SetWaitBudgetMs(int milliseconds);

 signals:
  // A pass's show() has run.
  void Shown();

 private:
  struct Relay;
  void OnDone(uint64_t pass);
  void ShowBusy(bool busy);
  void UpdateProgress();

  JobRunner& runner_;
  std::shared_ptr<Relay> relay_;  // how the runner's thread reaches this object while it lives
  QProgressBar* bar_ = nullptr;
  QTimer* progressTimer_ = nullptr;
  std::shared_ptr<JobTicket> ticket_;  // the pass under way
  uint64_t pass_ = 0;                  // counts the passes started
  std::function<void()> show_;
  bool busy_ = false;  // the busy pointer is set
};
