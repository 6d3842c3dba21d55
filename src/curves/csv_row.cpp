#include "curves/csv_row.h"

std::string CsvField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
  std::string row;
  for (size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) row += ',';
    row += CsvField(fields[k]);
  }
  return row + "\n";
}
