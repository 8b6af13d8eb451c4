#include "quantities/quantity_file.h"

#include <charconv>
#include <cmath>

#include "quantities/report_text.h"
#include "records/file_error.h"

namespace calvora {

std::string QuantitySectionLine(const SectionSlot& section, ReportFields& fields) {
  const SectionAreas& a = section.Areas;
  const FieldPlace place = FieldPlace::Section(section.Number);
  std::string line = NewRow("");
  fields.Add(line, section.Number, "###0", "section number", place);
  line += "   ";
  fields.Add(line, section.Kilo, "####0", "kilometre", place);
  line += "+ ";
  fields.Add(line, section.Meter, "##0.00", "metre", place);
  line += "   ";
  fields.Add(line, a.CutArea, "###0.00", "cut area", place);
  line += "   ";
  fields.Add(line, a.FillArea, "###0.00", "fill area", place);
  line += "   ";
  for (int j = 0; j < kQuantityFileLayers; ++j) {
    fields.Add(line, a.LayerArea[j], "###0.00", kLayerAreaColumns[j], place);
    line += "   ";
  }
  fields.Add(line, a.TopsoilArea, "##0.00", "topsoil area", place);
  return line;
}

std::string QuantityIntervalLine(const IntervalQuantities& interval, const FieldPlace& place,
                                 ReportFields& fields) {
  std::string line = NewRow("");
  line.append(20, ' ');
  fields.Add(line, interval.Distance, "##0.00", "distance", place);
  line += "     ";
  fields.Add(line, interval.CutVolume, "####0.00", "cut volume", place);
  line += "     ";
  fields.Add(line, interval.FillVolume, "####0.00", "fill volume", place);
  line += "     ";
  for (int j = 0; j < kQuantityFileLayers; ++j) {
    fields.Add(line, interval.LayerVolume[j], "####0.00", kLayerVolumeColumns[j], place);
    line += "     ";
  }
  fields.Add(line, interval.TopsoilVolume, "###0.00", "topsoil volume", place);
  return line;
}

void QuantityLineParser::Numbers(std::string_view line, std::size_t expected) {
  ++lineNumber_;
  // Fields are separated by blanks; a number may be followed by the "+" of the kilometre.
  std::size_t count = 0;
  const char* p = line.data();
  const char* end = p + line.size();
  while (true) {
    while (p < end && (*p == ' ' || *p == '\r')) {
      ++p;
    }
    if (p == end) {
      break;
    }
    double value = 0;
    const auto [next, error] = std::from_chars(p, end, value);
    if (error != std::errc() || count == expected || !std::isfinite(value)) {
      count = expected + 1;
      break;
    }
    numbers_[count++] = value;
    p = next;
    if (p < end && *p == '+') {
      ++p;
    }
  }
  if (count != expected) {
    throw FileError(path_, "Line " + std::to_string(lineNumber_) +
                               " of the quantity file does not hold " + std::to_string(expected) +
                               " numbers");
  }
}

QuantitySection QuantityLineParser::Section(std::string_view line) {
  Numbers(line, 6 + kQuantityFileLayers);
  QuantitySection section;
  section.Number = static_cast<int>(numbers_[0]);
  section.Kilo = numbers_[1];
  section.Meter = numbers_[2];
  section.CutArea = numbers_[3];
  section.FillArea = numbers_[4];
  for (int j = 0; j < kQuantityFileLayers; ++j) {
    section.LayerArea[j] = numbers_[5 + j];
  }
  section.TopsoilArea = numbers_[5 + kQuantityFileLayers];
  return section;
}

QuantityInterval QuantityLineParser::Interval(std::string_view line) {
  Numbers(line, 4 + kQuantityFileLayers);
  QuantityInterval interval;
  interval.Distance = numbers_[0];
  interval.CutVolume = numbers_[1];
  interval.FillVolume = numbers_[2];
  for (int j = 0; j < kQuantityFileLayers; ++j) {
    interval.LayerVolume[j] = numbers_[3 + j];
  }
  interval.TopsoilVolume = numbers_[3 + kQuantityFileLayers];
  return interval;
}

QuantityFileReader::QuantityFileReader(const std::filesystem::path& path)
    : in_(path, std::ios::binary), parser_(path) {
  if (!in_) {
    throw FileError(path, "Cannot open the quantity file");
  }
}

bool QuantityFileReader::AtEnd() {
  return in_.peek() == std::ifstream::traits_type::eof();
}

bool QuantityFileReader::NextSection(QuantitySection& section) {
  if (!std::getline(in_, line_)) {
    return false;
  }
  section = parser_.Section(line_);
  return true;
}

bool QuantityFileReader::NextInterval(QuantityInterval& interval) {
  if (!std::getline(in_, line_)) {
    return false;
  }
  interval = parser_.Interval(line_);
  return true;
}

}  // namespace calvora
