// The legend's intake and wording: a column of texts into an isoline array (a text that does not
// read keeps its element), the renderer's comma-separated form, and the marks and refusal.

#include "intake/legend_intake.h"

#include <gtest/gtest.h>

#include "intake/input_messages.h"

namespace {

const NumberFormat kRussian{",", "\u00a0"};

TEST(ReadLegendColumn, TakesWhatReadsAndKeepsTheRest) {
  const LegendTexts texts = {"0,95", "0.85", "", "abc", "1e39", " 0,5 ", "-0,25"};
  std::array<float, kIsoBandCount> values = {1, 2, 3, 4, 5, 6, 7};
  const LegendErrors errors = ReadLegendColumn(texts, kRussian, values);
  const std::array<float, kIsoBandCount> expectedValues = {0.95F, 0.85F, 3, 4, 5, 0.5F, -0.25F};
  const LegendErrors expectedErrors = {NumberError::kNone,       NumberError::kNone,
                                       NumberError::kNotANumber, NumberError::kNotANumber,
                                       NumberError::kOverflow,   NumberError::kNone,
                                       NumberError::kNone};
  for (int k = 0; k < kIsoBandCount; ++k) {
    EXPECT_EQ(values[k], expectedValues[k]) << "element " << k << " \"" << texts[k] << "\"";
    EXPECT_EQ(errors[k], expectedErrors[k]) << "element " << k << " \"" << texts[k] << "\"";
  }
}

TEST(SplitLegendList, GivesSevenTextsOrNothing) {
  const struct {
    const char* list;
    bool splits;
    const char* last;
  } cases[] = {
      {"0.9,0.8,0.7,0.6,0.5,0.4,0.3", true, "0.3"},
      {",,,,,,", true, ""},
      {"1,2,3,4,5,6, 7 ", true, " 7 "},
      {"0.9,0.8,0.7,0.6,0.5,0.4", false, ""},
      {"0.9,0.8,0.7,0.6,0.5,0.4,0.3,0.2", false, ""},
      {"0.9,0.8,0.7,0.6,0.5,0.4,0.3,", false, ""},
      {"", false, ""},
  };
  for (const auto& c : cases) {
    const std::optional<LegendTexts> texts = SplitLegendList(c.list);
    EXPECT_EQ(texts.has_value(), c.splits) << c.list;
    if (texts) {
      EXPECT_EQ(texts->back(), c.last) << c.list;
    }
  }
}

TEST(LegendMessages, NameTheTextTheReasonAndTheKeptValue) {
  const struct {
    const char* text;
    NumberError error;
    const char* mark;
  } cases[] = {
      {"1e39", NumberError::kOverflow, "«1e39» — слишком большое число; в расчёте остаётся 0,6"},
      {"", NumberError::kNotANumber, "поле пусто; в расчёте остаётся 0,6"},
      {" \t", NumberError::kNotANumber, "поле пусто; в расчёте остаётся 0,6"},
      {"0,6x", NumberError::kNotANumber, "«0,6x» — не число; в расчёте остаётся 0,6"},
      {"0.6", NumberError::kOtherDecimalSeparator,
       "«0.6» — не число: дробную часть отделяйте запятой; в расчёте остаётся 0,6"},
  };
  const NumberFormat german{",", "."};
  for (const auto& c : cases) {
    EXPECT_EQ(LegendMark(c.text, c.error, "0,6", german), c.mark) << "\"" << c.text << "\"";
  }
}

// The refusal says first that the pass did not run, then which box and why in plain words.
TEST(LegendMessages, RefusalSaysThePassDidNotRun) {
  const struct {
    LegendColumn column;
    int row;
    const char* text;
    NumberError error;
    int others;
    const char* message;
  } cases[] = {
      {LegendColumn::kLevel, 0, "", NumberError::kNotANumber, 0,
       "Тонирование не выполнено.\nУровень изолинии в строке 1 легенды: поле пусто.\n"
       "Исправьте это поле и нажмите «Тонировать» снова."},
      {LegendColumn::kHalfWidth, 6, "1e39", NumberError::kOverflow, 0,
       "Тонирование не выполнено.\nПолуширина изолинии в строке 7 легенды: «1e39» — слишком "
       "большое число.\nИсправьте это поле и нажмите «Тонировать» снова."},
      {LegendColumn::kLevel, 1, "x", NumberError::kNotANumber, 2,
       "Тонирование не выполнено.\nУровень изолинии в строке 2 легенды: «x» — не число. Полей с "
       "ошибкой ещё: 2.\nИсправьте поля, отмеченные красным, и нажмите «Тонировать» снова."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LegendRefusal(c.column, c.row, c.text, c.error, NumberFormat{}, c.others), c.message)
        << c.text;
  }
}

}  // namespace
