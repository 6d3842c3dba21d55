#include "app/surface/elevation_open.h"

#include <QCoreApplication>

// This build reads no elevation models: every file is refused with the reason.
std::variant<HeightField, QString> OpenElevationFile(const QString& /*path*/,
                                                     std::optional<double> /*spacing*/,
                                                     double /*heightScale*/) {
  return QCoreApplication::translate("ElevationOpen",
                                     "Чтение моделей рельефа в этой сборке недоступно.");
}
