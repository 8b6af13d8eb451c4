#pragma once
// Arrays indexed the way the record layouts are: from a negative lower bound (-10..10, -1..1).

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace calvora {

// Out of line, so that the checked index stays cheap where it is used.
[[noreturn, gnu::cold, gnu::noinline]] inline void IndexOutside(int i, int lo, int hi) {
  throw std::out_of_range("index " + std::to_string(i) + " outside " + std::to_string(lo) + ".." +
                          std::to_string(hi));
}

template <typename T, int Lo, int Hi>
class SignedArray {
 public:
  static_assert(Lo <= Hi);
  static constexpr int kLow = Lo;
  static constexpr int kHigh = Hi;
  static constexpr std::size_t kSize = static_cast<std::size_t>(Hi - Lo + 1);

  static constexpr bool InRange(int i) { return i >= Lo && i <= Hi; }

  T& operator[](int i) { return values_[Slot(i)]; }
  const T& operator[](int i) const { return values_[Slot(i)]; }

  bool operator==(const SignedArray&) const = default;

 private:
  static std::size_t Slot(int i) {
    if (!InRange(i)) {
      IndexOutside(i, Lo, Hi);
    }
    return static_cast<std::size_t>(i - Lo);
  }
  std::array<T, kSize> values_{};
};

// Two-column table (index Lo..Hi, column 0..1), stored column by column in the files.
template <typename T, int Lo, int Hi>
class SignedTable {
 public:
  static constexpr int kLow = Lo;
  static constexpr int kHigh = Hi;
  static constexpr std::size_t kRows = static_cast<std::size_t>(Hi - Lo + 1);

  static constexpr bool InRange(int i) { return i >= Lo && i <= Hi; }

  T& operator()(int i, int column) { return Column(column)[i]; }
  const T& operator()(int i, int column) const { return Column(column)[i]; }

  SignedArray<T, Lo, Hi>& Column(int column) { return columns_[ColumnSlot(column)]; }
  const SignedArray<T, Lo, Hi>& Column(int column) const { return columns_[ColumnSlot(column)]; }

  bool operator==(const SignedTable&) const = default;

 private:
  static std::size_t ColumnSlot(int column) {
    if (column != 0 && column != 1) {
      IndexOutside(column, 0, 1);
    }
    return static_cast<std::size_t>(column);
  }
  std::array<SignedArray<T, Lo, Hi>, 2> columns_{};
};

}  // namespace calvora
