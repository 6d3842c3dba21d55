// A law added by registering one description appears wherever the laws are looked up: by kind,
// by the name --function takes, its parameters by the name --param takes, its start values and
// its starter formula; the listed laws stay where they were.

#include "photometry/laws/law_registry.h"

#include <gtest/gtest.h>

#include <array>

#include "photometry/law_catalogue.h"
#include "photometry/starter_formulas.h"

namespace {

constexpr int32_t kTestKind = 40;
constexpr std::array<LawParameterSpec, 2> kTestParameters{
    {{"a", 0.0, 1.0, 0.25}, {"b", -1.0, 3.0, 2.5}}};
constexpr LawDescription kTestLaw{kTestKind, "test-law", kTestParameters, "a*ci + b*ce",
                                  "law-test-law"};

TEST(LawRegistry, ARegisteredLawIsFoundEverywhereTheLawsAreRead) {
  const size_t listed = RegisteredLaws().size();
  RegisterLaw(kTestLaw);
  ASSERT_EQ(AdditionalLaws().size(), listed + 1);
  const LawEntry* byName = FindLawByName("test-law");
  ASSERT_NE(byName, nullptr);
  EXPECT_EQ(byName->kind, kTestKind);
  EXPECT_EQ(FindLaw(kTestKind), byName);
  EXPECT_EQ(FindLawParameter(*byName, "b"), 1);
  EXPECT_FALSE(FindLawParameter(*byName, "k").has_value());
  const LawSettings start = StartLawSettings(kTestKind);
  EXPECT_EQ(start.parameters[0], 0.25);
  EXPECT_EQ(start.parameters[1], 2.5);
  EXPECT_EQ(StarterFormula(kTestKind), "a*ci + b*ce");
  // The listed laws keep their kinds and names after the registry grew.
  EXPECT_EQ(FindLawByName("minnaert")->kind, kMinnaert);
  EXPECT_EQ(FindLawByName("formula")->kind, kFormula);
}

}  // namespace
