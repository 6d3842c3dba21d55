// Observed points: every bad line is its own message naming the line, and a file with one bad
// line gives no points; the header decides the quantity and whether sigma is read.

#include "curves/observations.h"

#include <gtest/gtest.h>

#include <string>

#include "model/message.h"

namespace {

TEST(Observations, AGoodFileReadsWithItsHeaderAndNotes) {
  const ObservationReading reading = ReadObservations(
      "# typed from a table\ng,magnitude,sigma\n\n 1.5 , 7.25, 0.02\n40,8,0.1", "moon.csv");
  ASSERT_TRUE(std::holds_alternative<ObservationSet>(reading));
  const ObservationSet& set = std::get<ObservationSet>(reading);
  EXPECT_EQ(set.quantity, ObservedQuantity::kMagnitude);
  EXPECT_TRUE(set.weighted);
  ASSERT_EQ(set.points.size(), 2U);
  EXPECT_DOUBLE_EQ(set.points[0].degrees, 1.5);
  EXPECT_DOUBLE_EQ(set.points[1].sigma, 0.1);
}

TEST(Observations, EveryBadLineIsNamedAndNothingIsRead) {
  const struct {
    const char* text;
    std::vector<std::string> lines;  // the line numbers the messages name, in order
  } kRows[] = {
      {"g,flux\n1,2\n", {"1"}},  // unknown column
      {"g,brightness\n181,0.2\n-1,0.2\n10,0\n10,inf\n", {"2", "3", "4", "5"}},
      {"g,brightness\n10,0.2,0.1\n10\n", {"2", "3"}},  // counts of fields
      {"g,brightness,sigma\n10,0.2,0\n10,0.2\n10,0.2,0.01\n", {"2", "3"}},
      {"g,magnitude\n10,abc\n10,1e999\n12,9\n", {"2", "3"}},
      {"g,magnitude\n10,7\n11,7,\n", {"3"}},
  };
  for (const auto& row : kRows) {
    const ObservationReading reading = ReadObservations(row.text, "obs.csv");
    ASSERT_TRUE(std::holds_alternative<std::vector<Message>>(reading)) << row.text;
    const std::vector<Message>& messages = std::get<std::vector<Message>>(reading);
    ASSERT_EQ(messages.size(), row.lines.size()) << row.text << RussianText(messages.front());
    for (size_t k = 0; k < messages.size(); ++k) {
      ASSERT_GE(messages[k].parts.size(), 2U) << RussianText(messages[k]);
      EXPECT_EQ(messages[k].parts[1].verbatim, row.lines[k]) << RussianText(messages[k]);
    }
  }
}

TEST(Observations, EmptyAndOversizedFilesAreRefused) {
  for (const std::string& text : {std::string("# only a note\n\n"), std::string("g,brightness\n"),
                                  std::string(kMaxObservationBytes + 1, '\n')}) {
    const ObservationReading reading = ReadObservations(text, "obs.csv");
    ASSERT_TRUE(std::holds_alternative<std::vector<Message>>(reading)) << text.size();
    EXPECT_EQ(std::get<std::vector<Message>>(reading).size(), 1U) << text.size();
  }
}

}  // namespace
