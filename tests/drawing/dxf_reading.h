#pragma once
// Reads back the entities of a binary DXF drawing as the program writes them (one-byte group
// codes), for tests.

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace calvora::testing {

struct DxfEntity {
  std::string type;
  std::string layer;
  std::string lineType;
  std::string text;
  int colour = -1;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, height = 0;
};

// The entities after the opening of `openingSize` bytes, up to ENDSEC; throws on bytes that
// are not such a drawing.
inline std::vector<DxfEntity> ReadBinaryEntities(const std::string& bytes,
                                                 std::size_t openingSize) {
  std::size_t at = openingSize;
  if (at >= bytes.size() || bytes[at] != '\0') {
    throw std::runtime_error("entities do not complete the opening");
  }
  ++at;
  const auto text = [&]() {
    const std::size_t end = bytes.find('\0', at);
    if (end == std::string::npos) {
      throw std::runtime_error("unterminated text");
    }
    std::string value = bytes.substr(at, end - at);
    at = end + 1;
    return value;
  };
  const auto real = [&]() {
    if (at + 8 > bytes.size()) {
      throw std::runtime_error("short double");
    }
    double value = 0;
    std::memcpy(&value, bytes.data() + at, 8);
    at += 8;
    return value;
  };
  std::vector<DxfEntity> entities;
  while (at < bytes.size()) {
    const int code = static_cast<unsigned char>(bytes[at++]);
    switch (code) {
      case 0: {
        const std::string type = text();
        if (type == "ENDSEC") {
          return entities;
        }
        entities.push_back({});
        entities.back().type = type;
        break;
      }
      case 1:
        entities.back().text = text();
        break;
      case 6:
        entities.back().lineType = text();
        break;
      case 8:
        entities.back().layer = text();
        break;
      case 10:
        entities.back().x1 = real();
        break;
      case 20:
        entities.back().y1 = real();
        break;
      case 11:
        entities.back().x2 = real();
        break;
      case 21:
        entities.back().y2 = real();
        break;
      case 40:
        entities.back().height = real();
        break;
      case 30:
      case 31:
      case 50:
        real();
        break;
      case 62:
        entities.back().colour = static_cast<unsigned char>(bytes.at(at)) |
                                 (static_cast<unsigned char>(bytes.at(at + 1)) << 8);
        at += 2;
        break;
      default:
        throw std::runtime_error("unexpected group code " + std::to_string(code));
    }
  }
  throw std::runtime_error("no ENDSEC");
}

}  // namespace calvora::testing
