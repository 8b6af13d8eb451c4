#include "drawing/profile_sheet.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/dxf_file.h"
#include "drawing/section_labels.h"
#include "drawing/sheet_frame.h"
#include "numbers/number_text.h"
#include "project/working_file_version.h"

namespace calvora {

namespace {

// The band's captions take this width at the sheet's left; the plot keeps this clearance.
constexpr double kCaptionWidth = 8;
constexpr double kClearance = 1;
// The band's rows from the bottom, each 1.5 text lines; the station row has two lines, the
// labels of neighbouring sections alternating between them.
enum BandRow { kGradeRow, kDifferenceRow, kProjectRow, kGroundRow, kStationRow, kBandRows = 6 };
constexpr double kRowLines = 1.5;
// A section's project elevation is marked by a cross of this half size.
constexpr double kMarkSize = 0.2;
// Each section's tick under the band's top line.
constexpr double kBandTick = 0.4;
// A vertical curve's bracket stands this far above the highest of its three points.
constexpr double kBracketRise = 1.5;

std::pair<double, double> StationRange(const LongitudinalProfile& profile) {
  const auto& line = profile.Ground.empty() ? profile.Design : profile.Ground;
  if (line.empty()) {
    return {0, 0};
  }
  const auto [low, high] = std::minmax_element(
      line.begin(), line.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return {low->first, high->first};
}

}  // namespace

struct ProfileSheet::Layout {
  StationAxis axis;
  SheetSize usable;
  double left = 0;
  double right = 0;
  double pitch = 1;
  double bandBottom = 0;
  double plotBottom = 0;
  double plotTop = 0;
  double datum = 0;
  double vUnits = 1;

  double RowHeight() const { return kRowLines * pitch; }
  double RowBottom(int row) const { return bandBottom + row * RowHeight(); }
  double BandTop() const { return RowBottom(kBandRows); }
  double Y(double elevation) const { return plotBottom + (elevation - datum) * vUnits; }
};

const LongitudinalProfile& ProfileSheet::Profile() const {
  const ProjectState& state = State();
  if (!profile_ || dataVersion_ != FileVersion(state.Data) ||
      alignmentVersion_ != FileVersion(state.Align)) {
    profile_ = ComputeLongitudinalProfile(state);
    dataVersion_ = FileVersion(state.Data);
    alignmentVersion_ = FileVersion(state.Align);
  }
  return *profile_;
}

int ProfileSheet::DxfKind() const {
  return kLongitudinalDrawing;
}

double ProfileSheet::SheetsNeeded() const {
  const auto [first, last] = StationRange(Profile());
  const double plotWidth =
      UsableSheet(State().Project, Sheet).Width - kCaptionWidth - 2 * kClearance;
  return calvora::SheetsNeeded(first, last, plotWidth, UnitsPerMetre(Scales.Horizontal));
}

std::string ProfileSheet::SettingsProblem() const {
  if (std::string margins = MarginsProblem(State().Project, Sheet); !margins.empty()) {
    return margins;
  }
  if (UsableSheet(State().Project, Sheet).Width <= kCaptionWidth + 2 * kClearance) {
    return "Cannot draw the sheets: the page is too narrow for the band's captions.";
  }
  for (const auto& [name, scale] :
       {std::pair<std::string, double>{"horizontal scale", Scales.Horizontal},
        {"vertical scale", Scales.Vertical}}) {
    if (const auto problem = ScaleProblem(name, scale)) {
      return *problem;
    }
  }
  return TooManySheets(SheetsNeeded(), Scales.Horizontal).value_or("");
}

int ProfileSheet::SheetCount() const {
  return SettingsProblem().empty() ? static_cast<int>(SheetsNeeded()) : 0;
}

bool ProfileSheet::DrawOnObject(int sheet) {
  if (!SettingsProblem().empty()) {
    return false;
  }
  const ProjectRecord& project = State().Project;
  const LongitudinalProfile& profile = Profile();
  Layout layout;
  layout.usable = ScaleToUsableSheet(Graphic, project, Sheet, XOffset);
  layout.left = XOffset - layout.usable.Width / 2;
  layout.right = XOffset + layout.usable.Width / 2;
  layout.pitch = project.Font.Size / 10.0;
  const double plotLeft = layout.left + kCaptionWidth + kClearance;
  layout.axis = SheetAxis(sheet, StationRange(profile).first, layout.right - kClearance - plotLeft,
                          UnitsPerMetre(Scales.Horizontal), plotLeft);
  layout.bandBottom = kTitleStripTop + layout.pitch / 2;
  layout.plotBottom = layout.BandTop() + kClearance;
  layout.plotTop =
      layout.usable.Height - kClearance - static_cast<double>(profile.Notes.size()) * layout.pitch;
  layout.vUnits = UnitsPerMetre(Scales.Vertical);
  // The datum: the lowest elevation drawn on this sheet, rounded down to whole metres.
  double lowest = std::numeric_limits<double>::infinity();
  for (const auto* line : {&profile.Ground, &profile.Design}) {
    for (const auto& [station, elevation] : *line) {
      if (layout.axis.Holds(station)) {
        lowest = std::min(lowest, elevation);
      }
    }
  }
  for (const ProfileSection& section : profile.Sections) {
    if (layout.axis.Holds(section.Station)) {
      lowest = std::min(lowest, section.Project);
    }
  }
  layout.datum = std::isfinite(lowest) ? std::floor(lowest) : 0;

  DrawLines(layout);
  DrawCurves(layout);
  DrawBand(layout);
  DrawGrades(layout);
  DrawNotes(layout);
  DrawSheetFrame(Graphic, project, layout.usable, XOffset, PenFactor);
  return true;
}

void ProfileSheet::DrawLines(const Layout& layout) {
  const ProjectRecord& project = State().Project;
  const LongitudinalProfile& profile = Profile();
  const auto polyline = [&](const std::vector<std::pair<double, double>>& points,
                            std::int16_t colour) {
    for (std::size_t i = 1; i < points.size(); ++i) {
      Graphic.DrawLine(layout.axis.X(points[i - 1].first), layout.Y(points[i - 1].second),
                       layout.axis.X(points[i].first), layout.Y(points[i].second), colour);
    }
  };
  Graphic.Clip = ClipRect{layout.axis.Left, layout.plotBottom,
                          layout.axis.X(layout.axis.First + layout.axis.Length), layout.plotTop};
  Graphic.SetLayer("0");
  Graphic.SetDrawWidth(project.Pen[kBorderPen] * PenFactor);
  // The datum line and each section's ordinate up to the ground.
  Graphic.DrawLine(layout.axis.Left, layout.plotBottom, Graphic.Clip->Right, layout.plotBottom,
                   kBlack);
  for (const ProfileSection& section : profile.Sections) {
    if (layout.axis.Holds(section.Station)) {
      const double x = layout.axis.X(section.Station);
      Graphic.DrawLine(x, layout.plotBottom, x, layout.Y(section.Ground), kBlack);
    }
  }
  Graphic.SetLayer("Ground");
  Graphic.SetDrawWidth(project.Pen[kGroundPen] * PenFactor);
  polyline(profile.Ground, kGreen);
  Graphic.SetLayer("Project");
  Graphic.SetDrawWidth(project.Pen[kProjectPen] * PenFactor);
  polyline(profile.Design, kBlue);
  for (const ProfileSection& section : profile.Sections) {
    if (layout.axis.Holds(section.Station)) {
      const double x = layout.axis.X(section.Station);
      const double y = layout.Y(section.Project);
      Graphic.DrawLine(x - kMarkSize, y - kMarkSize, x + kMarkSize, y + kMarkSize, kRed);
      Graphic.DrawLine(x - kMarkSize, y + kMarkSize, x + kMarkSize, y - kMarkSize, kRed);
    }
  }
  Graphic.Clip.reset();
  Graphic.SetLayer("0");
  Graphic.DrawText(layout.left + kClearance / 2, layout.plotBottom + layout.pitch,
                   DatumLabel(layout.datum));
}

void ProfileSheet::DrawCurves(const Layout& layout) {
  Graphic.SetLayer("Project");
  Graphic.SetDrawWidth(State().Project.Pen[kProjectPen] * PenFactor);
  for (const ProfileCurve& curve : Profile().Curves) {
    if (!layout.axis.Holds(curve.Station)) {
      continue;
    }
    const double half = curve.Length / 2;
    const double startX = layout.axis.X(curve.Station - half);
    const double endX = layout.axis.X(curve.Station + half);
    const double pviX = layout.axis.X(curve.Station);
    const double startY = layout.Y(curve.Elevation - curve.GradeIn / 100 * half);
    const double endY = layout.Y(curve.Elevation + curve.GradeOut / 100 * half);
    const double pviY = layout.Y(curve.Elevation);
    // The tangents to the PVI, the curve's extents and the bracket over them.
    Graphic.DrawLine(startX, startY, pviX, pviY, kCyan);
    Graphic.DrawLine(pviX, pviY, endX, endY, kCyan);
    const double bracket = std::max({startY, endY, pviY}) + kBracketRise;
    Graphic.DrawLine(startX, startY, startX, bracket, kCyan);
    Graphic.DrawLine(endX, endY, endX, bracket, kCyan);
    Graphic.DrawLine(startX, bracket, endX, bracket, kCyan);
    Graphic.DrawLine(pviX, pviY, pviX, bracket, kCyan);
    const std::string lines[] = {
        "PVI " + StationText(curve.Station) + "  L=" + FormatNumber(curve.Length, "0.00"),
        "g1=" + FormatNumber(curve.GradeIn, "0.00") +
            "%  g2=" + FormatNumber(curve.GradeOut, "0.00") + "%"};
    for (int k = 0; k < 2; ++k) {
      Graphic.DrawText(pviX - Graphic.TextWidth(lines[k]) / 2, bracket + (2 - k) * layout.pitch,
                       lines[k]);
    }
  }
}

void ProfileSheet::DrawBand(const Layout& layout) {
  Graphic.SetLayer("0");
  Graphic.SetDrawWidth(State().Project.Pen[kBorderPen] * PenFactor);
  const double right = layout.right - kClearance / 2;
  const double captionRight = layout.left + kCaptionWidth;
  // A line under each row and over the band; the station row's two lines stay open.
  for (int row = kGradeRow; row <= kBandRows; ++row) {
    if (row == kStationRow + 1) {
      continue;
    }
    Graphic.DrawLine(layout.left, layout.RowBottom(row), right, layout.RowBottom(row), kBlack);
  }
  Graphic.DrawLine(captionRight, layout.bandBottom, captionRight, layout.BandTop(), kBlack);
  const double textDrop = (kRowLines - 1) / 2 * layout.pitch;
  const auto rowText = [&](int row, double line, double x, const std::string& text) {
    Graphic.DrawText(x, layout.RowBottom(row) + line * layout.pitch + layout.pitch + textDrop,
                     text);
  };
  const double captionX = layout.left + kClearance / 2;
  rowText(kStationRow, 1, captionX, "Station");
  rowText(kGroundRow, 0, captionX, "Ground");
  rowText(kProjectRow, 0, captionX, "Project");
  rowText(kDifferenceRow, 0, captionX, "Difference");
  rowText(kGradeRow, 0, captionX, "Grade");

  int shown = 0;
  for (const ProfileSection& section : Profile().Sections) {
    if (!layout.axis.Holds(section.Station)) {
      continue;
    }
    const double x = layout.axis.X(section.Station);
    Graphic.DrawLine(x, layout.BandTop() - kBandTick, x, layout.BandTop(), kBlack);
    const auto centred = [&](int row, double line, const std::string& text) {
      rowText(row, line, x - Graphic.TextWidth(text) / 2, text);
    };
    centred(kStationRow, shown % 2 == 0 ? 1.2 : 0.2, StationText(section.Station));
    centred(kGroundRow, 0, FormatNumber(section.Ground, "0.00"));
    centred(kProjectRow, 0, FormatNumber(section.Project, "0.00"));
    centred(kDifferenceRow, 0, FormatNumber(section.Difference, "0.00"));
    ++shown;
  }
}

void ProfileSheet::DrawGrades(const Layout& layout) {
  const StationAxis& axis = layout.axis;
  const double bottom = layout.RowBottom(kGradeRow);
  const double top = layout.RowBottom(kGradeRow + 1);
  const double textY = bottom + layout.pitch + (kRowLines - 1) / 2 * layout.pitch;
  for (const ProfileGrade& grade : Profile().Grades) {
    const double from = std::max(grade.From, axis.First);
    const double to = std::min(grade.To, axis.First + axis.Length);
    if (!(from < to)) {
      continue;
    }
    for (const double end : {grade.From, grade.To}) {
      if (axis.Holds(end)) {
        Graphic.DrawLine(axis.X(end), bottom, axis.X(end), top, kBlack);
      }
    }
    // The whole text where it fits between the ends on this sheet, else the percent alone.
    const double room = axis.X(to) - axis.X(from);
    const std::string percent = FormatNumber(grade.Percent, "0.00") + "%";
    std::string text = percent + "  L=" + FormatNumber(grade.Length, "0.00");
    if (Graphic.TextWidth(text) > room) {
      text = Graphic.TextWidth(percent) <= room ? percent : "";
    }
    if (!text.empty()) {
      Graphic.DrawText((axis.X(from) + axis.X(to) - Graphic.TextWidth(text)) / 2, textY, text);
    }
  }
}

void ProfileSheet::DrawNotes(const Layout& layout) {
  const auto& notes = Profile().Notes;
  for (std::size_t k = 0; k < notes.size(); ++k) {
    Graphic.DrawText(layout.axis.Left,
                     layout.usable.Height - kClearance / 2 - static_cast<double>(k) * layout.pitch,
                     "Note: " + notes[k]);
  }
}

}  // namespace calvora
