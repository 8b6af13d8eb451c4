#include "shell/field_reader.h"

#include <cmath>
#include <limits>

#include "numbers/number_text.h"

namespace calvora {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

float FieldReader::Single(const std::string& text, const std::string& label) {
  const double value = LeadingNumber(text);
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    Refuse(label + ": " + Trimmed(text) + " is too large to be stored.");
    return 0;
  }
  return static_cast<float>(value);
}

float FieldReader::Strict(const std::string& text, const std::string& label) {
  const std::optional<double> value = StrictNumber(text);
  if (!value) {
    Refuse(label + ": " + Trimmed(text) + " is not a number.");
    return 0;
  }
  if (std::fabs(*value) > std::numeric_limits<float>::max()) {
    Refuse(label + ": " + Trimmed(text) + " is too large to be stored.");
    return 0;
  }
  return static_cast<float>(*value);
}

std::int16_t FieldReader::Whole(const std::string& text, const std::string& label) {
  return Whole(LeadingNumber(text), label, Trimmed(text));
}

std::int16_t FieldReader::Whole(double value, const std::string& label, const std::string& shown) {
  const auto whole = ToInt16(value);
  if (!whole) {
    Refuse(label + ": " + shown + " cannot be stored; enter a whole number from -32768 to 32767.");
    return 0;
  }
  return *whole;
}

void FieldReader::Refuse(const std::string& message) {
  if (refusal_.empty()) {
    refusal_ = message;
  }
}

}  // namespace calvora
