#pragma once
// The two ways FormatNumber builds the text of a finite number in a pattern: the general one on
// the value's decimal form, good for every pattern and value, and the quick one by integer
// arithmetic, taken for plain report patterns where it is sure to give the same text.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace calvora {

// FormatNumber's text of a finite value through DecimalForm.
std::string DecimalPatternText(double value, std::string_view pattern);

// A short number text at the end of its buffer, with blanks in front: its last n characters are
// the text right-aligned in n places.
struct QuickText {
  static constexpr std::size_t kCapacity = 48;

  std::string_view View() const { return {chars.data() + begin, kCapacity - begin}; }
  // width at most kCapacity.
  std::string_view Blanked(std::size_t width) const {
    return {chars.data() + kCapacity - width, width};
  }

  std::array<char, kCapacity> chars;
  std::size_t begin = kCapacity;
};

// DecimalPatternText by integer arithmetic, for patterns of digit places, optionally followed by
// "." and "0" places ("###0", "##0.00", "000.00", "###"), with at most a few literal characters
// in front (ASCII) and behind (" #####0.00º"), and finite values of moderate size whose rounding
// lies clear of a half: true with the text in text, false (text untouched) for every other case.
// Every character in front of the last literal ones takes one byte.
bool QuickPatternText(double value, std::string_view pattern, QuickText& text);

}  // namespace calvora
