#include "alignment/table_lookup.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <optional>
#include <vector>

namespace calvora {

namespace {

// Enough for eight rows of any sensible spelling; a larger file is not read further.
constexpr std::size_t kMaxTableBytes = 64 * 1024;

// The fields of the file, separated by commas or line breaks; blank fields are skipped.
std::vector<std::string> TableFields(std::ifstream& in) {
  std::string text(kMaxTableBytes, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  std::vector<std::string> fields;
  std::string field;
  auto flush = [&] {
    const auto first = field.find_first_not_of(" \t");
    if (first != std::string::npos) {
      fields.push_back(field.substr(first, field.find_last_not_of(" \t") - first + 1));
    }
    field.clear();
  };
  for (char c : text) {
    if (c == ',' || c == '\n' || c == '\r') {
      flush();
    } else {
      field += c;
    }
  }
  flush();
  return fields;
}

std::optional<double> FiniteNumber(const std::string& field) {
  double value = 0;
  const char* end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(field.data(), end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

double TableLookup(const std::filesystem::path& programDir, const std::string& fileName, double key,
                   UserDialogs& dialogs) {
  std::ifstream in(programDir / fileName, std::ios::binary);
  if (!in) {
    dialogs.Message("File not found : " + fileName);
    return 0;
  }
  const std::vector<std::string> fields = TableFields(in);
  double previousKey = 0;
  double previousValue = 0;
  for (int row = 0; row < kTableRows; ++row) {
    const auto at = static_cast<std::size_t>(2 * row);
    if (at + 1 >= fields.size()) {
      dialogs.Message("The design table " + fileName + " ends after " + std::to_string(row) +
                      " rows; it needs " + std::to_string(kTableRows) +
                      " rows of design speed and value.");
      return previousValue;
    }
    const auto rowKey = FiniteNumber(fields[at]);
    const auto rowValue = FiniteNumber(fields[at + 1]);
    if (!rowKey || !rowValue) {
      dialogs.Message("The design table " + fileName + " holds text that is no number in row " +
                      std::to_string(row + 1) + ".");
      return previousValue;
    }
    if (*rowKey >= key) {
      if (*rowKey == key || *rowKey == previousKey) {
        return *rowValue;
      }
      return *rowValue - (*rowKey - key) * (*rowValue - previousValue) / (*rowKey - previousKey);
    }
    previousKey = *rowKey;
    previousValue = *rowValue;
  }
  return previousValue;
}

}  // namespace calvora
