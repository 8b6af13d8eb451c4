#include "section/section_engine.h"

#include <cmath>

#include "section/design_side.h"
#include "section/fixed_width_stripping.h"
#include "section/layer_polygons.h"
#include "section/section_areas.h"
#include "section/section_input.h"
#include "section/section_messages.h"
#include "section/section_walk.h"
#include "section/template_end.h"

namespace calvora {
namespace {

// The design line's side results as the program names them.
void RecordSide(SectionResults& results, int side, const DesignSide& design) {
  results.SideState[side] = std::string(design.inFill ? kDesignOverGround : kDesignUnderGround);
  results.CatchPoint[side] = {SignedOffset(side, design.catchPoint.x), design.catchPoint.y};
  results.CatchGroundIndex[side] =
      design.catchGroundSegment == 0 ? 0 : side * (design.catchGroundSegment - 1);
  if (design.limitPoint) {
    results.LimitPoint[side] = {SignedOffset(side, design.limitPoint->x), design.limitPoint->y};
  }
  if (design.inFill && design.fill.atWall) {
    results.WallFootX = SignedOffset(side, design.fill.wallFoot.x);
    results.WallFootY = design.fill.wallFoot.y;
    results.WallHeight = design.fill.catchPoint.y - design.fill.wallFoot.y;
  }
  AssignSignedOffsets(results.DesignLine[side], side, design.line);
}

// BuildSectionPolygons: stripping, subgrade, both sides against the ground, the walk.
void BuildSectionPolygons(SectionWork& work) {
  SectionResults& results = work.results;
  LoadSides(work);
  for (const int side : {-1, 1}) {
    std::vector<SectionPoint>& templateLine = results.TemplateLine[side];
    for (const SectionPoint& vertex : work.templ[side]) {
      templateLine.push_back({SignedOffset(side, vertex.x), work.prElev + vertex.y});
    }
  }
  if (work.fixedWidthStripping) {
    FixedWidthStripping(work);
  }
  for (const int side : {-1, 1}) {
    AssignSignedOffsets(results.GroundLine[side], side, work.ground[side]);
  }
  const double projectElevation = work.prElev;
  SignedArray<double, -1, 1> prolongation;
  if (work.Variant().SubG != 0) {
    prolongation = SubgradeStep(work);
  }
  const DesignSide left = BuildDesignSide(work, -1, LineRole::Design);
  const DesignSide right = BuildDesignSide(work, 1, LineRole::Design);
  for (const int side : {-1, 1}) {
    const DesignSide& design = side < 0 ? left : right;
    RecordSide(results, side, design);
    if (design.inFill) {
      results.FsLength += design.fillSlopeLength + prolongation[side];
    } else {
      results.CsLength += design.cutSideLength;
    }
  }
  results.SectionPolygons =
      WalkBothSides(work, left, right, LineRole::Design, results.StripPolygons);
  work.prElev = projectElevation;
}

// The smallest area a report shows: areas are given to two decimals.
constexpr double kReportableArea = 0.005;

// A sliver smaller than any report shows (where a line grazes the ground) is no body.
void DropUnreportableBodies(std::vector<SectionPolygon>& bodies) {
  std::erase_if(bodies, [](const SectionPolygon& body) {
    return PolygonArea(body.Points) < kReportableArea;
  });
}

bool Finite(SectionPoint p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

bool Finite(const std::vector<SectionPolygon>& polygons) {
  for (const SectionPolygon& polygon : polygons) {
    if (!std::isfinite(polygon.Length)) {
      return false;
    }
    for (const SectionPoint& p : polygon.Points) {
      if (!Finite(p)) {
        return false;
      }
    }
  }
  return true;
}

// Whether every number the engine leaves is finite.
bool AllFinite(const SectionResults& r) {
  bool finite = Finite(r.SectionPolygons) && Finite(r.StripPolygons);
  for (const std::vector<SectionPolygon>& layer : r.LayerPolygons) {
    finite = finite && Finite(layer);
  }
  for (const int side : {-1, 1}) {
    for (const auto* line : {&r.GroundLine[side], &r.TemplateLine[side], &r.DesignLine[side]}) {
      for (const SectionPoint& p : *line) {
        finite = finite && Finite(p);
      }
    }
    finite = finite && Finite(r.CatchPoint[side]) && Finite(r.StripEdge[side]) &&
             Finite(r.LimitPoint[side]);
  }
  for (const double value :
       {r.WallHeight, r.WallFootX, r.WallFootY, r.SectionGroundCentre, r.SectionProjectCentre,
        r.FsLength, r.CsLength, static_cast<double>(r.Station)}) {
    finite = finite && std::isfinite(value);
  }
  return finite;
}

// Only a damaged record gets here (its numbers were refused, or they overflowed): keep the
// records and messages, drop every number computed, and report the section.
void DiscardNonFinite(SectionWork& work) {
  SectionResults& results = work.results;
  if (AllFinite(results)) {
    return;
  }
  const bool shown = results.Invalid;
  SectionResults kept;
  kept.Record = results.Record;
  kept.Station = std::isfinite(results.Station) ? results.Station : 0.0f;
  kept.Section = results.Section;
  kept.Variant = results.Variant;
  kept.Messages = std::move(results.Messages);
  kept.DataErrorShown = results.DataErrorShown;
  kept.Invalid = true;
  results = std::move(kept);
  if (!shown) {
    work.Note(DataErrorMessage(results.Section, results.Record));
  }
}

}  // namespace

// Back to a fresh result, keeping the storage of the lines for the next section.
void SectionEngine::ClearResults() {
  SectionResults& r = results_;
  r.Record = 0;
  r.Station = 0;
  r.BadVariant = r.Invalid = r.DataErrorShown = false;
  for (const int side : {-1, 1}) {
    r.GroundLine[side].clear();
    r.TemplateLine[side].clear();
    r.DesignLine[side].clear();
    r.SideState[side].clear();
  }
  r.SectionPolygons.clear();
  r.StripPolygons.clear();
  r.LayerPolygons.clear();
  r.CatchPoint = {};
  r.StripEdge = {};
  r.StripEdgeIndex = {};
  r.LimitPoint = {};
  r.CatchGroundIndex = {};
  r.WallHeight = r.WallFootX = r.WallFootY = 0;
  r.SectionGroundCentre = r.SectionProjectCentre = 0;
  r.FsLength = r.CsLength = 0;
  r.Messages.clear();
}

float SectionEngine::ComputeSection(const RecordFile& dataFile, const RecordFile& varFile,
                                    const ProjectRecord& project, int record) {
  ClearResults();
  DecodeRecord(sectionBytes_.Bytes(dataFile, record), results_.Section);
  return Compute(&varFile, project, record);
}

float SectionEngine::ComputeSection(const SectionRecord& section, const RecordFile* varFile,
                                    const ProjectRecord& project, int record) {
  ClearResults();
  results_.Section = section;
  return Compute(varFile, project, record);
}

float SectionEngine::ComputeSection(const ProjectState& state, int record) {
  if (!state.Data.Loaded()) {
    throw FileError(state.Data.FileName, "Data file not loaded.");
  }
  ClearResults();
  DecodeRecord(sectionBytes_.Bytes(*state.Data.File, record), results_.Section);
  return Compute(state.Var.Loaded() ? &*state.Var.File : nullptr, state.Project, record);
}

// On the section already in the results.
float SectionEngine::Compute(const RecordFile* varFile, const ProjectRecord& project, int record) {
  results_.Record = record;
  const SectionRecord& section = results_.Section;
  const int variants = varFile != nullptr ? varFile->Count() : 0;
  if (section.Var < 1 || section.Var > variants) {
    results_.BadVariant = true;
    results_.Station = -1;
    results_.Messages.push_back(BadVariantMessage(section, record));
    return -1;
  }
  DecodeRecord(variantBytes_.Bytes(*varFile, section.Var), results_.Variant);
  results_.Station = static_cast<float>(section.Kilo) * 1000.0f + section.Meter;
  results_.SectionGroundCentre = section.GRElev;
  results_.SectionProjectCentre = section.PRElev;

  SectionWork work(project, results_, lines_);
  try {
    BuildSectionPolygons(work);
    for (int layer = 0; layer < ProjectRecord::kLayerCount; ++layer) {
      if (project.Thickness[static_cast<std::size_t>(layer)] == 0) {
        break;
      }
      results_.LayerPolygons.push_back(BuildLayerPolygons(work, layer));
    }
    DropUnreportableBodies(results_.SectionPolygons);
    DropUnreportableBodies(results_.StripPolygons);
    for (std::vector<SectionPolygon>& layer : results_.LayerPolygons) {
      DropUnreportableBodies(layer);
    }
  } catch (const SectionDataError&) {
    results_.Invalid = true;
  }
  DiscardNonFinite(work);
  return results_.Station;
}

}  // namespace calvora
