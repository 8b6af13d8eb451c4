#pragma once
// The program's number texts: rounding, report columns, reading typed numbers, and the text
// forms numbers take inside messages, files and labels. Everything that turns a number into
// text or back goes through here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calvora {

// Rounds to digits decimals (negative: to tens, hundreds, ...); halves away from zero, decided
// on the value's 15-significant-digit decimal form. A result of zero is 0 (never -0).
double RoundTo(double value, int digits);

// The number formatted with a pattern of "#" (digit, leading zeros suppressed), "0" (digit
// always shown), "." (decimal point) and literal characters (kept as they stand, e.g. "º", " ").
// The integer part is never cut. Same rounding as RoundTo.
std::string FormatNumber(double value, std::string_view pattern);

// FormatNumber right-aligned in exactly as many characters as the pattern has; a longer text
// loses its leftmost characters (the column never grows). Width counts characters, not bytes.
std::string FormatField(double value, std::string_view pattern);

// The leading-number rule for typed numbers: blanks skipped anywhere, optional sign, digits,
// decimal point, optional exponent with E or D; the longest such leading part, else 0.
double LeadingNumber(std::string_view text);

// Nearest integer, halves to the even neighbour; nullopt outside -32768..32767 (or not finite).
std::optional<std::int16_t> ToInt16(double value);

// Shortest text of a single-precision value: up to 7 significant digits, no trailing zeros,
// no leading blank ("2.5", "-0.125", "100").
std::string SingleText(float value);

// Plain number text of a double: up to 15 significant digits, no trailing zeros, no leading
// blank, no leading zero before the point (".25", "-.5", "1020.5").
std::string PlainNumber(double value);

// The print statement's form: a blank (or "-") in front of PlainNumber's digits and one blank
// behind (" 1.5 ", "-.25 ").
std::string PrintNumber(double value);

// Items written one after another in print zones 14 characters wide: each item starts at the
// next zone boundary after the previous item's end.
std::string PrintZoneLine(const std::vector<std::string>& items);

// Station label: whole kilometres (rounded down), "+", and the metres left over rounded to
// digits decimals, both as plain number text ("1+20.5", "0+20", "0+.25").
std::string StationLabel(double station, int digits);

}  // namespace calvora
