// Whole passes of the additional laws: the laws that reduce to the matte function paint its
// picture (on the sphere and in gradient space), a typed "cos(i)" too, the readout reads every
// law, and a formula dividing by zero paints by the rules for values that are not finite.
// Also the Russian wording of a formula that does not read.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gradient/gradient_map.h"
#include "intake/law_texts.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/readout.h"
#include "pass/shade_command.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};

struct View {
  const char* rotX;
  const char* rotZ;
  const char* slant;
  bool colour;
  bool half;
  bool smooth;
};

constexpr View kViews[] = {
    {"30", "0", "0", false, true, false},
    {"-60", "25", "50", false, false, true},
    {"10", "200", "130", true, true, false},
};

ImageBuffer Paint(int32_t kind, const LawSettings& law, const View& view, bool gradient = false) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kind;
  state.law = law;
  state.showIsolines = static_cast<int16_t>(view.colour);
  state.halfSphere = static_cast<int16_t>(view.half);
  ShadeInputs inputs;
  inputs.rotX = view.rotX;
  inputs.rotZ = view.rotZ;
  inputs.slant = view.slant;
  ImageBuffer picture(kDefaultPictureWidth, kDefaultPictureHeight);
  picture.Clear(kWhite);
  const ShadeOutcome outcome =
      RunShadeCommand(state, picture, inputs, CNumberFormat(), view.smooth);
  EXPECT_TRUE(std::holds_alternative<ShadePass>(outcome));
  if (gradient) RunGradientMapPass(state, picture, view.smooth);
  return picture;
}

int LargestDifference(const ImageBuffer& a, const ImageBuffer& b) {
  int largest = 0;
  const std::vector<Rgb> first = a.Pixels();
  const std::vector<Rgb> second = b.Pixels();
  for (size_t k = 0; k < first.size(); ++k) {
    const Rgb p = first[k], q = second[k];
    largest = std::max({largest, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
  }
  return largest;
}

LawSettings WithParameters(int32_t kind, std::array<double, kMaxLawParameters> parameters) {
  LawSettings law = StartLawSettings(kind);
  law.parameters = parameters;
  return law;
}

LawSettings Formula(const std::string& text) {
  LawSettings law;
  law.formula = std::get<std::shared_ptr<const CustomFormula>>(CompileFormula(text, {}));
  return law;
}

TEST(LawPicturesTest, LawsReducedToMattePaintTheMattePicture) {
  const struct {
    const char* name;
    int32_t kind;
    LawSettings law;
  } kRows[] = {
      {"minnaert k=1", kMinnaert, WithParameters(kMinnaert, {1})},
      {"oren-nayar sigma=0", kOrenNayar, WithParameters(kOrenNayar, {0})},
      {"lunar-lambert L=0", kLunarLambert, WithParameters(kLunarLambert, {0})},
      {"blinn-phong s=0", kBlinnPhong, WithParameters(kBlinnPhong, {0, 16})},
      {"formula cos(i)", kFormula, Formula("cos(i)")},
  };
  for (const View& view : kViews) {
    for (bool gradient : {false, true}) {
      const ImageBuffer matte = Paint(kMatte, {}, view, gradient);
      for (const auto& row : kRows) {
        // A typed cos(acos(mu0)) may differ from mu0 in its last bit, which can move a pixel
        // across an isoline's edge: the formula is compared in grey tones only.
        if (row.kind == kFormula && view.colour) continue;
        EXPECT_LE(LargestDifference(Paint(row.kind, row.law, view, gradient), matte), 1)
            << row.name << " view " << view.rotX << "/" << view.rotZ << "/" << view.slant
            << (gradient ? " gradient space" : "");
      }
    }
  }
}

TEST(LawPicturesTest, ReadoutReadsEveryLawAndNonFiniteValuesPaintByTheRules) {
  for (const LawEntry& entry : AdditionalLaws()) {
    RenderState state;
    ApplyStartupValues(state);
    state.reflectanceKind = entry.kind;
    state.law = entry.kind == kFormula ? Formula("ci / (g - g)") : StartLawSettings(entry.kind);
    ImageBuffer picture(kDefaultPictureWidth, kDefaultPictureHeight);
    picture.Clear(kWhite);
    ASSERT_TRUE(std::holds_alternative<ShadePass>(
        RunShadeCommand(state, picture, ShadeInputs{}, CNumberFormat(), false)));
    const auto readout = ReadoutAtPixel(state, picture.Width(), picture.Height(), 196, 200);
    ASSERT_TRUE(readout.has_value()) << entry.name;
    EXPECT_GT(readout->reading.functionPhi, 0.0F) << entry.name;
    if (entry.kind == kFormula) {
      // +inf is bounded to 1 and painted as white tone.
      EXPECT_NE(FormatReadoutLine(readout).find("phi=inf painted=1.000"), std::string::npos)
          << FormatReadoutLine(readout);
    }
  }
}

TEST(LawTextsTest, FormulaMessagesNamePositionAndName) {
  const struct {
    std::string text;
    std::vector<std::string> names;
    std::string expected;
  } kRows[] = {
      {"cos(x)", {}, "Формула не прочитана: в позиции 5 неизвестное имя «x»."},
      {"cos(i", {}, "Формула не прочитана: в позиции 6 не закрыта скобка."},
      {"ci +", {}, "Формула не прочитана: в позиции 5 выражение оборвано"},
      {"ci, ce", {}, "Формула не прочитана: в позиции 3 запятая вне скобок"},
      {"", {}, "Формула пуста"},
      {"ci", {"sin"}, "Имя параметра «sin» уже занято"},
      {"ci*" + std::string(150, 'b'),
       {},
       "Формула не прочитана: в позиции 4 неизвестное имя «" + std::string(40, 'b') + "…»."},
      {std::string(20001, '1'),
       {},
       "Формула слишком длинная: её длина 20001, а допустимо не больше 4000 знаков."},
  };
  for (const auto& row : kRows) {
    const CompiledFormula compiled = CompileFormula(row.text, row.names);
    ASSERT_TRUE(std::holds_alternative<FormulaError>(compiled)) << row.text;
    const std::string message = FormulaErrorMessage(std::get<FormulaError>(compiled));
    EXPECT_EQ(message.rfind(row.expected, 0), 0U) << row.text << ": " << message;
    EXPECT_LT(message.size(), 600U) << "grows with the formula";
  }
  for (const LawEntry& entry : AdditionalLaws()) {
    EXPECT_FALSE(LawDisplayName(entry.kind).empty()) << entry.name;
    for (size_t k = 0; k < entry.parameters.size(); ++k) {
      EXPECT_FALSE(LawParameterCaption(entry.kind, static_cast<int>(k)).empty()) << entry.name;
    }
  }
}

}  // namespace
