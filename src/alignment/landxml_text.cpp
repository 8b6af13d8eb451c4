#include "alignment/landxml_text.h"

#include <fmt/format.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace calvora {

namespace {

// The blank-separated numbers of a text; nullopt when one of them is no finite number.
std::optional<std::vector<double>> Numbers(std::string_view text) {
  std::vector<double> numbers;
  std::size_t at = 0;
  while (true) {
    at = text.find_first_not_of(" \t\r\n", at);
    if (at == std::string_view::npos) {
      return numbers;
    }
    const std::size_t end = std::min(text.find_first_of(" \t\r\n", at), text.size());
    const std::optional<double> number = ReadLandXmlNumber(text.substr(at, end - at));
    if (!number) {
      return std::nullopt;
    }
    numbers.push_back(*number);
    at = end;
  }
}

}  // namespace

std::string LandXmlNumber(double value, int decimals) {
  if (!std::isfinite(value)) {
    throw NotANumberToWrite("a value that is no number");
  }
  std::string text = fmt::format("{:.{}f}", value, decimals);
  if (text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, text.front() == '-' ? 1 : 0);
  }
  return text;
}

std::string LandXmlPoint(PlanePoint p) {
  return LandXmlNumber(p.y) + " " + LandXmlNumber(p.x);
}

std::optional<double> ReadLandXmlNumber(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  const std::string word(text.substr(first, last - first + 1));
  char* end = nullptr;
  const double value = std::strtod(word.c_str(), &end);
  if (end != word.c_str() + word.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<PlanePoint> ReadLandXmlPoint(std::string_view text) {
  const auto numbers = Numbers(text);
  if (!numbers || numbers->size() < 2 || numbers->size() > 3) {
    return std::nullopt;
  }
  return PlanePoint{(*numbers)[1], (*numbers)[0]};
}

std::optional<std::pair<double, double>> ReadLandXmlPair(std::string_view text) {
  const auto numbers = Numbers(text);
  if (!numbers || numbers->size() != 2) {
    return std::nullopt;
  }
  return std::pair{(*numbers)[0], (*numbers)[1]};
}

}  // namespace calvora
