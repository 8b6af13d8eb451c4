#pragma once
// Reads back the entities of a binary DXF drawing as the program writes them (one-byte group
// codes), for tests.

#include <cstdint>
#include <cstring>
#include <map>
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
  const std::map<int, std::string DxfEntity::*> texts = {
      {1, &DxfEntity::text}, {6, &DxfEntity::lineType}, {8, &DxfEntity::layer}};
  const std::map<int, double DxfEntity::*> reals = {{10, &DxfEntity::x1},
                                                    {20, &DxfEntity::y1},
                                                    {11, &DxfEntity::x2},
                                                    {21, &DxfEntity::y2},
                                                    {40, &DxfEntity::height}};
  std::vector<DxfEntity> entities;
  while (at < bytes.size()) {
    const int code = static_cast<unsigned char>(bytes[at++]);
    if (code == 0) {
      const std::string type = text();
      if (type == "ENDSEC") {
        return entities;
      }
      entities.emplace_back().type = type;
    } else if (entities.empty()) {
      throw std::runtime_error("a group code before the first entity");
    } else if (texts.contains(code)) {
      entities.back().*texts.at(code) = text();
    } else if (reals.contains(code)) {
      entities.back().*reals.at(code) = real();
    } else if (code == 30 || code == 31 || code == 50) {
      real();
    } else if (code == 62) {
      entities.back().colour = static_cast<unsigned char>(bytes.at(at)) |
                               (static_cast<unsigned char>(bytes.at(at + 1)) << 8);
      at += 2;
    } else {
      throw std::runtime_error("unexpected group code " + std::to_string(code));
    }
  }
  throw std::runtime_error("no ENDSEC");
}

}  // namespace calvora::testing
