#pragma once
// The borrow-pit list (.DPO) the user prepares beside the quantity file: one pit or deposit a
// line, in the order they are used: kilometre, metre, capacity (m3), access length (m),
// separated by blanks or commas.

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

namespace calvora {

struct BorrowPit {
  double Kilo = 0;
  double Meter = 0;
  double Capacity = 0;
  double Access = 0;
  int Line = 0;  // line of the list that holds it

  double Station() const { return Kilo * 1000 + Meter; }
};

// A line of the list that is not a pit; what() names the line and what is wrong.
class BorrowPitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class BorrowPitList {
 public:
  // Throws FileError when the list cannot be opened.
  explicit BorrowPitList(const std::filesystem::path& path);

  // The next pit; nullopt after the last. Blank lines are passed over. Throws BorrowPitError.
  std::optional<BorrowPit> Next();

  // The last line read (0 before the first).
  int LineNumber() const { return lineNumber_; }

 private:
  std::filesystem::path path_;
  std::ifstream in_;
  int lineNumber_ = 0;
};

}  // namespace calvora
