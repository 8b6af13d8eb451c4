#include "records/byte_codec.h"

#include <bit>
#include <cstring>
#include <stdexcept>

#include "records/windows1252.h"

namespace calvora {

namespace {

void CheckRange(std::size_t offset, std::size_t width, std::size_t size) {
  if (offset + width > size) {
    FieldOutsideRecord(offset);
  }
}

}  // namespace

void FieldOutsideRecord(std::size_t offset) {
  throw std::out_of_range("field at offset " + std::to_string(offset) + " outside the record");
}

void ByteWriter::Int16(std::size_t offset, std::int16_t value) {
  CheckRange(offset, 2, bytes_.size());
  const auto u = static_cast<std::uint16_t>(value);
  bytes_[offset] = static_cast<std::uint8_t>(u & 0xFF);
  bytes_[offset + 1] = static_cast<std::uint8_t>(u >> 8);
}

void ByteWriter::Float32(std::size_t offset, float value) {
  CheckRange(offset, 4, bytes_.size());
  const auto u = std::bit_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) {
    bytes_[offset + i] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
  }
}

void ByteWriter::String(std::size_t offset, std::size_t width, std::string_view utf8,
                        std::string_view field) {
  CheckRange(offset, width, bytes_.size());
  const auto encoded = ToWindows1252(utf8);
  if (!encoded) {
    throw EncodingError(std::string(field) + ": \"" + std::string(utf8) +
                        "\" has characters that cannot be stored in the file.");
  }
  if (encoded->size() > width) {
    throw EncodingError(std::string(field) + ": \"" + std::string(utf8) + "\" is longer than " +
                        std::to_string(width) + " characters and cannot be stored.");
  }
  std::memset(bytes_.data() + offset, ' ', width);
  std::memcpy(bytes_.data() + offset, encoded->data(), encoded->size());
}

std::string ByteReader::String(std::size_t offset, std::size_t width) const {
  CheckRange(offset, width, bytes_.size());
  std::string_view raw(reinterpret_cast<const char*>(bytes_.data() + offset), width);
  const auto first = raw.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  const auto last = raw.find_last_not_of(' ');
  return FromWindows1252(raw.substr(first, last - first + 1));
}

}  // namespace calvora
