#pragma once
// The program's number texts: rounding, report columns, reading typed numbers, and the text
// forms numbers take inside messages, files and labels. Everything that turns a number into
// text or back goes through here. No function depends on the process locale: the decimal
// separator is always ".".
//
// Values that are not finite never become "nan" or "inf": every text form shows "*" in place
// of the number (a report column is filled with "*"), so a failed computation stays visible
// and still reads back as no number. No text is ever "-0".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calvora {

// Rounds to digits decimals (negative: to tens, hundreds, ...); halves away from zero, decided
// on the value's 15-significant-digit decimal form (2.675 -> 2.68, -2.5 -> -3). The integer
// part is never cut. A result of zero is 0 (never -0). A value that is not finite is returned
// unchanged: rounding does not hide a failed computation.
double RoundTo(double value, int digits);

// The number formatted with a pattern of "#" (digit, leading zeros suppressed), "0" (digit
// always shown), "." (decimal point, the first one only) and literal characters (kept as they
// stand, e.g. "º", " "). From the first "0" before the point every integer place is shown;
// integer digits beyond the placeholders go to the first one (the integer part is never cut).
// Behind the point, "#" places drop trailing zeros, "0" places keep them; the point itself is
// always written (2 with "#.##" is "2."). A minus sign stands right before the first digit or
// the point, and only when a nonzero digit is shown. Same rounding as RoundTo.
std::string FormatNumber(double value, std::string_view pattern);

// FormatNumber right-aligned in exactly as many characters as the pattern has; a longer text
// loses its leftmost characters (the column never grows, so 123456 with "##0.00" is "456.00"
// and a minus sign may be cut). Width counts characters (UTF-8), not bytes.
std::string FormatField(double value, std::string_view pattern);

// A report column that never cuts a number: FormatField's text when the number fits the
// pattern's width; otherwise the whole FormatNumber text, wider than the pattern, and fits is
// false.
struct WholeField {
  std::string text;
  bool fits = true;
};
WholeField FormatWholeField(double value, std::string_view pattern);

// The leading-number rule for typed numbers: blanks (space, tab, line breaks) skipped anywhere,
// optional sign, digits, decimal point, optional exponent with E or D (either case); the
// longest such leading part, else 0. An exponent without digits is ignored ("1e" is 1). A
// number beyond the range of a double reads as 0, like text without a number.
double LeadingNumber(std::string_view text);

// The strict rule of the two template dialogs: the whole text, blanks at either end aside, is
// one decimal number (sign, digits with at most one point, optional exponent with E or e);
// nullopt for anything else, for an empty text and for a number beyond the range of a double.
std::optional<double> StrictNumber(std::string_view text);

// Nearest integer, halves to the even neighbour; nullopt outside -32768..32767 (or not finite).
std::optional<std::int16_t> ToInt16(double value);

// Shortest text of a single-precision value: up to 7 significant digits, no trailing zeros,
// no leading blank ("2.5", "-0.125", "100"). Exponent form from 10^7 up and below 10^-4
// ("1.234568E+07", "1E-05").
std::string SingleText(float value);

// Plain number text of a double: up to 15 significant digits, no trailing zeros, no leading
// blank, no leading zero before the point (".25", "-.5", "1020.5"). Exponent form from 10^15
// up and below 10^-4 ("1E+15", "1.5E-05").
std::string PlainNumber(double value);

// PlainNumber with a blank in front of a value that is not negative (" 5", "-5"): the form
// of a number joined into a message with a leading blank.
std::string SignedNumber(double value);

// The print statement's form: SignedNumber and one blank behind (" 1.5 ", "-.25 ").
std::string PrintNumber(double value);

// Items written one after another in print zones 14 characters wide: each item starts at the
// next zone boundary after the previous item, leaving at least one blank between the two, so
// items shorter than 14 characters start at columns 1, 15, 29, 43 and an item of 14 or more
// characters pushes the next one to a later zone. No blanks after the last item, no line end.
std::string PrintZoneLine(const std::vector<std::string>& items);

// Station label: the station rounded to digits decimals, then its whole kilometres (rounded
// down) "+" the metres left over, both as plain number text ("1+20.5", "0+20", "0+.25";
// 1999.9996 with 3 decimals is "2+0", never "1+1000").
std::string StationLabel(double station, int digits);

// Station text of the drawings: whole kilometres "+" the metres with three places and two
// decimals ("0+020.00", "12+003.50"), from the station rounded to the centimetre.
std::string StationText(double station);

}  // namespace calvora
