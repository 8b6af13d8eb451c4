#include "support/record_bytes.h"

#include <bit>

namespace calvora::testing {

std::int16_t Int16At(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::int16_t>(
      static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8)));
}

float FloatAt(const Bytes& bytes, std::size_t offset) {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    u |= static_cast<std::uint32_t>(bytes.at(offset + i)) << (8 * i);
  }
  return std::bit_cast<float>(u);
}

std::string TextAt(const Bytes& bytes, std::size_t offset, std::size_t width) {
  return std::string(reinterpret_cast<const char*>(bytes.data() + offset), width);
}

Bytes CountingBytes(std::size_t length) {
  Bytes bytes(length);
  for (std::size_t i = 0; i < length; ++i) {
    bytes[i] = static_cast<std::uint8_t>(i % 251);
  }
  return bytes;
}

}  // namespace calvora::testing
