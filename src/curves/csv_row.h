#pragma once
// One line of a CSV file as RFC 4180 writes it: fields separated by commas, a field holding a
// comma, a double quote, a carriage return or a line feed put in double quotes with its quotes
// doubled, every other field as it is.

#include <string>
#include <string_view>
#include <vector>

std::string CsvField(std::string_view field);

// The fields joined by commas, then a line feed.
std::string CsvRow(const std::vector<std::string>& fields);
