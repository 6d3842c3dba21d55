#pragma once
// The wording of every message about what the user typed: the shade command's message box for a
// parameter box that does not read, and the legend's mark and refusal. Each is a message
// (model/message.h) that the window shows in its language, and its Russian text; numbers in them
// come in already written in the user's format, and what was typed stays as typed. A text quoted
// from a box is cut to its first 40 characters and "…".

#include <string>
#include <string_view>

#include "intake/number_text.h"
#include "model/message.h"

// The six parameter boxes the shade command reads.
enum class ShadeField { kRotX, kRotY, kRotZ, kSlant, kGlossS, kGlossN };
inline constexpr int kShadeFieldCount = 6;

// The two columns of the legend: isoline levels and their half-widths.
enum class LegendColumn { kLevel, kHalfWidth };

// A text as a message quotes it: its first 40 characters (UTF-8), and "…" if there are more, so
// that no message grows with what was typed.
std::string ShortenedText(std::string_view text);

// The message box text for a parameter box holding `text`, which does not read for `error` in
// the user's `format`.
Message ParameterSaid(ShadeField field, const std::string& text, NumberError error,
                      const NumberFormat& format);
std::string ParameterMessage(ShadeField field, const std::string& text, NumberError error,
                             const NumberFormat& format);

// The mark of a legend box holding `text`, which does not read for `error`; `keptValue` is the
// value the pass goes on using, written in the user's `format`.
Message LegendMarkSaid(const std::string& text, NumberError error, const std::string& keptValue,
                       const NumberFormat& format);
std::string LegendMark(const std::string& text, NumberError error, const std::string& keptValue,
                       const NumberFormat& format);

// What the shade button says instead of starting a pass while the legend box of `column` in
// legend row `row` (0 is the top row) holds `text`, which does not read for `error`, and
// `othersMarked` more boxes are marked: that the pass did not run, which box and why, in plain
// words, and what to do.
Message LegendRefusalSaid(LegendColumn column, int row, const std::string& text, NumberError error,
                          const NumberFormat& format, int othersMarked = 0);
std::string LegendRefusal(LegendColumn column, int row, const std::string& text, NumberError error,
                          const NumberFormat& format, int othersMarked = 0);
