#pragma once
// Areas and lengths of one computed section (ComputeSectionAreas).

#include <array>
#include <vector>

#include "records/project_record.h"
#include "section/section_results.h"

namespace calvora {

struct SectionAreas {
  // False when the engine's results were invalid (bad variant number or data error): every
  // area and length below is then 0 and must not be summed.
  bool Valid = false;

  double CutArea = 0;   // sum of the cut polygons, rounded to 0.01
  double FillArea = 0;  // sum of the fill polygons less the first layer's fill, rounded
  std::array<double, ProjectRecord::kLayerCount> LayerArea{};  // layer j alone
  double TopsoilArea = 0;                                      // the stripping polygons, rounded

  int PolygonCount = 0;                               // cut and fill polygons of the section
  std::vector<double> PolygonArea;                    // per polygon (index 0 = polygon 1)
  std::vector<std::vector<double>> LayerPolygonArea;  // [layer][polygon]

  double CutLength = 0;                                          // column "Lc"
  double FillLength = 0;                                         // column "Lf"
  std::array<double, ProjectRecord::kLayerCount> LayerLength{};  // "Lf" of layer j
  double CsLength = 0;  // column "C s L": cut-side lines plus CutLength
  double FsLength = 0;  // column "F s L"
};

// Areas of the engine's bodies; rounding to two decimals exactly as FormatField with
// "#####.##" rounds.
SectionAreas ComputeSectionAreas(const SectionResults& results);

// Area enclosed by a closed ring of points (last point equal to the first), always >= 0.
double PolygonArea(const std::vector<SectionPoint>& points);

}  // namespace calvora
