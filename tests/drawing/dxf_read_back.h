#pragma once
// A drawing read back by ezdxf (scripts/check-dxf), an independent reader, and what the sheet
// drawing itself produced for the same sheets, to compare the two.

#include <gtest/gtest.h>
#include <stdio.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "drawing/cross_sheet.h"
#include "drawing/dxf_cross.h"
#include "drawing/recording_device.h"

namespace calvora::testing {

struct Produced {
  int lines = 0;
  int texts = 0;
  double groundMinX = 1e300, groundMinY = 1e300, groundMaxX = -1e300, groundMaxY = -1e300;
};

// Draws the sheets 1..sheetCount on a recording device, placed as the DXF export places them.
inline Produced DrawSheetsAsTheExportDoes(CrossSheet& sheets, int sheetCount) {
  RecordingDevice device;
  sheets.Graphic.SetObject(device);
  sheets.Graphic.SetFontSize(static_cast<float>(sheets.State().Project.Font.Size / 10.0));
  for (int sheet = 1; sheet <= sheetCount; ++sheet) {
    sheets.DrawOnObject(sheet);
    sheets.XOffset += kDxfSheetSpacing * sheets.Sheet.Width;
  }
  sheets.XOffset = 0;
  sheets.Graphic.ClearObject();
  Produced produced;
  produced.lines = static_cast<int>(device.lines.size());
  produced.texts = static_cast<int>(device.texts.size());
  for (const auto& line : device.LinesOn("Ground", 2)) {
    produced.groundMinX = std::min({produced.groundMinX, line.x1, line.x2});
    produced.groundMinY = std::min({produced.groundMinY, line.y1, line.y2});
    produced.groundMaxX = std::max({produced.groundMaxX, line.x1, line.x2});
    produced.groundMaxY = std::max({produced.groundMaxY, line.y1, line.y2});
  }
  return produced;
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
