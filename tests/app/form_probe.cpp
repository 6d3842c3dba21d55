#include "form_probe.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/picture/background_pass.h"
#include "model/startup_values.h"

namespace {

constexpr int kWatchdogIntervalMs = 10;
constexpr int kWholePassBudgetMs = 60000;

// How many MessageBoxWatch objects live: while one does, message boxes are expected.
int expectedBoxWatches = 0;

// A message box no test expects would wait for a click forever: the watchdog, started with the
// application, closes it and fails the running test, naming the box's text.
void StartMessageBoxWatchdog() {
  auto* watchdog = new QTimer(QCoreApplication::instance());
  watchdog->setInterval(kWatchdogIntervalMs);
  QObject::connect(watchdog, &QTimer::timeout, [] {
    if (expectedBoxWatches > 0) return;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    const QByteArray text = ("unexpected message box: " + box->text()).toUtf8();
    box->done(QMessageBox::Ok);
    QTest::qFail(text.constData(), __FILE__, __LINE__);
  });
  watchdog->start();
  // The tests read a pass's picture as soon as it returns: it runs on the window's time, however
  // long it takes, unless a test asks for the frame's budget again.
  BackgroundPass::SetWaitBudgetMs(kWholePassBudgetMs);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartMessageBoxWatchdog)

// The start-up period is a short timer; a machine busy with parallel tests may serve it late.
constexpr int kStartupWaitMs = 10000;

RenderState StartupState() {
  RenderState state;
  ApplyStartupValues(state);
  return state;
}

std::unique_ptr<Form1> OpenForm() {
  auto form = std::make_unique<Form1>();
  Companions::Attach(*form);  // as the main window gives it
  if (!QTest::qWaitFor([&] { return !form->InStartupPeriod(); }, kStartupWaitMs)) {
    qFatal("the start-up period did not end");
  }
  return form;
}

Companions& WindowsOf(Form1& form) {
  auto* made = form.findChild<Companions*>(QString(), Qt::FindDirectChildrenOnly);
  if (made == nullptr) qFatal("the form has no windows beside it");
  return *made;
}

std::unique_ptr<MainWindow> OpenMainWindow() {
  auto main = std::make_unique<MainWindow>();
  if (!QTest::qWaitFor([&] { return !main->Form().InStartupPeriod(); }, kStartupWaitMs)) {
    qFatal("the start-up period did not end");
  }
  return main;
}

void Activate(QWidget& window) {
  window.show();
  window.activateWindow();
  // A window whose parent is active counts as active too: wait until it is the active one.
  if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; })) {
    qFatal("the window did not become active");
  }
}

void Press(Form1& form) { QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton); }

void Retype(QLineEdit& box, const QString& text) {
  box.setFocus();
  box.selectAll();
  QTest::keyClick(&box, Qt::Key_Backspace);
  QTest::keyClicks(&box, text);
}

struct MessageBoxWatch::Impl {
  QTimer poll;
  QStringList texts;
};

MessageBoxWatch::MessageBoxWatch() : impl_(std::make_unique<Impl>()) {
  ++expectedBoxWatches;
  impl_->poll.setInterval(5);
  QObject::connect(&impl_->poll, &QTimer::timeout, [impl = impl_.get()] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      impl->texts << box->text();
      box->done(QMessageBox::Ok);
    }
  });
  impl_->poll.start();
}

MessageBoxWatch::~MessageBoxWatch() { --expectedBoxWatches; }

const QStringList& MessageBoxWatch::texts() const { return impl_->texts; }
