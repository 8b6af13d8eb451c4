#pragma once
// Typed numbers read with the leading-number rule into the record fields that hold them. What a
// field cannot hold is refused, never wrapped: the first refusal names its field.

#include <cstdint>
#include <string>

namespace calvora {

// The text without blanks at either end.
std::string Trimmed(const std::string& text);

class FieldReader {
 public:
  // A single-precision field; 0 and a refusal beyond its range.
  float Single(const std::string& text, const std::string& label);
  // A single-precision field whose whole text must be a number (StrictNumber); 0 and a
  // refusal otherwise.
  float Strict(const std::string& text, const std::string& label);
  // An int16 field from its text, rounded halves to even; 0 and a refusal outside -32768..32767.
  std::int16_t Whole(const std::string& text, const std::string& label);
  // The same for a value already read; shown is how the field shows it.
  std::int16_t Whole(double value, const std::string& label, const std::string& shown);

  bool Refused() const { return !refusal_.empty(); }
  // The message of the first field refused, "" when none was.
  const std::string& Refusal() const { return refusal_; }

 private:
  void Refuse(const std::string& message);

  std::string refusal_;
};

}  // namespace calvora
