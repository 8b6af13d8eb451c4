#pragma once
// Numbers and points as a LandXML file holds them: fixed decimals, points as "northing easting"
// (Y before X), and the reading of both back.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "alignment/plane_geometry.h"

namespace calvora {

inline constexpr const char* kLandXmlNamespace = "http://www.landxml.org/schema/LandXML-1.2";
inline constexpr int kLengthDecimals = 4;  // lengths, coordinates, elevations, areas
inline constexpr int kAngleDecimals = 10;  // radians

// A value to write that is no number; nothing is written then.
class NotANumberToWrite : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The value with that many decimals ("-0.0000" written as "0.0000"); throws NotANumberToWrite
// for NaN or infinity.
std::string LandXmlNumber(double value, int decimals = kLengthDecimals);
std::string LandXmlPoint(PlanePoint p);

// A whole text that is one finite number (blanks around it allowed); nullopt otherwise.
std::optional<double> ReadLandXmlNumber(std::string_view text);
// "northing easting" with an optional elevation after them.
std::optional<PlanePoint> ReadLandXmlPoint(std::string_view text);
// Two numbers such as "station elevation"; nullopt unless exactly two finite numbers.
std::optional<std::pair<double, double>> ReadLandXmlPair(std::string_view text);

}  // namespace calvora
