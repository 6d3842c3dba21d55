#pragma once
// Helpers for the window tests: finding controls by name, the state a fresh window starts from,
// and answering the message boxes the window opens. A message box that opens while no
// MessageBoxWatch lives is closed and fails the running test.

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <memory>

#include "app/companions.h"
#include "app/form/form1.h"
#include "app/main_window.h"
#include "app/picture/picture_box.h"
#include "model/render_state.h"

// The control named `name` ("Text8_7"); fails the test (fatally) when it is missing.
template <typename T>
T* Find(const QWidget& form, const QString& name) {
  T* control = form.findChild<T*>(name);
  if (control == nullptr) qFatal("no control %s", qPrintable(name));
  return control;
}

// A zeroed RenderState given the start-up values, as a fresh window holds it.
RenderState StartupState();

// A new window whose start-up period is over (its Timer1 has ticked), with the windows beside it.
std::unique_ptr<Form1> OpenForm();

// The windows beside `form`, made with it by OpenForm or the main window.
Companions& WindowsOf(Form1& form);

// A new main window, its form's start-up period over.
std::unique_ptr<MainWindow> OpenMainWindow();

// Shows `window` and waits until it is the application's active window.
void Activate(QWidget& window);

// Clicks the shade button, Command1.
void Press(Form1& form);

// Replaces a box's text as the user does: select all, type the new text.
void Retype(QLineEdit& box, const QString& text);

// Watches for message boxes while it lives: records the text of each and closes it.
class MessageBoxWatch {
 public:
  MessageBoxWatch();
  ~MessageBoxWatch();
  MessageBoxWatch(const MessageBoxWatch&) = delete;
  MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

  const QStringList& texts() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
