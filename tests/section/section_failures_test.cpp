// Sections the engine must refuse or report, and damaged records that must never crash it or
// let a NaN out.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "records/file_error.h"
#include "records/record_file.h"
#include "section/section_areas.h"
#include "section/section_engine.h"
#include "section_checks.h"

namespace calvora {
namespace {

using testing::MakeSection;
using testing::MakeVariant;
using testing::With;

const testing::OutwardPoints kFlatGround{{20, 100}};
const VariantRecord kFour = MakeVariant({{4, 0}}, 0.5);
const std::string kDataError = "Data Error in  1+20.5 Record number\r( 1)";
const std::string kBadVariant = "Bad Variant number at station :  1+20.5Section No. =( 1)";

TEST(SectionFailures, RefusedSectionsAreNamedAndComputeNothing) {
  struct Case {
    const char* name;
    SectionRecord section;
    VariantRecord variant;
    ProjectRecord project;
    std::string message;
    bool shown = true;  // DataErrorShown
  };
  const SectionRecord fill = MakeSection(102, 100, kFlatGround);
  const Case cases[] = {
      {"variant 0", With(fill, [](auto& s) { s.Var = 0; }), kFour, {}, kBadVariant, false},
      {"variant 2 of 1", With(fill, [](auto& s) { s.Var = 2; }), kFour, {}, kBadVariant, false},
      {"variant -3", With(fill, [](auto& s) { s.Var = -3; }), kFour, {}, kBadVariant, false},
      {"a negative kilometre has no leading blank",
       With(fill, [](auto& s) { s.Kilo = -1, s.Meter = 0.25f, s.Var = 9; }),
       kFour,
       {},
       "Bad Variant number at station : -1+0.25Section No. =( 1)",
       false},
      {"template wider than the ground", MakeSection(102, 100, {{3, 100}}), kFour, {}, kDataError},
      {"a side slope as steep as the last line (1:2): the subgrade line never meets it",
       MakeSection(106, 100, kFlatGround),
       With(MakeVariant({{5, -2.5}}, 0.5), [](auto& v) { v.SubG = 0.3f; }),
       {},
       kDataError},
      {"a fill ditch that never returns to the ground",
       MakeSection(100.5, 100, kFlatGround),
       MakeVariant({{4, 0}}, 0.5, {}, {{1, -0.6}, {2, -1.0}}),
       {},
       "Data error in KM:  1+20.5\r(Section No.  1)",
       false},
      {"an embankment missing the ground without a wall",
       MakeSection(102, 100, {{20, 100}}, {{20, 80}}),
       kFour,
       {},
       kDataError},
      {"a cut slope (1:10) leaving the surveyed ground",
       MakeSection(96, 100, kFlatGround),
       MakeVariant({{4, 0}}, 0.5, {{1, 0.1}}),
       {},
       kDataError},
      {"ground running back towards the centre",
       MakeSection(102, 100, {{10, 100}, {8, 100}, {20, 100}}),
       kFour,
       {},
       kDataError},
      {"a stripping edge beyond the ground", fill, With(kFour, [](auto& v) { v.Deco = 0.2f; }),
       With(ProjectRecord{}, [](auto& p) { p.DecaMethod = 1, p.DecaThick = 60; }), kDataError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SectionResults r = testing::ComputeOne(c.section, c.variant, c.project);
    EXPECT_EQ(r.Messages, std::vector<std::string>{c.message});
    EXPECT_FALSE(r.Valid());
    EXPECT_EQ(r.BadVariant, c.message.starts_with("Bad"));
    if (r.BadVariant) {
      EXPECT_TRUE(r.SectionPolygons.empty());
    } else {
      EXPECT_TRUE(r.Invalid);
      EXPECT_EQ(r.DataErrorShown, c.shown);
    }
    EXPECT_FALSE(ComputeSectionAreas(r).Valid);
    EXPECT_EQ(ComputeSectionAreas(r).FillArea, 0);
    EXPECT_TRUE(testing::AllNumbersFinite(r));
  }
}

TEST(SectionFailures, ABadVariantGivesMinusOneEvenWithoutATypicalSectionFile) {
  testing::Road road({{}, {MakeSection(102, 100, kFlatGround)}, {MakeVariant({{5, 0}}, 0.5)}});
  road.state.Var.File.reset();
  SectionEngine engine;
  EXPECT_EQ(engine.ComputeSection(road.state, 1), -1);
  EXPECT_EQ(engine.Results().Messages, std::vector<std::string>{kBadVariant});
  EXPECT_THROW(engine.ComputeSection(road.state, 2), FileError);  // a record outside the file

  road.state.Var.File.emplace(road.File(".VAR"), VariantRecord::kLength);
  road.state.DataRec.PRElev = 555;  // an editor's unsaved buffer must not matter
  EXPECT_FLOAT_EQ(engine.ComputeSection(road.state, 1), 1020.5f);
  EXPECT_NEAR(testing::SumOfArea(engine.Results().SectionPolygons, PolygonKind::Fill), 28, 1e-9);
  EXPECT_EQ(road.state.DataRec.PRElev, 555);
}

// Damage one float of a sound section or variant at random.
float Damage(std::mt19937& rng) {
  const float values[] = {std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity(),
                          3.0e38f,
                          -3.0e38f,
                          1.0e7f,
                          0.0f,
                          1.0e-38f,
                          -5.0f};
  return values[std::uniform_int_distribution<int>(0, 8)(rng)];
}

TEST(SectionFailures, FuzzedRecordsNeverCrashNorLetANaNOut) {
  std::mt19937 rng(4242);
  std::uniform_int_distribution<int> byte(0, 255);
  int reported = 0;
  testing::Road road({});
  for (int round = 0; round < 3000; ++round) {
    SectionRecord section = MakeSection(101, 100, {{3, 100.5}, {9, 99}, {25, 101}});
    VariantRecord variant =
        MakeVariant({{3.5, 0}, {5, -0.1}}, 0.6, {{1, -0.5}, {2, -0.5}, {4, 1.5}},
                    {{1, -0.6}, {2, -0.6}, {3, 0}});
    variant.SubG = 0.4f;
    variant.Deco = 0.2f;
    if (round % 3 == 0) {
      // Wholly random bytes.
      std::vector<std::uint8_t> sectionBytes(SectionRecord::kLength);
      std::vector<std::uint8_t> variantBytes(VariantRecord::kLength);
      for (auto& b : sectionBytes) b = static_cast<std::uint8_t>(byte(rng));
      for (auto& b : variantBytes) b = static_cast<std::uint8_t>(byte(rng));
      DecodeRecord(sectionBytes, section);
      DecodeRecord(variantBytes, variant);
      section.Var = 1;
    } else {
      // A few damaged fields in a sound section: NaN, infinities, huge or negative counts.
      for (int hit = 0; hit < 3; ++hit) {
        const int i = std::uniform_int_distribution<int>(-10, 10)(rng);
        const int side = hit % 2 == 0 ? -1 : 1;
        switch (std::uniform_int_distribution<int>(0, 7)(rng)) {
          case 0:
            section.GroundPoints(i, hit % 2) = Damage(rng);
            break;
          case 1:
            section.PointCount[side] =
                static_cast<std::int16_t>(std::uniform_int_distribution<int>(-32768, 32767)(rng));
            break;
          case 2:
            variant.Point(i, hit % 2) = Damage(rng);
            break;
          case 3:
            variant.LineCount[side] = Damage(rng);
            break;
          case 4:
            variant.CutTran(i, hit % 2) = Damage(rng);
            break;
          case 5:
            variant.FillSlope[side] = Damage(rng);
            break;
          case 6:
            section.PRElev = Damage(rng);
            break;
          default:
            variant.SubG = Damage(rng);
            break;
        }
      }
    }
    ProjectRecord project;
    project.DecaMethod = static_cast<std::int16_t>(round % 2);
    project.DecaThick = 8;
    project.Thickness = {0.2f, 0.3f, 0, 0, 0};
    SCOPED_TRACE("round " + std::to_string(round));
    SectionEngine engine;
    ASSERT_NO_THROW(testing::ComputeOn(road, engine, section, variant, project));
    const SectionResults& r = engine.Results();
    ASSERT_TRUE(testing::AllNumbersFinite(r));
    const SectionAreas areas = ComputeSectionAreas(r);
    ASSERT_TRUE(std::isfinite(areas.CutArea) && std::isfinite(areas.FillArea) &&
                std::isfinite(areas.TopsoilArea));
    reported += r.Invalid ? 1 : 0;
    ASSERT_EQ(r.Invalid, !r.Messages.empty());
  }
  EXPECT_GT(reported, 1000);  // most damage is caught and reported
}

}  // namespace
}  // namespace calvora
