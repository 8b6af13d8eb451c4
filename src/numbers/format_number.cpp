#include <algorithm>
#include <cmath>

#include "numbers/number_text.h"
#include "numbers/pattern_text.h"
#include "numbers/text_width.h"

namespace calvora {

namespace {

// The text right-aligned in the pattern's width, or its rightmost characters.
std::string FitToWidth(std::string_view text, std::string_view pattern) {
  const std::size_t width = CharCount(pattern);
  const std::size_t length = CharCount(text);
  if (length >= width) {
    return std::string(DropLeadingChars(text, length - width));
  }
  std::string field(width - length, ' ');
  field += text;
  return field;
}

// FitToWidth for a quick text: up to its literal characters behind the places it is ASCII, and
// those characters stand in the text and the pattern alike, so the field's bytes are the
// pattern's.
std::string FitQuickText(const QuickText& text, std::string_view pattern) {
  if (pattern.size() <= QuickText::kCapacity) {
    return std::string(text.Blanked(pattern.size()));
  }
  return FitToWidth(text.View(), pattern);
}

// The text of a value the quick path does not take.
std::string GeneralText(double value, std::string_view pattern) {
  if (!std::isfinite(value)) {
    return std::string(CharCount(pattern), '*');
  }
  return DecimalPatternText(value, pattern);
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
  if (QuickText quick; QuickPatternText(value, pattern, quick)) {
    return std::string(quick.View());
  }
  return GeneralText(value, pattern);
}

std::string FormatField(double value, std::string_view pattern) {
  if (QuickText quick; QuickPatternText(value, pattern, quick)) {
    return FitQuickText(quick, pattern);
  }
  return FitToWidth(GeneralText(value, pattern), pattern);
}

WholeField FormatWholeField(double value, std::string_view pattern) {
  if (QuickText quick; QuickPatternText(value, pattern, quick)) {
    // Up to its literal characters a quick text is ASCII and behind them it repeats the
    // pattern's bytes, so bytes compare as characters.
    if (quick.View().size() > pattern.size()) {
      return {std::string(quick.View()), false};
    }
    return {FitQuickText(quick, pattern)};
  }
  std::string text = GeneralText(value, pattern);
  if (CharCount(text) > CharCount(pattern)) {
    return {std::move(text), false};
  }
  return {FitToWidth(text, pattern)};
}

}  // namespace calvora
