#pragma once
// What the volume run keeps of one computed section: where it lies and its areas and lengths.

#include <cstdint>
#include <string>

#include "section/section_areas.h"

namespace calvora {

struct SectionSlot {
  int Number = 0;         // survey data record number
  std::int16_t Kilo = 0;  // as the record holds them, for the report rows
  float Meter = 0;
  float Station = 0;          // as ComputeSection returned it
  std::string LeftSideState;  // the engine's SideState of the left side
  SectionAreas Areas;
};

}  // namespace calvora
