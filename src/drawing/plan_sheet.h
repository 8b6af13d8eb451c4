#pragma once
// The plan as a drawing of sheets: what the plan window, printing and DXF export draw. The
// layout follows the page's sheet size and the scale; it is made anew when either, the
// alignment or the survey data changed.

#include <cstdint>
#include <optional>
#include <string>

#include "drawing/plan_sheets.h"
#include "drawing/sheet_set.h"

namespace calvora {

class PlanSheet : public SheetSet {
 public:
  using SheetSet::SheetSet;

  double Scale = kDefaultPlanScale;  // 1:N

  int SheetCount() const override;
  // A scale that is not a number above 0, or one that needs more than kMostSheets sheets.
  std::string SettingsProblem() const override;
  bool DrawOnObject(int sheet) override;
  int DxfKind() const override;

  // The plan at the current sheet size and scale.
  const PlanSheets& Plan() const;

 private:
  struct DrawnFrom {
    double width = 0;
    double height = 0;
    double scale = 0;
    std::uint64_t data = 0;
    std::uint64_t alignment = 0;
    bool operator==(const DrawnFrom&) const = default;
  };
  DrawnFrom Sources() const;

  mutable std::optional<PlanSheets> plan_;
  mutable DrawnFrom planFrom_;
};

}  // namespace calvora
