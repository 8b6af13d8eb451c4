#pragma once
// The mass-haul diagram on sheets: the mass curve along the station axis with its zero line,
// the crests and troughs labelled, the balance points marked, the free-haul lines when a
// free-haul distance is set, and a summary beside it, with the project's border and titles.
// Layers: "Project" the curve; "Deco" the free-haul lines; "0" the axes, texts and frame.

#include <string>

#include "drawing/sheet_set.h"
#include "drawing/station_axis.h"
#include "quantities/mass_haul.h"

namespace calvora {

struct MassHaulOptions {
  double CutFactor = 1;
  double FreeHaul = 0;       // m; 0 draws no free-haul lines
  double Horizontal = 1000;  // 1:N
};

class MassHaulSheet : public SheetSet {
 public:
  using SheetSet::SheetSet;

  MassHaulOptions Options;
  // The ordinates drawn, computed by the caller with Options.CutFactor.
  MassHaul Haul;

  int SheetCount() const override;
  // A margin or the horizontal scale that cannot be drawn, or more than kMostSheets sheets.
  std::string SettingsProblem() const override;
  bool DrawOnObject(int sheet) override;
  int DxfKind() const override;

 private:
  struct Layout;
  double SheetsNeeded() const;
  void DrawAxes(const Layout& layout);
  void DrawCurve(const Layout& layout);
  void DrawSummary(const Layout& layout);
};

}  // namespace calvora
