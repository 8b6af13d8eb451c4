#pragma once
// A finite double as the program's formatter sees it: its 15-significant-digit decimal form,
// rounded half away from zero at one decimal place. Shared by RoundTo and FormatNumber so that
// a rounded value and its report column always agree.

#include <array>
#include <optional>

namespace calvora {

class DecimalForm {
 public:
  // value must be finite; decimals may be negative (round to tens, hundreds, ...).
  DecimalForm(double value, int decimals);

  bool IsZero() const { return count_ == 0; }
  // True only when a nonzero digit is left: a value that rounds to zero has no sign.
  bool Negative() const { return negative_; }
  // Count of digits before the point, 0 when the rounded value is below 1.
  int IntegerDigitCount() const { return count_ == 0 || exponent_ < 0 ? 0 : exponent_ + 1; }
  // The digit ('0'..'9') standing for 10^place.
  char DigitAt(int place) const;
  // The rounded value as a double; nullopt when it lies beyond the double range.
  std::optional<double> Value() const;

 private:
  static constexpr int kSignificantDigits = 15;
  std::array<char, kSignificantDigits> digits_{};  // significant digits, no trailing zeros
  int count_ = 0;                                  // how many of digits_ are used
  int exponent_ = 0;                               // digits_[0] stands for 10^exponent_
  bool negative_ = false;
};

}  // namespace calvora
