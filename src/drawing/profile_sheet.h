#pragma once
// The longitudinal section on sheets: the ground and the design line along the station axis
// above a band table (station, ground, project, difference; grade and length), at the person's
// scales, over a datum of whole metres on each sheet, with the project's border and titles.
// Layers: "Ground" the ground line; "Project" the design line, the sections' project elevations
// and the vertical curves; "0" the band, the texts and the frame.

#include <cstdint>
#include <optional>
#include <string>

#include "alignment/longitudinal_profile.h"
#include "drawing/sheet_set.h"
#include "drawing/station_axis.h"

namespace calvora {

struct ProfileScales {
  double Horizontal = 1000;  // 1:N
  double Vertical = 100;
};

class ProfileSheet : public SheetSet {
 public:
  using SheetSet::SheetSet;

  ProfileScales Scales;

  int SheetCount() const override;
  // A margin or a scale that cannot be drawn, or a road that needs more than kMostSheets.
  std::string SettingsProblem() const override;
  bool DrawOnObject(int sheet) override;
  int DxfKind() const override;

  // The numbers drawn, computed anew when the survey data or the alignment file changed.
  const LongitudinalProfile& Profile() const;

 private:
  struct Layout;
  double SheetsNeeded() const;
  void DrawLines(const Layout& layout);
  void DrawCurves(const Layout& layout);
  void DrawBand(const Layout& layout);
  void DrawGrades(const Layout& layout);
  void DrawNotes(const Layout& layout);

  mutable std::optional<LongitudinalProfile> profile_;
  mutable std::uint64_t dataVersion_ = 0;
  mutable std::uint64_t alignmentVersion_ = 0;
};

}  // namespace calvora
