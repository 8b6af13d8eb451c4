#include "drawing/mass_haul_sheet.h"

#include <algorithm>
#include <cmath>

#include "drawing/dxf_file.h"
#include "drawing/sheet_frame.h"
#include "numbers/number_text.h"
#include "quantities/free_haul.h"

namespace calvora {

namespace {

// The ordinate axis's labels take this width at the left, the summary this width at the right.
constexpr double kAxisWidth = 8;
constexpr double kSummaryWidth = 20;
constexpr double kClearance = 1;
// Marks: half size of a crest's or trough's square and of a balance point's tick.
constexpr double kMarkSize = 0.2;
constexpr double kTickSize = 0.5;
// Labelled ticks at least this many units apart.
constexpr double kLeastTickSpacing = 6;

// The step of 1, 2 or 5 times a power of ten that puts ticks at least spacing units apart.
double TickStep(double unitsPerValue, double spacing) {
  const double least = spacing / unitsPerValue;
  double step = std::pow(10, std::floor(std::log10(least)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (step * factor >= least) {
      return step * factor;
    }
  }
  return step * 10;
}

std::string Volume(double value) {
  return FormatNumber(value, "0.00") + " m3";
}

}  // namespace

struct MassHaulSheet::Layout {
  StationAxis axis;
  SheetSize usable;
  double left = 0;
  double pitch = 1;
  double plotBottom = 0;
  double plotTop = 0;
  double lowest = 0;  // ordinate at plotBottom
  double vUnits = 1;  // per m3

  double PlotRight() const { return axis.X(axis.First + axis.Length); }
  double Y(double ordinate) const { return plotBottom + (ordinate - lowest) * vUnits; }
};

int MassHaulSheet::DxfKind() const {
  return kMassHaulDrawing;
}

double MassHaulSheet::SheetsNeeded() const {
  const auto& o = Haul.Ordinates;
  const auto [low, high] = std::minmax_element(
      o.begin(), o.end(), [](const auto& a, const auto& b) { return a.Station < b.Station; });
  const double plotWidth =
      UsableSheet(State().Project, Sheet).Width - kAxisWidth - kSummaryWidth - 2 * kClearance;
  return o.empty() ? 1
                   : calvora::SheetsNeeded(low->Station, high->Station, plotWidth,
                                           UnitsPerMetre(Options.Horizontal));
}

std::string MassHaulSheet::SettingsProblem() const {
  if (std::string margins = MarginsProblem(State().Project, Sheet); !margins.empty()) {
    return margins;
  }
  if (UsableSheet(State().Project, Sheet).Width <= kAxisWidth + kSummaryWidth + 3 * kClearance) {
    return "Cannot draw the sheets: the page is too narrow for the diagram and its summary.";
  }
  if (const auto problem = ScaleProblem("horizontal scale", Options.Horizontal)) {
    return *problem;
  }
  return TooManySheets(SheetsNeeded(), Options.Horizontal).value_or("");
}

int MassHaulSheet::SheetCount() const {
  return SettingsProblem().empty() ? static_cast<int>(SheetsNeeded()) : 0;
}

bool MassHaulSheet::DrawOnObject(int sheet) {
  if (!SettingsProblem().empty()) {
    return false;
  }
  const ProjectRecord& project = State().Project;
  Layout layout;
  layout.usable = ScaleToUsableSheet(Graphic, project, Sheet, XOffset);
  layout.left = XOffset - layout.usable.Width / 2;
  layout.pitch = project.Font.Size / 10.0;
  const double plotLeft = layout.left + kAxisWidth;
  const double plotRight = XOffset + layout.usable.Width / 2 - kSummaryWidth - kClearance;
  double first = 0;
  double lowest = 0, highest = 0;
  for (const MassOrdinate& o : Haul.Ordinates) {
    first = &o == &Haul.Ordinates.front() ? o.Station : std::min(first, o.Station);
    lowest = std::min(lowest, o.Ordinate);
    highest = std::max(highest, o.Ordinate);
  }
  layout.axis =
      SheetAxis(sheet, first, plotRight - plotLeft, UnitsPerMetre(Options.Horizontal), plotLeft);
  layout.plotBottom = kTitleStripTop + 2 * layout.pitch;
  layout.plotTop = layout.usable.Height - kClearance;
  layout.lowest = lowest;
  // One vertical scale for every sheet: the whole range of ordinates fills the plot's height.
  layout.vUnits = (layout.plotTop - layout.plotBottom) / std::max(highest - lowest, 1.0);

  DrawAxes(layout);
  DrawCurve(layout);
  DrawSummary(layout);
  DrawSheetFrame(Graphic, project, layout.usable, XOffset, PenFactor);
  return true;
}

void MassHaulSheet::DrawAxes(const Layout& layout) {
  Graphic.SetLayer("0");
  Graphic.SetDrawWidth(State().Project.Pen[kBorderPen] * PenFactor);
  const StationAxis& axis = layout.axis;
  const double right = layout.PlotRight();
  Graphic.DrawLine(axis.Left, layout.plotBottom, axis.Left, layout.plotTop, kBlack);
  Graphic.DrawLine(axis.Left, layout.Y(0), right, layout.Y(0), kBlack);
  // Ordinate ticks on the left, station ticks along the bottom.
  const double valueStep = TickStep(layout.vUnits, 2 * layout.pitch);
  for (double value = std::ceil(layout.lowest / valueStep) * valueStep;
       layout.Y(value) <= layout.plotTop + 1e-9; value += valueStep) {
    const double y = layout.Y(value);
    const std::string text = FormatNumber(value, "0");
    Graphic.DrawLine(axis.Left - kTickSize, y, axis.Left, y, kBlack);
    Graphic.DrawText(axis.Left - kTickSize - Graphic.TextWidth(text) - 0.2, y + layout.pitch / 2,
                     text);
  }
  const double stationStep = TickStep(axis.Units, kLeastTickSpacing);
  for (double station = std::ceil(axis.First / stationStep) * stationStep;
       station <= axis.First + axis.Length + 1e-9; station += stationStep) {
    const double x = axis.X(station);
    const std::string text = StationText(station);
    Graphic.DrawLine(x, layout.plotBottom, x, layout.plotBottom - kTickSize, kBlack);
    Graphic.DrawText(x - Graphic.TextWidth(text) / 2, layout.plotBottom - kTickSize - 0.2, text);
  }
  Graphic.DrawText(axis.Left + kClearance / 2, layout.plotTop, "m3");
}

void MassHaulSheet::DrawCurve(const Layout& layout) {
  const ProjectRecord& project = State().Project;
  const StationAxis& axis = layout.axis;
  const auto& o = Haul.Ordinates;
  Graphic.Clip = ClipRect{axis.Left, layout.plotBottom, layout.PlotRight(), layout.plotTop};
  Graphic.SetLayer("Project");
  Graphic.SetDrawWidth(project.Pen[kProjectPen] * PenFactor);
  for (std::size_t i = 1; i < o.size(); ++i) {
    Graphic.DrawLine(axis.X(o[i - 1].Station), layout.Y(o[i - 1].Ordinate), axis.X(o[i].Station),
                     layout.Y(o[i].Ordinate), kBlue);
  }
  Graphic.SetLayer("Deco");
  Graphic.SetDrawWidth(project.Pen[kDecapajePen] * PenFactor);
  for (std::size_t i = 1; i + 1 < o.size() && Options.FreeHaul > 0; ++i) {
    const bool extreme =
        (o[i].Ordinate - o[i - 1].Ordinate) * (o[i + 1].Ordinate - o[i].Ordinate) < 0;
    if (const auto line = extreme ? FreeHaulAcross(Haul, i, Options.FreeHaul) : std::nullopt) {
      const double y = layout.Y(line->Ordinate);
      Graphic.DrawLine(axis.X(line->From), y, axis.X(line->To), y, kRed);
    }
  }
  Graphic.Clip.reset();
  Graphic.SetLayer("0");
  Graphic.SetDrawWidth(project.Pen[kBorderPen] * PenFactor);
  for (const MassExtreme& e : Haul.Extremes) {
    if (!axis.Holds(e.Station)) {
      continue;
    }
    const double x = axis.X(e.Station), y = layout.Y(e.Ordinate);
    Graphic.DrawLine(x - kMarkSize, y - kMarkSize, x + kMarkSize, y - kMarkSize, kMagenta);
    Graphic.DrawLine(x + kMarkSize, y - kMarkSize, x + kMarkSize, y + kMarkSize, kMagenta);
    Graphic.DrawLine(x + kMarkSize, y + kMarkSize, x - kMarkSize, y + kMarkSize, kMagenta);
    Graphic.DrawLine(x - kMarkSize, y + kMarkSize, x - kMarkSize, y - kMarkSize, kMagenta);
    const std::string text = StationText(e.Station) + "  " + Volume(e.Ordinate);
    // Above a crest, below a trough.
    const double textY = e.Crest ? y + kMarkSize + layout.pitch : y - kMarkSize - 0.2;
    Graphic.DrawText(x - Graphic.TextWidth(text) / 2, textY, text);
  }
  for (const double station : Haul.BalancePoints) {
    if (axis.Holds(station)) {
      const double x = axis.X(station), y = layout.Y(0);
      Graphic.DrawLine(x, y - kTickSize, x, y + kTickSize, kRed);
      Graphic.DrawLine(x - kMarkSize, y - kTickSize, x + kMarkSize, y - kTickSize, kRed);
    }
  }
}

void MassHaulSheet::DrawSummary(const Layout& layout) {
  std::vector<std::string> lines = {
      "Mass-haul diagram",
      "Cut factor: " + FormatNumber(Options.CutFactor, "0.00"),
      "Total cut: " + Volume(Haul.TotalCut),
      "Total fill: " + Volume(Haul.TotalFill),
      "Final ordinate: " + Volume(Haul.Final) +
          (Haul.Final > 0   ? " surplus"
           : Haul.Final < 0 ? " deficit"
                            : ""),
      "Haul moment: " + FormatNumber(Haul.Moment, "0.00") + " m3 m",
      "Mean haul: " + FormatNumber(Haul.MeanHaul, "0.00") + " m",
  };
  if (Options.FreeHaul > 0) {
    lines.push_back("Free haul: " + FormatNumber(Options.FreeHaul, "0.00") + " m");
  }
  if (!Haul.LeftOut.empty()) {
    std::string named;
    for (const int record : Haul.LeftOut) {
      named += (named.empty() ? "" : ", ") + std::to_string(record);
    }
    lines.push_back("Left out (data error): section " + named);
  }
  if (Haul.StationsFallBack) {
    lines.emplace_back("Stations fall back in the file;");
    lines.emplace_back("the diagram follows the file order.");
  }
  if (Haul.Cancelled) {
    lines.emplace_back("Cancelled: the sections computed only.");
  }
  const double x = layout.PlotRight() + kClearance;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    Graphic.DrawText(x, layout.plotTop - static_cast<double>(k) * layout.pitch, lines[k]);
  }
}

}  // namespace calvora
