#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>

#include "numbers/pattern_text.h"

namespace calvora {

namespace {

// Why the quick rounding agrees with DecimalForm.
//
// DecimalForm rounds x = |value| to its 15-significant-digit form D, |D - x| <= 5e-15 x, then
// rounds t = D 10^d half away from zero (d: the pattern's decimals) as long as t < 10^14
// (fewer than 15 digits down to the place 10^-d). Here s = x 10^d is computed with one rounding,
// |s - x 10^d| <= 2^-53 x 10^d, so |t - s| < 5.2e-15 s. When s lies farther than that from the
// half between two integers, t lies on the same side of it, and t rounds to the integer nearest
// to s. The test below asks for kHalfMargin s, about twice that bound, which also covers the
// roundings of the test itself (below 1e-16, while the slack exceeds 1e-15 wherever s is near a
// half, s >= 0.5). A value nearer a half, exact halves included, takes the general path.
constexpr double kHalfMargin = 1e-14;
// s below this keeps t below 10^14 and the integer exact in a double.
constexpr double kScaledLimit = 1e13;
// Powers of ten up to the largest decimals taken, all exact doubles.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr int kMaxDecimals = static_cast<int>(std::size(kPowersOfTen)) - 1;
// Integer places at most: the integer part's digits (below 10^13) and the places shown from the
// first "0" on fit in them.
constexpr int kIntegerPlaces = 16;
// Bytes of the literal characters around the places: " #####0.00º" has three.
constexpr std::size_t kLiteralBytes = 6;
// Literals, decimals, point, the integer places and the minus, with a blank in front for the
// minus to take.
static_assert(kLiteralBytes + kMaxDecimals + 1 + kIntegerPlaces + 2 <= QuickText::kCapacity);

bool IsPlace(char c) {
  return c == '#' || c == '0' || c == '.';
}

// What a plain pattern asks for: literal characters in front (ASCII, each one place of the
// field) and behind, and between them digit places, of which the last integerShown always
// show, then optionally the point and decimals "0" places.
struct PlainPattern {
  std::string_view head;
  std::string_view tail;
  int integerShown = 0;
  bool point = false;
  int decimals = 0;
};

// One pass: the literals in front, the places, then what is left must hold no place.
std::optional<PlainPattern> ReadPlainPattern(std::string_view pattern) {
  PlainPattern plain;
  std::size_t i = 0;
  for (; i < pattern.size() && !IsPlace(pattern[i]); ++i) {
    if (static_cast<unsigned char>(pattern[i]) >= 0x80) {
      return std::nullopt;
    }
  }
  plain.head = pattern.substr(0, i);
  bool zeroSeen = false;
  for (; i < pattern.size() && (pattern[i] == '#' || pattern[i] == '0'); ++i) {
    zeroSeen = zeroSeen || pattern[i] == '0';
    plain.integerShown += zeroSeen ? 1 : 0;
  }
  if (i < pattern.size() && pattern[i] == '.') {
    plain.point = true;
    for (++i; i < pattern.size() && pattern[i] == '0'; ++i) {
      ++plain.decimals;
    }
  }
  plain.tail = pattern.substr(i);
  if (i == plain.head.size() || std::any_of(plain.tail.begin(), plain.tail.end(), IsPlace) ||
      plain.head.size() + plain.tail.size() > kLiteralBytes ||
      plain.integerShown > kIntegerPlaces || plain.decimals > kMaxDecimals) {
    return std::nullopt;
  }
  return plain;
}

// "00", "01", ..., "99".
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The digits of n (none for 0), with leading zeros up to `places` digits, written backwards
// to end at end; returns where they begin.
char* WriteDigits(std::uint64_t n, int places, char* end) {
  char* at = end;
  while (n >= 10) {
    at -= 2;
    std::copy_n(&kDigitPairs[2 * (n % 100)], 2, at);
    n /= 100;
  }
  if (n > 0) {
    *--at = static_cast<char>('0' + n);
  }
  while (end - at < places) {
    *--at = '0';
  }
  return at;
}

}  // namespace

bool QuickPatternText(double value, std::string_view pattern, QuickText& text) {
  const std::optional<PlainPattern> plain = ReadPlainPattern(pattern);
  if (!plain) {
    return false;
  }
  const double scaled = std::fabs(value) * kPowersOfTen[plain->decimals];
  if (!(scaled < kScaledLimit)) {  // also NaN
    return false;
  }
  const auto whole = static_cast<std::int64_t>(scaled);
  const double fraction = scaled - static_cast<double>(whole);  // exact
  if (!(std::fabs(fraction - 0.5) > kHalfMargin * scaled)) {
    return false;
  }
  const std::int64_t rounded = whole + (fraction > 0.5 ? 1 : 0);

  text.chars.fill(' ');
  char* const end = text.chars.data() + QuickText::kCapacity;
  char* at = std::copy_backward(plain->tail.begin(), plain->tail.end(), end);
  const auto scale = static_cast<std::uint64_t>(kPowersOfTen[plain->decimals]);
  const auto magnitude = static_cast<std::uint64_t>(rounded);
  if (plain->point) {
    at = WriteDigits(magnitude % scale, plain->decimals, at);
    *--at = '.';
  }
  at = WriteDigits(magnitude / scale, plain->integerShown, at);
  text.begin = static_cast<std::size_t>(at - text.chars.data());
  const bool minus = rounded != 0 && value < 0;
  text.chars[text.begin - 1] = minus ? '-' : ' ';
  text.begin -= minus ? 1 : 0;
  text.begin -= plain->head.size();
  std::copy(plain->head.begin(), plain->head.end(), text.chars.data() + text.begin);
  return true;
}

}  // namespace calvora
