#pragma once
// Volumes and surfaces between two consecutive sections (ComputeVolumes).

#include <array>

#include "quantities/section_slot.h"
#include "records/project_record.h"

namespace calvora {

struct IntervalQuantities {
  float Distance = 0;  // station difference, single precision (negative when stations fall)
  double CutVolume = 0;
  double FillVolume = 0;  // fill outside the compaction layers
  std::array<double, ProjectRecord::kLayerCount> LayerVolume{};
  double TopsoilVolume = 0;

  double CutSurface = 0;   // "Sc"
  double FillSurface = 0;  // "Sf"
  std::array<double, ProjectRecord::kLayerCount> LayerSurface{};
  double CsSurface = 0;  // "C s S"
  double FsSurface = 0;  // "F s S"
};

// The calculation methods of the project record.
inline constexpr int kMedianMethod = 0;
inline constexpr int kPreciseMethod = 1;

// Volumes by averaging the end areas (median method) or, with the precise method, by wedges
// where the road passes between cut and fill; surfaces always by averaging the lengths.
IntervalQuantities ComputeVolumes(const SectionSlot& previous, const SectionSlot& current,
                                  int calcMethod);

}  // namespace calvora
