#include "model/message.h"

#include <gtest/gtest.h>

namespace {

Message Made(const char* source, std::vector<MessagePart> parts, int count = -1) {
  return Message{"CoreMessages", source, std::move(parts), count};
}

// Each row names the fault it guards against.
TEST(RussianText, FillsEachPlaceholderOnceFromItsPart) {
  const Message reason = Made("не закрыта скобка", {});
  struct Row {
    const char* what;
    Message message;
    std::string expected;
  };
  const Row rows[] = {
      // A part holding a placeholder is not filled again by a later part.
      {"part holds %2", Made("«%1» и «%2»", {VerbatimPart("%2"), VerbatimPart("x")}), "«%2» и «x»"},
      // Parts are placed by their number, not by their order in the template.
      {"order", Made("%2 после %1", {VerbatimPart("a"), VerbatimPart("b")}), "b после a"},
      // A nested message is filled in Russian too.
      {"nested", Made("в позиции %1 %2.", {VerbatimPart("5"), MessagePartOf(reason)}),
       "в позиции 5 не закрыта скобка."},
      // The count stands for %n; a template without a count keeps %n as written.
      {"count", Made("%n строк", {}, 12), "12 строк"},
      {"count zero", Made("%n строк", {}, 0), "0 строк"},
      {"no count", Made("%n строк", {}), "%n строк"},
      // A placeholder without its part, and a lone % at the end, stay as written.
      {"missing part", Made("%1 и %3%", {VerbatimPart("a")}), "a и %3%"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(RussianText(row.message), row.expected) << row.what;
  }
}

}  // namespace
