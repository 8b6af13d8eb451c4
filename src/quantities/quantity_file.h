#pragma once
// The quantity file (.OUT): one line per section and one per interval between two sections,
// fields separated by blanks. The volume and transport reports are made from it alone.

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "quantities/interval_quantities.h"
#include "quantities/report_fields.h"
#include "quantities/section_slot.h"

namespace calvora {

// The four compaction layers the quantity file carries.
inline constexpr int kQuantityFileLayers = 4;

// A section line as read back.
struct QuantitySection {
  int Number = 0;
  double Kilo = 0;
  double Meter = 0;
  double CutArea = 0;
  double FillArea = 0;
  std::array<double, kQuantityFileLayers> LayerArea{};
  double TopsoilArea = 0;
};

// An interval line as read back.
struct QuantityInterval {
  double Distance = 0;
  double CutVolume = 0;
  double FillVolume = 0;
  std::array<double, kQuantityFileLayers> LayerVolume{};
  double TopsoilVolume = 0;
};

// The names the reports give the layer columns in their notes: "layer 1 area" ...
inline constexpr const char* kLayerAreaColumns[kQuantityFileLayers] = {
    "layer 1 area", "layer 2 area", "layer 3 area", "layer 4 area"};
inline constexpr const char* kLayerVolumeColumns[kQuantityFileLayers] = {
    "layer 1 volume", "layer 2 volume", "layer 3 volume", "layer 4 volume"};

// The lines as the volume run writes them; a number too wide for its field is written whole
// (see ReportFields), so that the line reads back as it was computed. place: the interval's
// two sections.
std::string QuantitySectionLine(const SectionSlot& section, ReportFields& fields);
std::string QuantityIntervalLine(const IntervalQuantities& interval, const FieldPlace& place,
                                 ReportFields& fields);

// Reads lines back, one after another as the quantity file holds them: section, interval,
// section, ... Throws FileError naming the line (of the quantity file at path) that does not
// hold the fields expected.
class QuantityLineParser {
 public:
  explicit QuantityLineParser(std::filesystem::path path) : path_(std::move(path)) {}

  QuantitySection Section(std::string_view line);
  QuantityInterval Interval(std::string_view line);

 private:
  // The line's numbers into numbers_.
  void Numbers(std::string_view line, std::size_t expected);

  std::filesystem::path path_;
  int lineNumber_ = 0;
  std::array<double, 10> numbers_{};
};

// Reads the lines of a quantity file back in turn.
class QuantityFileReader {
 public:
  explicit QuantityFileReader(const std::filesystem::path& path);

  // False at the end of the file.
  bool NextSection(QuantitySection& section);
  bool NextInterval(QuantityInterval& interval);
  // No line left.
  bool AtEnd();

 private:
  std::ifstream in_;
  std::string line_;
  QuantityLineParser parser_;
};

}  // namespace calvora
