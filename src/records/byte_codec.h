#pragma once
// Little-endian field access on a record's bytes, by explicit offset.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

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

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::int16_t Int16(std::size_t offset) const;
  float Float32(std::size_t offset) const;
  // Blank-trimmed on both sides, converted to UTF-8.
  std::string String(std::size_t offset, std::size_t width) const;

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace calvora
