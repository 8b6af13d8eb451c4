#include "quantities/interval_quantities.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

struct Areas {
  double cut = 0;
  double fill = 0;
  std::array<double, 5> layer{};
  int polygons = 1;
  const char* leftSide = "P under G";
};

SectionSlot At(float station, const Areas& a) {
  SectionSlot slot;
  slot.Station = station;
  slot.LeftSideState = a.leftSide;
  slot.Areas.Valid = true;
  slot.Areas.CutArea = a.cut;
  slot.Areas.FillArea = a.fill;
  slot.Areas.LayerArea = a.layer;
  slot.Areas.PolygonCount = a.polygons;
  return slot;
}

IntervalQuantities Between(const Areas& first, const Areas& second, int method,
                           float distance = 20) {
  return ComputeVolumes(At(1000, first), At(1000 + distance, second), method);
}

TEST(ComputeVolumes, EachMethodCoversEveryRowOfTheWedgeTable) {
  struct Row {
    const char* name;
    Areas first, second;
    double cut, fill;
    int method = kPreciseMethod;
    std::array<double, 2> layers = {};
  };
  const Areas threeBodies{.cut = 4, .polygons = 3};
  const Areas mixedOver{.cut = 2, .fill = 4, .leftSide = "P over   G"};
  // The road swapping sides: fill of 1 wedges out towards the cut of 2 (t1 on) and fill of 2
  // towards the cut of 1 (t2 back).
  const double t1 = 20.0 * 4 / (4 + 6);
  const double t2 = 20.0 * 8 / (8 + 2);
  // d = 20 throughout.
  const Row rows[] = {
      {"fill to fill", {.fill = 3}, {.fill = 5}, 0, 80},
      {"fill to mixed", {.fill = 6}, {.cut = 2, .fill = 4}, 2 * (20.0 * 2 / 8) / 2, 100},
      {"cut to cut", {.cut = 3}, {.cut = 5}, 80, 0},
      {"cut to cut, median", {.cut = 10}, {.cut = 20}, 300, 0, kMedianMethod},
      {"cut to mixed", {.cut = 6}, {.cut = 2, .fill = 4}, 80, 4 * (20.0 * 4 / 10) / 2},
      {"mixed to fill", {.cut = 2, .fill = 4}, {.fill = 6}, 2 * (20.0 * 2 / 8) / 2, 100},
      {"mixed to cut", {.cut = 2, .fill = 4}, {.cut = 6}, 80, 4 * (20.0 * 4 / 10) / 2},
      {"nothing to cut", {}, {.cut = 5}, 50, 0},
      {"cut to nothing", {.cut = 5}, {}, 50, 0},
      {"fill to cut: two wedges, the fill ending 15 m on", {.fill = 12}, {.cut = 4}, 10, 90},
      {"fill to cut, median: averaged", {.fill = 12}, {.cut = 4}, 40, 120, kMedianMethod},
      {"fill to three bodies: averaged", {.fill = 12}, threeBodies, 40, 120},
      {"three bodies to fill: averaged", threeBodies, {.fill = 12}, 40, 120},
      {"cut to fill held wholly by the first layer",
       {.cut = 4},
       {.cut = 2, .layer = {6}},
       60,
       0,
       kPreciseMethod,
       {6 * (20.0 * 6 / 10) / 2}},
      // Whole fill of 2: 6 + 2 + 4 = 12, so the wedge point lies 15 m from it.
      {"cut to fill with layers",
       {.cut = 4},
       {.fill = 6, .layer = {2, 4}},
       10,
       45,
       kPreciseMethod,
       {15, 30}},
      {"mixed to mixed, the left side keeping its state",
       mixedOver,
       {.cut = 6, .fill = 8, .leftSide = "P over   G"},
       80,
       120},
      {"mixed to mixed, the sides swapped",
       mixedOver,
       {.cut = 6, .fill = 8},
       6 * (20 - t1) / 2 + 2 * (20 - t2) / 2,
       4 * t1 / 2 + 8 * t2 / 2},
  };
  // Stations that run backwards enclose the same volumes.
  for (const float distance : {20.0f, -20.0f}) {
    for (const Row& row : rows) {
      SCOPED_TRACE(row.name);
      const IntervalQuantities q = Between(row.first, row.second, row.method, distance);
      EXPECT_FLOAT_EQ(q.Distance, distance);
      EXPECT_DOUBLE_EQ(q.CutVolume, row.cut);
      EXPECT_DOUBLE_EQ(q.FillVolume, row.fill);
      EXPECT_DOUBLE_EQ(q.LayerVolume[0], row.layers[0]);
      EXPECT_DOUBLE_EQ(q.LayerVolume[1], row.layers[1]);
    }
  }
}

TEST(ComputeVolumes, SurfacesAndTopsoilAverageInBothMethods) {
  SectionSlot first = At(100, {.fill = 12});
  SectionSlot second = At(130, {.cut = 4});
  first.Areas.TopsoilArea = 2;
  second.Areas.TopsoilArea = 4;
  first.Areas.CutLength = 1;
  second.Areas.CutLength = 3;
  first.Areas.FillLength = 10;
  first.Areas.LayerLength = {4, 2, 0, 0, 1};
  second.Areas.CsLength = 6;
  second.Areas.FsLength = 8;
  for (const int method : {kMedianMethod, kPreciseMethod}) {
    const IntervalQuantities q = ComputeVolumes(first, second, method);
    EXPECT_DOUBLE_EQ(q.TopsoilVolume, 90);
    EXPECT_DOUBLE_EQ(q.CutSurface, 60);
    EXPECT_DOUBLE_EQ(q.FillSurface, 150);
    EXPECT_DOUBLE_EQ(q.LayerSurface[0], 60);
    EXPECT_DOUBLE_EQ(q.LayerSurface[1], 30);
    EXPECT_DOUBLE_EQ(q.LayerSurface[4], 15);
    EXPECT_DOUBLE_EQ(q.CsSurface, 90);
    EXPECT_DOUBLE_EQ(q.FsSurface, 120);
  }
}

TEST(ComputeVolumes, DistanceIsTheStationDifferenceInSinglePrecision) {
  const IntervalQuantities q = ComputeVolumes(At(12345.67f, {}), At(12365.68f, {}), 0);
  EXPECT_EQ(q.Distance, 12365.68f - 12345.67f);
}

}  // namespace
}  // namespace calvora
