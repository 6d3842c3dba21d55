#include "app/surface/elevation_open.h"

#include <QFile>

#include "elevation/elevation_model.h"
#include "messages/translated_message.h"

std::variant<HeightField, QString> OpenElevationFile(const QString& path,
                                                     std::optional<double> spacing,
                                                     double heightScale) {
  ElevationOptions options;
  options.spacing = spacing;
  options.heightScale = heightScale;
  std::variant<HeightField, ElevationError> read =
      ReadElevationModel(QFile::encodeName(path).toStdString(), options);
  if (const auto* error = std::get_if<ElevationError>(&read)) {
    return TranslatedMessage(error->said);
  }
  return std::move(std::get<HeightField>(read));
}
