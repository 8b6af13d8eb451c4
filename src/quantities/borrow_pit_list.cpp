#include "quantities/borrow_pit_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "project/file_names.h"
#include "records/file_error.h"

namespace calvora {

namespace {

// Beyond this no station, capacity or access way makes sense, and hauls stay finite.
constexpr double kLargestValue = 1e9;

bool IsSeparator(char c) {
  return c == ' ' || c == ',' || c == '\t' || c == '\r';
}

}  // namespace

BorrowPitList::BorrowPitList(const std::filesystem::path& path)
    : path_(path), in_(path, std::ios::binary) {
  if (!in_) {
    throw FileError(path, "Cannot open the borrow-pit list");
  }
}

std::optional<BorrowPit> BorrowPitList::Next() {
  std::string line;
  while (std::getline(in_, line)) {
    ++lineNumber_;
    std::array<double, 4> values{};
    std::size_t count = 0;
    bool numbers = true;
    const char* p = line.data();
    const char* end = p + line.size();
    while (numbers) {
      while (p < end && IsSeparator(*p)) {
        ++p;
      }
      if (p == end) {
        break;
      }
      const char* tokenEnd = p;
      while (tokenEnd < end && !IsSeparator(*tokenEnd)) {
        ++tokenEnd;
      }
      double value = 0;
      const auto [stop, error] = std::from_chars(p, tokenEnd, value);
      numbers = error == std::errc() && stop == tokenEnd && std::isfinite(value) && count < 4;
      if (numbers) {
        values[count++] = value;
      }
      p = tokenEnd;
    }
    if (numbers && count == 0) {
      continue;  // a blank line
    }
    const std::string where = "Line " + std::to_string(lineNumber_) + " of the borrow-pit list " +
                              FileNameOf(path_.string());
    if (!numbers || count != 4) {
      throw BorrowPitError(
          where + " does not hold four numbers (kilometre, metre, capacity, access length).");
    }
    const bool outOfRange = std::any_of(values.begin(), values.end(),
                                        [](double v) { return std::abs(v) > kLargestValue; });
    if (values[2] < 0 || values[3] < 0 || outOfRange) {
      throw BorrowPitError(where +
                           " gives a negative capacity or access length, or a number beyond "
                           "1000000000.");
    }
    return BorrowPit{values[0], values[1], values[2], values[3], lineNumber_};
  }
  return std::nullopt;
}

}  // namespace calvora
