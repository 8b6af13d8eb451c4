#include "alignment_command_project.h"

#include <sys/wait.h>

#include <cstdlib>

#include "alignment/record_file_contents.h"
#include "records/project_record.h"

namespace calvora::testing {

AlignmentCommandProject::AlignmentCommandProject(const std::vector<AlignmentRecord>& alignment,
                                                 const std::vector<SectionRecord>& sections) {
  ProjectRecord project;
  InitialiseNewProject(project);
  project.DataFile = "ROAD.DAT";
  project.VariantFile = "ROAD.VAR";
  project.AlignFile = "ROAD.CRV";
  std::vector<std::uint8_t> bytes(ProjectRecord::kLength);
  EncodeRecord(project, bytes);
  WriteBytes(folder_ / "ROAD.PRJ", bytes);
  WriteBytes(folder_ / "ROAD.VAR", {});
  WriteRecordFile(folder_ / "ROAD.DAT", sections);
  SetAlignment(alignment);
}

void AlignmentCommandProject::SetAlignment(const std::vector<AlignmentRecord>& records) const {
  WriteRecordFile(folder_ / "ROAD.CRV", records);
}

CommandRun AlignmentCommandProject::Run(const std::string& arguments) const {
  const std::string command = "cd '" + folder_.Path().string() +
                              "' && '" CALVORA_BINARY_DIR "/calvora' " + arguments +
                              " >out.txt 2>err.txt";
  CommandRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadText(folder_ / "out.txt");
  run.err = ReadText(folder_ / "err.txt");
  return run;
}

std::vector<AlignmentRecord> AlignmentCommandProject::Alignment(const std::string& name) const {
  return ReadRecordFile<AlignmentRecord>(folder_ / name);
}

std::vector<SectionRecord> AlignmentCommandProject::Sections() const {
  return ReadRecordFile<SectionRecord>(folder_ / "ROAD.DAT");
}

AlignmentRecord XyPoint(double x, double y) {
  AlignmentRecord r;
  r.Code = static_cast<std::int16_t>(PointCode::XYCoordinate);
  r.Param1 = static_cast<float>(x);
  r.Param2 = static_cast<float>(y);
  return r;
}

AlignmentRecord ElevationPoint(double station, double elevation) {
  AlignmentRecord r;
  r.Kilo = static_cast<std::int16_t>(station / 1000);
  r.Meter = static_cast<float>(station - r.Kilo * 1000);
  r.Code = static_cast<std::int16_t>(PointCode::ElevationPoint);
  r.Param1 = static_cast<float>(elevation);
  return r;
}

SectionRecord SectionWithGround(double station, float groundOffset) {
  SectionRecord s;
  s.Kilo = static_cast<std::int16_t>(station / 1000);
  s.Meter = static_cast<float>(station - s.Kilo * 1000);
  s.GRElev = 100;
  s.PRElev = -1;
  s.Var = 1;
  s.PointCount[-1] = -2;
  s.PointCount[1] = 2;
  for (int side : {-1, 1}) {
    s.GroundPoints(side, 0) = static_cast<float>(side) * groundOffset / 2;
    s.GroundPoints(side, 1) = 100;
    s.GroundPoints(2 * side, 0) = static_cast<float>(side) * groundOffset;
    s.GroundPoints(2 * side, 1) = 99;
  }
  return s;
}

}  // namespace calvora::testing
