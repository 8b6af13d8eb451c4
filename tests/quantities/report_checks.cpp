#include "quantities/report_checks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

#include "records/windows1252.h"
#include "support/temp_folder.h"

namespace calvora::testing {

namespace {

const std::filesystem::path kGoldenFolder =
    std::filesystem::path(CALVORA_SOURCE_DIR) / "tests" / "quantities" / "golden";

bool IsJoint(char c) {
  const std::string_view joints = "\xC9\xCB\xBB";  // É Ë »
  return joints.find(c) != std::string_view::npos;
}

bool IsVertical(char c) {
  // º Ç ¶ × Ì Î ¹ É Ë »
  const std::string_view verticals = "\xBA\xC7\xB6\xD7\xCC\xCE\xB9\xC9\xCB\xBB";
  return verticals.find(c) != std::string_view::npos;
}

}  // namespace

std::vector<std::string> ReportLines(const std::filesystem::path& path) {
  const std::string text = ReadText(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "a line without CR LF at the end of " << path;
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void ExpectGolden(const std::filesystem::path& path, const std::string& name) {
  const std::filesystem::path golden = kGoldenFolder / name;
  const char* update = std::getenv("CALVORA_UPDATE_GOLDEN");
  if (update != nullptr && std::string_view(update) == "1") {
    WriteBytes(golden, ReadBytes(path));
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
  const std::string expected = ReadText(golden);
  const std::string actual = ReadText(path);
  EXPECT_EQ(Utf8(expected), Utf8(actual)) << "differs from " << golden;
  EXPECT_EQ(expected, actual);
}

void ExpectColumnsAligned(const std::vector<std::string>& lines) {
  std::string border;
  for (const std::string& line : lines) {
    if (!line.empty() && line[0] == '\xC9') {  // É: a top border
      border = line;
      continue;
    }
    if (border.empty()) {
      continue;
    }
    if (line.find("Total until this page") != std::string::npos) {
      border.clear();
      continue;
    }
    EXPECT_EQ(line.size(), border.size()) << Utf8(line);
    for (std::size_t i = 0; i < border.size() && i < line.size(); ++i) {
      if (IsJoint(border[i])) {
        EXPECT_TRUE(IsVertical(line[i])) << "column " << i << " of " << Utf8(line);
      }
    }
  }
}

std::string Utf8(const std::string& bytes) {
  return FromWindows1252(bytes);
}

}  // namespace calvora::testing
