#include "support/alignment_project.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "records/project_record.h"
#include "support/record_file_contents.h"
#include "support/road_project.h"

namespace calvora::testing {

namespace {

AlignmentRecord Stationed(double station, PointCode code, double p1, double p2, double p3) {
  AlignmentRecord r;
  r.Kilo = static_cast<std::int16_t>(std::floor(station / 1000));
  r.Meter = static_cast<float>(station - r.Kilo * 1000.0);
  r.Code = static_cast<std::int16_t>(code);
  r.Param1 = static_cast<float>(p1);
  r.Param2 = static_cast<float>(p2);
  r.Param3 = static_cast<float>(p3);
  return r;
}

}  // namespace

AlignmentRecord XyRecord(double x, double y) {
  return Stationed(0, PointCode::XYCoordinate, x, y, 0);
}
AlignmentRecord CurveRecord(PointCode code, double station, double radius, double length,
                            double deflection) {
  return Stationed(station, code, radius, length, deflection);
}
AlignmentRecord SpiralRecord(double station, double a) {
  return Stationed(station, PointCode::FirstSpiralStart, a, 0, 0);
}
AlignmentRecord ElevationRecord(double station, double elevation) {
  return Stationed(station, PointCode::ElevationPoint, elevation, 0, 0);
}
AlignmentRecord VerticalCurveRecord(double station, double elevation, double length) {
  return Stationed(station, PointCode::VerticalCurveMid, elevation, length, 0);
}

SectionRecord SectionWithGround(double station, const OutwardPoints& left,
                                const OutwardPoints& right) {
  SectionRecord s = MakeSection(-1, 99, left, right);
  SetStation(s, station);
  return s;
}

SectionRecord SectionAt(double station, float projectElevation) {
  SectionRecord s = SectionWithGround(station, {}, {});
  s.PRElev = projectElevation;
  return s;
}

AlignmentProject::AlignmentProject() {
  state_.AppDir = folder_.Path();
  state_.ProjectPath = (folder_ / "ROAD.PRJ").string();
}

AlignmentProject::AlignmentProject(const std::vector<AlignmentRecord>& alignment,
                                   const std::vector<SectionRecord>& sections)
    : AlignmentProject() {
  ProjectRecord project;
  InitialiseNewProject(project);
  project.DataFile = "ROAD.DAT";
  project.VariantFile = "ROAD.VAR";
  project.AlignFile = "ROAD.CRV";
  WriteRecordFile(folder_ / "ROAD.PRJ", std::vector<ProjectRecord>{project});
  WriteBytes(folder_ / "ROAD.VAR", {});
  SetSections(sections);
  SetAlignment(alignment);
}

void AlignmentProject::SetAlignment(const std::vector<AlignmentRecord>& records) {
  state_.Align.File.reset();
  WriteRecordFile(folder_ / "ROAD.CRV", records);
  state_.Align.FileName = "ROAD.CRV";
  state_.Align.File.emplace(folder_ / "ROAD.CRV", AlignmentRecord::kLength);
}

void AlignmentProject::SetSections(const std::vector<SectionRecord>& sections) {
  state_.Data.File.reset();
  WriteRecordFile(folder_ / "ROAD.DAT", sections);
  state_.Data.FileName = "ROAD.DAT";
  state_.Data.File.emplace(folder_ / "ROAD.DAT", SectionRecord::kLength);
}

void AlignmentProject::WriteTable(const std::string& name, const std::string& text) const {
  WriteBytes(folder_ / name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

ProgramRun AlignmentProject::Run(const std::string& arguments) const {
  return RunCalvora(arguments, folder_.Path());
}

std::vector<AlignmentRecord> AlignmentProject::Alignment(const std::string& name) const {
  return ReadRecordFile<AlignmentRecord>(folder_ / name);
}

std::vector<SectionRecord> AlignmentProject::Sections() const {
  return ReadRecordFile<SectionRecord>(folder_ / "ROAD.DAT");
}

std::vector<XyzLine> ReadXyz(const std::filesystem::path& path) {
  std::vector<XyzLine> lines;
  std::istringstream text(ReadText(path));
  std::string line;
  while (std::getline(text, line)) {
    EXPECT_TRUE(!line.empty() && line.back() == '\r') << "line without CR LF: " << line;
    XyzLine parsed;
    std::istringstream items(line);
    items >> parsed.label >> parsed.x >> parsed.y >> parsed.z;
    const auto plus = parsed.label.find('+');
    parsed.station = std::stod(parsed.label.substr(0, plus)) * 1000 +
                     std::stod("0" + parsed.label.substr(plus + 1));
    lines.push_back(parsed);
  }
  return lines;
}

}  // namespace calvora::testing
