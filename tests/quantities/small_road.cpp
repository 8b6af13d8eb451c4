#include "quantities/small_road.h"

#include "quantities/interval_quantities.h"
#include "records/record_file.h"

namespace calvora::testing {

constexpr double kGround = 100;

VariantRecord TwoLanes() {
  VariantRecord v;
  for (const int s : {-1, 1}) {
    v.Point(s, 0) = 3.5f * static_cast<float>(s);
    v.LineCount[s] = static_cast<float>(s);
    v.FillSlope[s] = 0.5f;
    v.CutTran(s, 0) = 1.0f * static_cast<float>(s);
    v.CutTran(s, 1) = -0.5f;
    v.CutTran(2 * s, 0) = 5.0f * static_cast<float>(s);
    v.CutTran(2 * s, 1) = 1.5f;
  }
  return v;
}

SectionRecord Section(int n, double projectElevation, double groundHalfWidth) {
  SectionRecord r;
  const float station = 20.0f * static_cast<float>(n - 1);
  r.Kilo = static_cast<std::int16_t>(station / 1000);
  r.Meter = station - 1000.0f * r.Kilo;
  r.PRElev = static_cast<float>(projectElevation);
  r.GRElev = static_cast<float>(kGround);
  r.Var = 1;
  r.PointCount[-1] = -1;
  r.PointCount[1] = 1;
  for (const int s : {-1, 1}) {
    r.GroundPoints(s, 0) = static_cast<float>(s * groundHalfWidth);
    r.GroundPoints(s, 1) = static_cast<float>(kGround);
  }
  return r;
}

SmallRoad::SmallRoad(const std::vector<double>& projectElevations) {
  state.Project.TitleLeft = "Small road";
  state.Project.NumLines = 64;
  state.Project.CalcMethod = kPreciseMethod;
  state.ProjectPath = (folder / "R.PRJ").string();
  state.Data.FileName = "R.DAT";
  state.Data.File.emplace(folder / "R.DAT", SectionRecord::kLength);
  state.Var.FileName = "R.VAR";
  state.Var.File.emplace(folder / "R.VAR", VariantRecord::kLength);
  WriteRecord(*state.Var.File, 1, TwoLanes());
  for (std::size_t i = 0; i < projectElevations.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    WriteRecord(*state.Data.File, n, Section(n, projectElevations[i]));
  }
}

void SmallRoad::Replace(int n, const SectionRecord& record) {
  WriteRecord(*state.Data.File, n, record);
}

std::string SmallRoad::Out() const {
  return (folder / "R.OUT").string();
}

ScriptedDialogs& SmallRoad::ExpectPrompt(ScriptedDialogs& dialogs) const {
  return dialogs.ExpectSaveFile("Select OUT File", Out(), Out());
}

}  // namespace calvora::testing
