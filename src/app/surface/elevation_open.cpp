#include "app/surface/elevation_open.h"

#include <QFile>

#include "app/language/core_messages.h"
#include "elevation/elevation_model.h"

std::variant<HeightField, QString> OpenElevationFile(const QString& path,
                                                     std::optional<double> spacing,
                                                     double heightScale) {
  ElevationOptions options;
  options.spacing = spacing;
  options.heightScale = heightScale;
  std::variant<HeightField, ElevationError> read =
      ReadElevationModel(QFile::encodeName(path).toStdString(), options);
  if (const auto* error = std::get_if<ElevationError>(&read)) {
    return CoreMessage(error->message);
  }
  return std::move(std::get<HeightField>(read));
}
