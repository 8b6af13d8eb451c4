#include "quantities/landxml_export.h"

#include <fmt/chrono.h>
#include <fmt/format.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <pugixml.hpp>
#include <sstream>
#include <vector>

#include "alignment/alignment_polygon.h"
#include "alignment/landxml_alignment_writer.h"
#include "alignment/landxml_text.h"
#include "alignment/road_axis.h"
#include "project/prompt_output_file.h"
#include "project/scratch_output.h"
#include "project/working_files.h"
#include "section/section_areas.h"
#include "section/section_engine.h"

namespace calvora {

namespace {

using SurfacePoints = std::vector<SectionPoint>;

void SetNumber(pugi::xml_node node, const char* name, double value) {
  node.append_attribute(name).set_value(LandXmlNumber(value).c_str());
}

// The surveyed ground from the left end to the right end, the centre line between.
SurfacePoints SurveyedGround(const SectionRecord& section) {
  SurfacePoints points;
  for (int i = section.PointsOnSide(-1); i >= 1; --i) {
    points.push_back({section.GroundPoints(-i, 0), section.GroundPoints(-i, 1)});
  }
  points.push_back({0, section.GRElev});
  for (int i = 1; i <= section.PointsOnSide(1); ++i) {
    points.push_back({section.GroundPoints(i, 0), section.GroundPoints(i, 1)});
  }
  return points;
}

// The design line from its left end to its right end.
SurfacePoints DesignSurface(const SectionResults& results) {
  const SurfacePoints& left = results.DesignLine[-1];
  const SurfacePoints& right = results.DesignLine[1];
  SurfacePoints points(left.rbegin(), left.rend());
  points.insert(points.end(), right.begin() + (points.empty() || right.empty() ? 0 : 1),
                right.end());
  return points;
}

void AddSurface(pugi::xml_node crossSection, const char* name, const SurfacePoints& points) {
  pugi::xml_node surface = crossSection.append_child("DesignCrossSectSurf");
  surface.append_attribute("name").set_value(name);
  for (const SectionPoint& p : points) {
    surface.append_child("CrossSectPnt")
        .text()
        .set((LandXmlNumber(p.x) + " " + LandXmlNumber(p.y)).c_str());
  }
}

// One CrossSect per section; false when the person stopped the pass.
bool AddCrossSections(pugi::xml_node alignment, const ProjectState& state, Progress& progress) {
  const int count = state.Data.Count();
  if (count == 0) {
    return true;
  }
  pugi::xml_node sections = alignment.append_child("CrossSects");
  SectionEngine engine;
  progress.Start(count);
  for (int n = 1; n <= count; ++n) {
    if (progress.Step(n)) {
      progress.Finish();
      return false;
    }
    engine.ComputeSection(state, n);
    const SectionResults& results = engine.Results();
    pugi::xml_node section = sections.append_child("CrossSect");
    section.append_attribute("name").set_value(std::to_string(n).c_str());
    SetNumber(section, "sta", results.Section.Station());
    AddSurface(section, "Ground", SurveyedGround(results.Section));
    if (results.Valid()) {
      const SectionAreas areas = ComputeSectionAreas(results);
      SetNumber(section, "areaCut", areas.CutArea);
      SetNumber(section, "areaFill", areas.FillArea);
      AddSurface(section, "Design", DesignSurface(results));
    }
  }
  progress.Finish();
  return true;
}

pugi::xml_node AddHeading(pugi::xml_document& document, const ProjectState& state) {
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version").set_value("1.0");
  declaration.append_attribute("encoding").set_value("UTF-8");
  pugi::xml_node root = document.append_child("LandXML");
  root.append_attribute("xmlns").set_value(kLandXmlNamespace);
  root.append_attribute("version").set_value("1.2");
  const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  root.append_attribute("date").set_value(fmt::format("{:%Y-%m-%d}", now).c_str());
  root.append_attribute("time").set_value(fmt::format("{:%H:%M:%S}", now).c_str());
  pugi::xml_node metric = root.append_child("Units").append_child("Metric");
  metric.append_attribute("linearUnit").set_value("meter");
  metric.append_attribute("areaUnit").set_value("squareMeter");
  metric.append_attribute("volumeUnit").set_value("cubicMeter");
  metric.append_attribute("angularUnit").set_value("radians");
  metric.append_attribute("directionUnit").set_value("radians");
  pugi::xml_node project = root.append_child("Project");
  project.append_attribute("name").set_value(
      std::filesystem::path(state.ProjectPath).stem().string().c_str());
  project.append_attribute("desc").set_value(state.Project.TitleLeft.c_str());
  pugi::xml_node application = root.append_child("Application");
  application.append_attribute("name").set_value("Calvora");
  return root;
}

// The document; nullopt when the person stopped the pass over the sections.
std::optional<std::string> LandXmlText(const ProjectState& state,
                                       const std::vector<AlignmentRecord>& records,
                                       Progress& progress) {
  pugi::xml_document document;
  pugi::xml_node alignments = AddHeading(document, state).append_child("Alignments");
  const std::string name = state.Align.File->Path().stem().string();
  pugi::xml_node alignment;
  if (ReadPolygon(records).empty()) {
    // Without an X-Y point there is no axis; the sections still have their stations.
    alignment = alignments.append_child("Alignment");
    alignment.append_attribute("name").set_value(name.c_str());
  } else {
    alignment = AppendLandXmlAlignment(alignments, name, records);
  }
  if (!AddCrossSections(alignment, state, progress)) {
    return std::nullopt;
  }
  std::ostringstream text;
  document.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
  return text.str();
}

}  // namespace

CommandResult ExportLandXml::Run(ProjectState& state, UserDialogs& dialogs, Progress& progress) {
  written_.clear();
  CommandResult result = CommandResult::Stopped;
  RunRetryingFileErrors(dialogs, [&] {
    const std::vector<AlignmentRecord> records = ReadAlignmentRecords(state.Align);
    if (auto defect = RoadAxisDefect(ReadPolygon(records), ReadVerticalPoints(records))) {
      dialogs.Message(*defect);
      return;
    }
    const std::string output =
        PromptOutputFile(state.ProjectPath, ".xml", dialogs, ProjectFilesOf(state));
    if (output.empty()) {
      return;
    }
    std::optional<std::string> text;
    try {
      text = LandXmlText(state, records, progress);
    } catch (const NotANumberToWrite&) {
      progress.Finish();
      dialogs.Message("The road holds a value that is no number; no LandXML file was written.");
      return;
    }
    if (!text) {
      return;
    }
    WriteFileAtomically(output, *text);
    written_ = output;
    result = CommandResult::Done;
  });
  return result;
}

}  // namespace calvora
