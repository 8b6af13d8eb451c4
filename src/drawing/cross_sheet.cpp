#include "drawing/cross_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "drawing/dxf_file.h"
#include "drawing/section_labels.h"
#include "drawing/sheet_frame.h"
#include "numbers/number_text.h"
#include "section/section_areas.h"
#include "section/section_messages.h"

namespace calvora {

namespace {

// The area labels end this far inside the usable sheet's right edge at the least.
constexpr double kLabelClearance = 0.25;

// Size of the centre-line mark, a triangle standing on its tip.
constexpr double kMarkHalfWidth = 0.4;
constexpr double kMarkHeight = 0.6;

bool Finite(const SectionPoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

bool AllFinite(const std::vector<SectionPolygon>& polygons) {
  for (const SectionPolygon& polygon : polygons) {
    for (const SectionPoint& p : polygon.Points) {
      if (!Finite(p)) {
        return false;
      }
    }
  }
  return true;
}

// Whether the engine's bodies can be drawn: computed without a data error, every number finite.
bool DrawableGeometry(const SectionResults& results) {
  if (!results.Valid() || !AllFinite(results.SectionPolygons) ||
      !AllFinite(results.StripPolygons)) {
    return false;
  }
  for (const auto& layer : results.LayerPolygons) {
    if (!AllFinite(layer)) {
      return false;
    }
  }
  return std::isfinite(results.WallHeight) && std::isfinite(results.WallFootX) &&
         std::isfinite(results.WallFootY) && Finite(results.CatchPoint[-1]) &&
         Finite(results.CatchPoint[1]);
}

// The surveyed ground from its leftmost to its rightmost point.
std::vector<SectionPoint> GroundFromLeftToRight(const SectionResults& results) {
  const auto& left = results.GroundLine[-1];
  const auto& right = results.GroundLine[1];
  std::vector<SectionPoint> ground(left.rbegin(), left.rend());
  const std::size_t skipCentre = !ground.empty() && !right.empty() ? 1 : 0;
  ground.insert(ground.end(), right.begin() + static_cast<std::ptrdiff_t>(skipCentre), right.end());
  return ground;
}

}  // namespace

// A section's place on the sheet: the band's vertical centre and top, and the shift that puts
// the middle of the two centre-line elevations on the centre.
struct CrossSheet::Band {
  double Centre = 0;
  double Height = 0;
  double UsableWidth = 0;
  double Top() const { return Centre + Height / 2; }
  // The band's lowest line: above the title strip for the bottom band.
  double Floor() const { return std::max(Centre - Height / 2, kTitleStripTop); }
};

int CrossSheet::SheetCount() const {
  if (State().Project.SectionsPerSheet < 1) {
    return 0;
  }
  return calvora::SheetCount(State().Data.Count(), State().Project.SectionsPerSheet);
}

int CrossSheet::DxfKind() const {
  return kCrossSectionDrawing;
}

std::string CrossSheet::SettingsProblem() const {
  return SheetSettingsProblem(State().Project, Sheet);
}

bool CrossSheet::DrawOnObject(int sheet) {
  if (!SettingsProblem().empty()) {
    return false;
  }
  const ProjectRecord& project = State().Project;
  const SheetSize usable = ScaleToUsableSheet(Graphic, project, Sheet, XOffset);
  const double usableWidth = usable.Width;
  const double usableHeight = usable.Height;

  const int perSheet = project.SectionsPerSheet;
  const double bandHeight = usableHeight / perSheet;
  const SheetSections sections = SectionsOfSheet(sheet, State().Data.Count(), perSheet);
  for (int record = sections.First; record <= sections.Last; ++record) {
    const int slot = record - sections.First;
    const Band band{usableHeight - (slot + 0.5) * bandHeight, bandHeight, usableWidth};
    engine_.ComputeSection(State(), record);
    ShowMessages(engine_.Results(), Dialogs());
    if (engine_.Results().BadVariant) {
      return false;
    }
    DrawSection(record, band);
  }
  DrawSheetFrame(Graphic, project, usable, XOffset, PenFactor);
  return true;
}

void CrossSheet::DrawSection(int record, const Band& band) {
  const ProjectRecord& project = State().Project;
  const SectionResults& results = engine_.Results();
  const SectionAreas areas = ComputeSectionAreas(results);
  const double pitch = project.Font.Size / 10.0;
  const double x0 = XOffset;

  // MapSectionToPage: the middle of the two centre-line elevations on the band's centre.
  const double middle = (results.SectionGroundCentre + results.SectionProjectCentre) / 2;
  const auto mapped = [&](const SectionPoint& p) {
    return SectionPoint{x0 + p.x, p.y - middle + band.Centre};
  };
  const auto polyline = [&](const std::vector<SectionPoint>& points, std::int16_t colour) {
    for (std::size_t i = 1; i < points.size(); ++i) {
      const SectionPoint a = mapped(points[i - 1]);
      const SectionPoint b = mapped(points[i]);
      Graphic.DrawLine(a.x, a.y, b.x, b.y, colour);
    }
  };
  const auto element = [&](std::string layer, int pen) {
    Graphic.SetLayer(std::move(layer));
    Graphic.SetDrawWidth(project.Pen[pen] * PenFactor);
  };

  // The section's lines stay within its band: a long ground line never crosses a neighbour's.
  Graphic.Clip =
      ClipRect{x0 - band.UsableWidth / 2, band.Floor(), x0 + band.UsableWidth / 2, band.Top()};
  const bool drawable = DrawableGeometry(results);
  element("Project", kProjectPen);
  if (drawable) {
    for (const SectionPolygon& polygon : results.SectionPolygons) {
      polyline(polygon.Points, kBlue);
    }
  }
  element("Compact", kLayersPen);
  if (drawable) {
    for (std::size_t layer = 0; layer < results.LayerPolygons.size(); ++layer) {
      if (layer < project.Thickness.size() && project.Thickness[layer] != 0) {
        // A layer line lying in cut bounds no layer fill: nothing of the layer to show there.
        for (const SectionPolygon& polygon : results.LayerPolygons[layer]) {
          if (polygon.Kind != PolygonKind::Cut) {
            polyline(polygon.Points, kMagenta);
          }
        }
      }
    }
  }
  element("Ground", kGroundPen);
  const std::vector<SectionPoint> ground = GroundFromLeftToRight(results);
  const bool groundDrawable = std::all_of(ground.begin(), ground.end(), Finite);
  if (groundDrawable) {
    polyline(ground, kGreen);
  }
  element("Deco", kDecapajePen);
  if (drawable && results.Variant.Deco != 0) {
    for (const SectionPolygon& polygon : results.StripPolygons) {
      polyline(polygon.Points, kRed);
    }
  }
  element("0", kBorderPen);
  if (drawable && results.WallHeight != 0) {
    const SectionPoint foot = mapped({results.WallFootX, results.WallFootY});
    const double top = foot.y + results.WallHeight;
    Graphic.DrawLine(foot.x, foot.y, foot.x, top, kGreen);
    Graphic.DrawText(foot.x + 0.5, top + pitch, WallLabel(results.WallHeight));
  }

  // Datum line on the element before's layer and pen; a whole metre up when the rounding
  // would put it below the band.
  double datum = RoundTo(middle - band.Height / 2, 0);
  if (band.Centre + (datum - middle) < band.Floor()) {
    datum = std::ceil(middle + band.Floor() - band.Centre);
  }
  if (project.DrawDatum != 0 && std::isfinite(datum)) {
    const double datumY = band.Centre + (datum - middle);
    const double left = x0 - band.UsableWidth / 2 + 2;
    Graphic.DrawLine(left, datumY, x0 + band.UsableWidth / 2 - 2, datumY, kBlack);
    Graphic.DrawText(left, datumY + 1, DatumLabel(datum));
  }

  element("0", kProjectPen);
  const double markY = results.SectionProjectCentre - middle + band.Centre;
  if (std::isfinite(markY)) {
    const double top = markY + kMarkHeight;
    Graphic.DrawLine(x0 - kMarkHalfWidth, top, x0 + kMarkHalfWidth, top, kCyan);
    Graphic.DrawLine(x0 - kMarkHalfWidth, top, x0, markY, kCyan);
    Graphic.DrawLine(x0 + kMarkHalfWidth, top, x0, markY, kCyan);
    Graphic.DrawText(x0 + kMarkHalfWidth + 0.2, top + pitch, CentreLineLabel(results));
  }
  Graphic.Clip.reset();

  // Labels: line k of a column at the height T - k p.
  const double top = band.Top();
  const auto column = [&](double x, const std::vector<std::string>& lines) {
    for (std::size_t k = 0; k < lines.size(); ++k) {
      Graphic.DrawText(x, top - static_cast<double>(k + 1) * pitch, lines[k]);
    }
  };
  column(x0 - band.UsableWidth / 2 + 2, StationLabels(record, results));
  if (drawable) {
    Graphic.DrawText(x0 - 8, top - pitch, CatchPointLabel(results, -1));
    Graphic.DrawText(x0 + 5, top - pitch, CatchPointLabel(results, 1));
  }
  // The area column moves left where its widest label would pass the sheet's right edge.
  const std::vector<std::string> areaLabels = AreaLabels(project, areas);
  double widest = 0;
  for (const std::string& label : areaLabels) {
    widest = std::max(widest, Graphic.TextWidth(label));
  }
  const double right = x0 + band.UsableWidth / 2;
  column(std::min(right - 7, right - kLabelClearance - widest), areaLabels);
  if (!drawable) {
    // Under the station labels, clear of the section's lines.
    constexpr double kNoteLine = 6;
    Graphic.DrawText(x0 - band.UsableWidth / 2 + 2, top - kNoteLine * pitch, kDataErrorNote);
  }
}

}  // namespace calvora
