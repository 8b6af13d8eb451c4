#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "numbers/number_text.h"

namespace calvora {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Walks a text character by character, stepping over blanks wherever they stand.
class BlankSkippingReader {
 public:
  explicit BlankSkippingReader(std::string_view text) : text_(text) { SkipBlanks(); }

  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  void Advance() {
    ++at_;
    SkipBlanks();
  }
  std::size_t Position() const { return at_; }
  void Rewind(std::size_t position) { at_ = position; }

 private:
  void SkipBlanks() {
    while (at_ < text_.size() && IsBlank(text_[at_])) {
      ++at_;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// Appends the digits at the reader's position; returns how many.
int TakeDigits(BlankSkippingReader& reader, std::string& number) {
  int count = 0;
  while (IsDigit(reader.Peek())) {
    number += reader.Peek();
    reader.Advance();
    ++count;
  }
  return count;
}

void TakeSign(BlankSkippingReader& reader, std::string& number) {
  if (reader.Peek() == '+' || reader.Peek() == '-') {
    if (reader.Peek() == '-') {
      number += '-';
    }
    reader.Advance();
  }
}

// Appends "e", sign and digits when an exponent with at least one digit follows.
void TakeExponent(BlankSkippingReader& reader, std::string& number) {
  const char marker = reader.Peek();
  if (marker != 'E' && marker != 'e' && marker != 'D' && marker != 'd') {
    return;
  }
  const std::size_t markerPosition = reader.Position();
  const std::size_t mantissaLength = number.size();
  number += 'e';
  reader.Advance();
  TakeSign(reader, number);
  if (TakeDigits(reader, number) == 0) {
    number.resize(mantissaLength);
    reader.Rewind(markerPosition);
  }
}

}  // namespace

double LeadingNumber(std::string_view text) {
  BlankSkippingReader reader(text);
  std::string number;
  TakeSign(reader, number);
  int mantissaDigits = TakeDigits(reader, number);
  if (reader.Peek() == '.') {
    number += '.';
    reader.Advance();
    mantissaDigits += TakeDigits(reader, number);
  }
  if (mantissaDigits == 0) {
    return 0;
  }
  TakeExponent(reader, number);

  double value = 0;
  const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
  if (parsed.ec != std::errc{} || !std::isfinite(value) || value == 0) {
    return 0;  // beyond the double range, or zero (never -0)
  }
  return value;
}

std::optional<std::int16_t> ToInt16(double value) {
  if (!std::isfinite(value)) {
    return std::nullopt;
  }
  const double below = std::floor(value);
  const double fraction = value - below;
  double nearest = fraction < 0.5 ? below : below + 1;
  if (fraction == 0.5 && std::fmod(below, 2) == 0) {
    nearest = below;
  }
  if (nearest < -32768 || nearest > 32767) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(nearest);
}

}  // namespace calvora
