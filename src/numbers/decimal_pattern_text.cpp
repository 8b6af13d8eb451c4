#include <algorithm>

#include "numbers/decimal_form.h"
#include "numbers/pattern_text.h"

namespace calvora {

namespace {

bool IsDigitPlace(char c) {
  return c == '#' || c == '0';
}

// Writes the digits and the sign of one number into the pattern's places.
class PatternWriter {
 public:
  PatternWriter(const DecimalForm& number, std::string& out)
      : number_(number), out_(out), signPending_(number.Negative()) {}

  void Digit(int place) {
    Sign();
    out_ += number_.DigitAt(place);
  }
  void Point() {
    Sign();
    out_ += '.';
  }
  void Literal(char c) { out_ += c; }

 private:
  void Sign() {
    if (signPending_) {
      out_ += '-';
      signPending_ = false;
    }
  }

  const DecimalForm& number_;
  std::string& out_;
  bool signPending_;
};

void WriteIntegerPart(std::string_view pattern, const DecimalForm& number, PatternWriter& writer) {
  const int places = static_cast<int>(std::count_if(pattern.begin(), pattern.end(), IsDigitPlace));
  const auto firstZero = pattern.find('0');
  const int alwaysShown =
      firstZero == std::string_view::npos
          ? 0
          : static_cast<int>(std::count_if(pattern.begin() + static_cast<std::ptrdiff_t>(firstZero),
                                           pattern.end(), IsDigitPlace));
  const int shown = std::max(number.IntegerDigitCount(), alwaysShown);

  int place = places - 1;  // power of ten of the current digit place
  for (const char c : pattern) {
    if (!IsDigitPlace(c)) {
      writer.Literal(c);
      continue;
    }
    if (place == places - 1) {  // the first place also takes the digits beyond the places
      for (int extra = shown - 1; extra > place; --extra) {
        writer.Digit(extra);
      }
    }
    if (place < shown) {
      writer.Digit(place);
    }
    --place;
  }
  if (places == 0) {  // no digit place before the point: the integer digits stand right there
    for (int p = shown - 1; p >= 0; --p) {
      writer.Digit(p);
    }
  }
}

void WriteFractionPart(std::string_view pattern, int decimals, const DecimalForm& number,
                       PatternWriter& writer) {
  // Places up to the last "0" always show; "#" places only up to the last nonzero digit.
  int lastShown = 0;
  int place = 0;
  for (const char c : pattern) {
    if (IsDigitPlace(c)) {
      ++place;
      if (c == '0') {
        lastShown = place;
      }
    }
  }
  for (int p = decimals; p > lastShown; --p) {
    if (number.DigitAt(-p) != '0') {
      lastShown = p;
      break;
    }
  }

  place = 0;
  for (const char c : pattern) {
    if (!IsDigitPlace(c)) {
      writer.Literal(c);
      continue;
    }
    ++place;
    if (place <= lastShown) {
      writer.Digit(-place);
    }
  }
}

}  // namespace

std::string DecimalPatternText(double value, std::string_view pattern) {
  const auto point = pattern.find('.');
  const std::string_view integerPattern = pattern.substr(0, point);
  const std::string_view fractionPattern =
      point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
  const int decimals =
      static_cast<int>(std::count_if(fractionPattern.begin(), fractionPattern.end(), IsDigitPlace));

  const DecimalForm number(value, decimals);
  std::string out;
  out.reserve(pattern.size() + static_cast<std::size_t>(number.IntegerDigitCount()) + 1);
  PatternWriter writer(number, out);
  WriteIntegerPart(integerPattern, number, writer);
  if (point != std::string_view::npos) {
    writer.Point();
    WriteFractionPart(fractionPattern, decimals, number, writer);
  }
  return out;
}

}  // namespace calvora
