#pragma once
// Record 1 of the project file (.PRJ): working-file names and every project setting.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace calvora {

struct ProjectFont {
  std::string Name;
  std::int16_t Size = 0;
  std::int16_t Bold = 0;    // -1 true, 0 false
  std::int16_t Italic = 0;  // -1 true, 0 false
  bool operator==(const ProjectFont&) const = default;
};

struct ProjectRecord {
  static constexpr std::size_t kLength = 728;
  static constexpr std::size_t kPathWidth = 100;
  static constexpr std::size_t kFontNameWidth = 30;
  static constexpr int kLayerCount = 5;

  std::string DataFile;
  std::string VariantFile;
  std::string AlignFile;
  std::string TitleLeft;
  std::string TitleCenter;
  std::string TitleRight;
  std::int16_t SectionsPerSheet = 0;
  std::int16_t DrawBorder = 0;  // -1 true, 0 false
  std::int16_t DrawDatum = 0;   // -1 true, 0 false
  ProjectFont Font;
  std::array<float, kLayerCount> Compaction{};  // percent, layer i + 1
  std::array<float, kLayerCount> Thickness{};   // metres; a 0 ends the list of layers
  std::int16_t CalcMethod = 0;                  // 0 "Median Method", 1 "Precise Method"
  std::int16_t DecaMethod = 0;  // 0 "Decapaje only in fill", 1 "Fixed Width Decapaje"
  float DecaThick = 0;
  std::int16_t NumLines = 0;
  std::array<float, 4> Margin{};  // top, bottom, left, right
  std::array<float, 5> Pen{};     // border, ground, project, decapaje, layers

  bool operator==(const ProjectRecord&) const = default;
};

// Throws EncodingError when a text does not fit its field or the code page.
void EncodeRecord(const ProjectRecord& record, std::span<std::uint8_t> bytes);
void DecodeRecord(std::span<const std::uint8_t> bytes, ProjectRecord& record);

// Sets the fields that "New" sets and leaves the others as they are.
void InitialiseNewProject(ProjectRecord& record);

}  // namespace calvora
