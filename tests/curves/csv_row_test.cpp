// CSV fields as RFC 4180 writes them: a field with a comma, a quote or a line break in quotes,
// its quotes doubled; any other field as it is.

#include "curves/csv_row.h"

#include <gtest/gtest.h>

namespace {

TEST(CsvRow, QuotesExactlyTheFieldsThatNeedIt) {
  const struct {
    const char* field;
    const char* written;
  } kRows[] = {{"0.500", "0.500"},
               {"", ""},
               {"Миннарт, k=0.5", "\"Миннарт, k=0.5\""},
               {"say \"hi\"", "\"say \"\"hi\"\"\""},
               {"\"", "\"\"\"\""},
               {"two\nlines", "\"two\nlines\""},
               {"cr\r", "\"cr\r\""}};
  for (const auto& row : kRows) EXPECT_EQ(CsvField(row.field), row.written) << row.field;
  EXPECT_EQ(CsvRow({"g", "a,b", ""}), "g,\"a,b\",\n");
}

}  // namespace
