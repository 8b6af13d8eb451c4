#include "drawing/section_labels.h"

#include "numbers/number_text.h"

namespace calvora {

namespace {

std::string Elevation(double value) {
  return FormatNumber(value, "###0.00");
}

std::string Area(double value) {
  return FormatNumber(value, "###0.00") + " m2";
}

// A single-precision setting as plain number text (".5", "95").
std::string PlainSingle(float value) {
  return PlainNumber(LeadingNumber(SingleText(value)));
}

}  // namespace

double GroundAtCentre(const SectionResults& results) {
  const auto& right = results.GroundLine[1];
  return right.empty() ? results.SectionGroundCentre : right.front().y;
}

std::vector<std::string> StationLabels(int record, const SectionResults& results) {
  const SectionRecord& section = results.Section;
  return {
      "Section No.: " + std::to_string(record),
      "KM: " + FormatNumber(section.Kilo, "####0") + "+" + FormatField(section.Meter, "000.00"),
      "GL: " + Elevation(GroundAtCentre(results)),
      "PL: " + Elevation(results.SectionProjectCentre),
  };
}

std::vector<std::string> AreaLabels(const ProjectRecord& project, const SectionAreas& areas) {
  std::vector<std::string> lines{"Cut : " + Area(areas.CutArea)};
  if (project.Compaction[0] == 0) {
    lines.push_back("Fill: " + Area(areas.FillArea));
  } else {
    lines.push_back("Fill %" + PlainSingle(project.Compaction[0]) + " : " + Area(areas.FillArea));
    for (int j = 1; j < ProjectRecord::kLayerCount && project.Compaction[j] != 0; ++j) {
      lines.push_back("Fill %" + PlainSingle(project.Compaction[j]) + " : " +
                      Area(areas.LayerArea[j - 1]));
    }
  }
  lines.push_back("Deca: " + Area(areas.TopsoilArea));
  return lines;
}

std::string CatchPointLabel(const SectionResults& results, int side) {
  const double x = results.CatchPoint[side].x;
  return "X = " + FormatNumber(side < 0 ? -x : x, "###0.00");
}

std::string DatumLabel(double datum) {
  return "Base: " + FormatNumber(datum, "###0.00");
}

std::string CentreLineLabel(const SectionResults& results) {
  return "PL= " + PlainSingle(static_cast<float>(results.SectionProjectCentre));
}

std::string WallLabel(double wallHeight) {
  return "Wall : " + SingleText(static_cast<float>(RoundTo(wallHeight, 2))) + "  m";
}

}  // namespace calvora
