#pragma once
// A drawing read back by ezdxf (scripts/check-dxf), an independent reader, and by the tests' own
// reader of binary drawings, to compare the two.

#include <gtest/gtest.h>
#include <stdio.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "drawing/dxf_reading.h"

namespace calvora::testing {

struct Produced {
  int lines = 0;
  int texts = 0;
  double groundMinX = 1e300, groundMinY = 1e300, groundMaxX = -1e300, groundMaxY = -1e300;
};

// What the program's own reader finds in a binary drawing, to hold against the other reader.
inline Produced ProducedBy(const std::vector<DxfEntity>& entities) {
  Produced found;
  for (const DxfEntity& e : entities) {
    (e.type == "LINE" ? found.lines : found.texts) += 1;
    if (e.layer == "Ground") {
      found.groundMinX = std::min({found.groundMinX, e.x1, e.x2});
      found.groundMinY = std::min({found.groundMinY, e.y1, e.y2});
      found.groundMaxX = std::max({found.groundMaxX, e.x1, e.x2});
      found.groundMaxY = std::max({found.groundMaxY, e.y1, e.y2});
    }
  }
  return found;
}

// The JSON report of scripts/check-dxf; throws when the reader refuses the file.
inline nlohmann::json ReadWithEzdxf(const std::filesystem::path& file) {
  const std::string command =
      "/usr/bin/python3 " CALVORA_SOURCE_DIR "/scripts/check-dxf '" + file.string() + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    throw std::runtime_error("cannot run check-dxf");
  }
  std::string output;
  char buffer[4096];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) {
    output.append(buffer, n);
  }
  if (::pclose(pipe) != 0) {
    throw std::runtime_error("check-dxf refused " + file.string() + ": " + output);
  }
  return nlohmann::json::parse(output);
}

// Expects the reader to find the drawing's layers, the entities and the ground extents that the
// drawing produced.
inline void ExpectReadBackMatches(const nlohmann::json& read, const Produced& produced) {
  EXPECT_EQ(read["version"], "AC1009");
  for (const char* layer : {"0", "Project", "Compact", "Ground", "Deco"}) {
    EXPECT_NE(std::find(read["layers"].begin(), read["layers"].end(), layer), read["layers"].end())
        << layer;
  }
  EXPECT_EQ(read["counts"]["LINE"], produced.lines);
  EXPECT_EQ(read["counts"]["TEXT"], produced.texts);
  const auto& ground = read["extents"]["Ground"];
  ASSERT_EQ(ground.size(), 4u);
  EXPECT_NEAR(ground[0].get<double>(), produced.groundMinX, 1e-9);
  EXPECT_NEAR(ground[1].get<double>(), produced.groundMinY, 1e-9);
  EXPECT_NEAR(ground[2].get<double>(), produced.groundMaxX, 1e-9);
  EXPECT_NEAR(ground[3].get<double>(), produced.groundMaxY, 1e-9);
}

}  // namespace calvora::testing
