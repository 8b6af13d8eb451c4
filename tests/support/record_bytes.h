#pragma once
// Reading little-endian fields straight from bytes, independent of the codecs under test.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace calvora::testing {

using Bytes = std::vector<std::uint8_t>;

std::int16_t Int16At(const Bytes& bytes, std::size_t offset);
float FloatAt(const Bytes& bytes, std::size_t offset);
std::string TextAt(const Bytes& bytes, std::size_t offset, std::size_t width);
// Bytes 0, 1, 2, ... wrapping at 251 (a prime), so no two nearby fields look alike.
Bytes CountingBytes(std::size_t length);

}  // namespace calvora::testing
