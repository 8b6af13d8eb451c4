#include "numbers/decimal_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace calvora {

namespace {

// Far beyond any double's decimal exponent: keeps exponent arithmetic free of overflow.
constexpr int kDecimalsLimit = 1000;

}  // namespace

DecimalForm::DecimalForm(double value, int decimals) {
  if (value == 0) {
    return;
  }
  decimals = std::clamp(decimals, -kDecimalsLimit, kDecimalsLimit);

  // "d.dddddddddddddde+XX": the 15 significant digits and the exponent of the first.
  char text[32];
  const auto printed = std::to_chars(std::begin(text), std::end(text), std::fabs(value),
                                     std::chars_format::scientific, kSignificantDigits - 1);
  digits_[0] = text[0];
  std::copy(text + 2, text + 1 + kSignificantDigits, digits_.begin() + 1);
  const char* exponentText = text + 2 + kSignificantDigits;  // after the 'e'
  if (*exponentText == '+') {
    ++exponentText;
  }
  std::from_chars(exponentText, printed.ptr, exponent_);

  const int kept = exponent_ + decimals + 1;  // digits at or above 10^-decimals
  if (kept < 0) {
    return;
  }
  count_ = std::min(kept, kSignificantDigits);
  if (kept < kSignificantDigits && digits_[kept] >= '5') {
    int i = count_ - 1;
    while (i >= 0 && digits_[i] == '9') {
      --i;
    }
    if (i >= 0) {
      ++digits_[i];
      count_ = i + 1;
    } else {  // all nines (or nothing kept): one unit of the next higher place
      digits_[0] = '1';
      count_ = 1;
      ++exponent_;
    }
  }
  while (count_ > 0 && digits_[count_ - 1] == '0') {
    --count_;
  }
  negative_ = count_ > 0 && value < 0;
}

char DecimalForm::DigitAt(int place) const {
  const int index = exponent_ - place;
  return index >= 0 && index < count_ ? digits_[index] : '0';
}

std::optional<double> DecimalForm::Value() const {
  if (count_ == 0) {
    return 0.0;
  }
  char text[40];
  char* end = text;
  if (negative_) {
    *end++ = '-';
  }
  end = std::copy(digits_.begin(), digits_.begin() + count_, end);
  *end++ = 'e';
  end = std::to_chars(end, std::end(text), exponent_ - count_ + 1).ptr;
  double result = 0;
  const auto parsed = std::from_chars(text, end, result);
  if (parsed.ec != std::errc{}) {
    return std::nullopt;
  }
  return result;
}

}  // namespace calvora
