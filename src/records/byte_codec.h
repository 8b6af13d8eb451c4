#pragma once
// Little-endian field access on a record's bytes, by explicit offset.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "records/signed_array.h"

namespace calvora {

class ByteWriter {
 public:
  explicit ByteWriter(std::span<std::uint8_t> bytes) : bytes_(bytes) {}

  void Int16(std::size_t offset, std::int16_t value);
  void Float32(std::size_t offset, float value);
  // Windows-1252 text blank-padded to width; throws EncodingError when it does not fit.
  void String(std::size_t offset, std::size_t width, std::string_view utf8, std::string_view field);

 private:
  std::span<std::uint8_t> bytes_;
};

// Throws std::out_of_range for a field that does not lie inside the record.
[[noreturn]] void FieldOutsideRecord(std::size_t offset);

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // Inline: a record's decoding reads a few hundred of them.
  std::int16_t Int16(std::size_t offset) const {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(Unsigned(offset, 2)));
  }
  float Float32(std::size_t offset) const { return std::bit_cast<float>(Unsigned(offset, 4)); }
  // Blank-trimmed on both sides, converted to UTF-8.
  std::string String(std::size_t offset, std::size_t width) const;

 private:
  std::uint32_t Unsigned(std::size_t offset, std::size_t width) const {
    if (offset + width > bytes_.size()) {
      FieldOutsideRecord(offset);
    }
    std::uint32_t u = 0;
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(&u, bytes_.data() + offset, width);
    } else {
      for (std::size_t i = 0; i < width; ++i) {
        u |= static_cast<std::uint32_t>(bytes_[offset + i]) << (8 * i);
      }
    }
    return u;
  }

  std::span<const std::uint8_t> bytes_;
};

// A float table stored column by column: cell (k, c) at base + 4 * ((k - Lo) + c * rows).
template <int Lo, int Hi>
constexpr std::size_t TableCellOffset(std::size_t base, int k, int column) {
  return base + 4 * static_cast<std::size_t>((k - Lo) + column * (Hi - Lo + 1));
}

template <int Lo, int Hi>
void WriteTable(ByteWriter& w, std::size_t base, const SignedTable<float, Lo, Hi>& table) {
  for (int c = 0; c <= 1; ++c) {
    for (int k = Lo; k <= Hi; ++k) {
      w.Float32(TableCellOffset<Lo, Hi>(base, k, c), table(k, c));
    }
  }
}

template <int Lo, int Hi>
void ReadTable(const ByteReader& rd, std::size_t base, SignedTable<float, Lo, Hi>& table) {
  for (int c = 0; c <= 1; ++c) {
    for (int k = Lo; k <= Hi; ++k) {
      table(k, c) = rd.Float32(TableCellOffset<Lo, Hi>(base, k, c));
    }
  }
}

}  // namespace calvora
