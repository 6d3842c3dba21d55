#include "app/common/remembered_settings.h"

QSettings RememberedSettings() {
  return QSettings(QStringLiteral("gauss-sphere"), QStringLiteral("gauss-sphere"));
}
