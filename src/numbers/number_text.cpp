#include "numbers/number_text.h"

#include <charconv>
#include <cmath>

namespace calvora {

namespace {

// What stands for a number that is not finite.
constexpr char kNoNumber[] = "*";

// %g-style text with up to `precision` significant digits (exponent form below 10^-4 and from
// 10^precision up), written with "E" and its sign as the program shows it ("1.5E+20").
template <typename Float>
std::string ShortestText(Float value, int precision) {
  if (!std::isfinite(value)) {
    return kNoNumber;
  }
  if (value == 0) {
    return "0";
  }
  char text[48];
  const auto printed =
      std::to_chars(std::begin(text), std::end(text), value, std::chars_format::general, precision);
  std::string result(text, printed.ptr);
  if (const auto e = result.find('e'); e != std::string::npos) {
    result[e] = 'E';
  }
  return result;
}

}  // namespace

std::string SingleText(float value) {
  return ShortestText(value, 7);
}

std::string PlainNumber(double value) {
  std::string text = ShortestText(value, 15);
  const std::size_t zero = text[0] == '-' ? 1 : 0;
  if (text.size() > zero + 1 && text[zero] == '0' && text[zero + 1] == '.') {
    text.erase(zero, 1);
  }
  return text;
}

std::string SignedNumber(double value) {
  std::string text = PlainNumber(value);
  if (text[0] != '-') {
    text.insert(text.begin(), ' ');
  }
  return text;
}

std::string PrintNumber(double value) {
  return SignedNumber(value) + ' ';
}

}  // namespace calvora
