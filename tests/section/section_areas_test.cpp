#include "section/section_areas.h"

#include <gtest/gtest.h>

#include <random>

#include "numbers/number_text.h"

namespace calvora {
namespace {

SectionPolygon Rectangle(PolygonKind kind, double left, double right, double bottom, double top,
                         double length = 0) {
  SectionPolygon polygon;
  polygon.Kind = kind;
  polygon.Points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
  polygon.Length = length;
  return polygon;
}

SectionResults Computed() {
  SectionResults results;
  results.Record = 1;
  return results;
}

TEST(SectionAreas, CutAndFillAreSummedByKindAndRoundedToTwoDecimals) {
  SectionResults r = Computed();
  r.SectionPolygons = {Rectangle(PolygonKind::Cut, 0, 1, 0, 1.0049),
                       Rectangle(PolygonKind::Fill, 1, 2, 0, 2.125),
                       Rectangle(PolygonKind::Cut, 2, 3, 0, 0.004)};
  const SectionAreas areas = ComputeSectionAreas(r);
  ASSERT_TRUE(areas.Valid);
  EXPECT_EQ(areas.PolygonCount, 3);
  EXPECT_EQ(areas.CutArea, 1.01);   // 1.0089 rounds up
  EXPECT_EQ(areas.FillArea, 2.13);  // halves away from zero
  EXPECT_NEAR(areas.PolygonArea[2], 0.004, 1e-12);
}

TEST(SectionAreas, RoundingIsExactlyThatOfTheReportColumn) {
  // Areas read back from a "#####.##" field, including halves and values just beside them.
  std::mt19937 rng(99);
  std::vector<double> values{0.005, 0.015, 1.005, 2.675, 10.125, 99999.994, 0.0049999, 12.345};
  for (int i = 0; i < 20000; ++i) {
    values.push_back(std::uniform_int_distribution<int>(0, 9999999)(rng) / 1000.0);
    values.push_back(std::uniform_real_distribution<double>(0, 5000)(rng));
  }
  for (const double value : values) {
    SectionResults r = Computed();
    r.SectionPolygons = {Rectangle(PolygonKind::Cut, 0, 1, 0, value)};
    const double area = PolygonArea(r.SectionPolygons[0].Points);
    ASSERT_EQ(ComputeSectionAreas(r).CutArea, LeadingNumber(FormatField(area, "#####.##")))
        << value;
  }
}

TEST(SectionAreas, EachLayerKeepsOnlyItsOwnBand) {
  SectionResults r = Computed();
  r.SectionPolygons = {Rectangle(PolygonKind::Fill, 0, 10, 0, 3, 10)};
  r.LayerPolygons = {
      {Rectangle(PolygonKind::Fill, 0, 10, 0, 2, 9), Rectangle(PolygonKind::Cut, 10, 11, 0, 1, 1)},
      {Rectangle(PolygonKind::Fill, 0, 10, 0, 1.5, 8)}};
  const SectionAreas areas = ComputeSectionAreas(r);
  EXPECT_EQ(areas.FillArea, 10);     // 30 - 20
  EXPECT_EQ(areas.LayerArea[0], 5);  // 20 - 15; the cut layer body does not count
  EXPECT_EQ(areas.LayerArea[1], 15);
  EXPECT_EQ(areas.LayerArea[2], 0);
  EXPECT_EQ(areas.FillLength, 1);
  EXPECT_EQ(areas.LayerLength[0], 1);
  EXPECT_EQ(areas.LayerLength[1], 8);
  ASSERT_EQ(areas.LayerPolygonArea.size(), 2u);
  EXPECT_EQ(areas.LayerPolygonArea[0][1], 1);
}

TEST(SectionAreas, TopsoilWhenTheSectionStripsAndTheLengthsOfCutSidesAndSlopes) {
  SectionResults r = Computed();
  r.SectionPolygons = {Rectangle(PolygonKind::Cut, 0, 1, 0, 1, 4.004),
                       Rectangle(PolygonKind::Fill, 1, 2, 0, 1, 2.5)};
  r.StripPolygons = {Rectangle(PolygonKind::Cut, -8, -2, 99.8, 100),
                     Rectangle(PolygonKind::Cut, 3, 7, 99.8, 100)};
  r.CsLength = 3.0;
  r.FsLength = 1.23456;
  SectionAreas areas = ComputeSectionAreas(r);
  EXPECT_EQ(areas.TopsoilArea, 0);  // Deco 0: no stripping
  EXPECT_EQ(areas.CutLength, 4.0);
  EXPECT_EQ(areas.FillLength, 2.5);
  EXPECT_EQ(areas.CsLength, 7.0);
  EXPECT_EQ(areas.FsLength, 1.23);
  r.Variant.Deco = 0.2f;
  EXPECT_EQ(ComputeSectionAreas(r).TopsoilArea, 2);  // every strip body
}

TEST(SectionAreas, InvalidSectionHasNoAreas) {
  SectionResults r = Computed();
  r.SectionPolygons = {Rectangle(PolygonKind::Fill, 0, 1, 0, 1)};
  r.Invalid = true;
  const SectionAreas areas = ComputeSectionAreas(r);
  EXPECT_FALSE(areas.Valid);
  EXPECT_EQ(areas.FillArea, 0);
  EXPECT_TRUE(areas.PolygonArea.empty());
}

}  // namespace
}  // namespace calvora
