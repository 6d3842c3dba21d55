#include "app/common/key_pass_through.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QWidget>

namespace {

// Declines the ShortcutOverride of one key: a declined override lets the shortcut run.
class KeyLeaver final : public QObject {
 public:
  KeyLeaver(const QKeySequence& key, QObject* parent) : QObject(parent), key_(key) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == key_) {
      event->ignore();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QKeySequence key_;
};

}  // namespace

void LeaveKeyToWindow(QWidget& window, const QKeySequence& key) {
  auto* leaver = new KeyLeaver(key, &window);
  for (QLineEdit* box : window.findChildren<QLineEdit*>()) box->installEventFilter(leaver);
}
