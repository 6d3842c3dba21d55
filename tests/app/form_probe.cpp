#include "form_probe.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "model/startup_values.h"

RenderState StartupState() {
  RenderState state;
  ApplyStartupValues(state);
  return state;
}

std::unique_ptr<Form1> OpenForm() {
  auto form = std::make_unique<Form1>();
  if (!QTest::qWaitFor([&] { return !form->inStartupPeriod(); }, 1000)) {
    qFatal("the start-up period did not end");
  }
  return form;
}

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
  impl_->poll.setInterval(5);
  QObject::connect(&impl_->poll, &QTimer::timeout, [impl = impl_.get()] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      impl->texts << box->text();
      box->done(QMessageBox::Ok);
    }
  });
  impl_->poll.start();
}

MessageBoxWatch::~MessageBoxWatch() = default;

const QStringList& MessageBoxWatch::texts() const { return impl_->texts; }
