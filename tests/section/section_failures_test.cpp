// Sections the engine must refuse or report, and damaged records that must never crash it or
// let a NaN out.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "section/section_areas.h"
#include "section/section_engine.h"
#include "section_builder.h"

namespace calvora {
namespace {

using testing::MakeSection;
using testing::MakeVariant;

const testing::OutwardPoints kFlatGround{{20, 100}};

SectionResults ComputeExpecting(const SectionRecord& section, const VariantRecord& variant,
                                const std::string& message, float* station = nullptr) {
  const testing::SectionFiles files({section}, {variant});
  SectionEngine engine;
  const float result = engine.ComputeSection(files.Data(), files.Variants(), {}, 1);
  if (station != nullptr) {
    *station = result;
  }
  EXPECT_EQ(engine.Results().Messages, std::vector<std::string>{message});
  return engine.Results();
}

TEST(SectionFailures, BadVariantNumberIsReportedAndGivesMinusOne) {
  for (const std::int16_t var : {std::int16_t{0}, std::int16_t{2}, std::int16_t{-3}}) {
    SectionRecord section = MakeSection(102, 100, kFlatGround);
    section.Var = var;
    float station = 0;
    const SectionResults r =
        ComputeExpecting(section, MakeVariant({{5, 0}}, 0.5),
                         "Bad Variant number at station :  1+20.5Section No. =( 1)", &station);
    EXPECT_EQ(station, -1);
    EXPECT_TRUE(r.BadVariant);
    EXPECT_FALSE(r.Valid());
    EXPECT_TRUE(r.SectionPolygons.empty());
    EXPECT_FALSE(ComputeSectionAreas(r).Valid);
  }
}

TEST(SectionFailures, NegativeKilometreHasNoLeadingBlank) {
  SectionRecord section = MakeSection(102, 100, kFlatGround);
  section.Kilo = -1;
  section.Meter = 0.25f;
  section.Var = 9;
  ComputeExpecting(section, MakeVariant({{5, 0}}, 0.5),
                   "Bad Variant number at station : -1+0.25Section No. =( 1)");
}

TEST(SectionFailures, TemplateWiderThanTheGroundIsADataError) {
  const SectionRecord section = MakeSection(102, 100, {{3, 100}});
  const SectionResults r = ComputeExpecting(section, MakeVariant({{5, 0}}, 0.5),
                                            "Data Error in  1+20.5 Record number\r( 1)");
  EXPECT_TRUE(r.DataErrorShown);
  EXPECT_TRUE(r.Invalid);
  EXPECT_FALSE(r.Valid());
  EXPECT_EQ(r.Messages.size(), 1u);
  EXPECT_FALSE(ComputeSectionAreas(r).Valid);
  EXPECT_EQ(ComputeSectionAreas(r).FillArea, 0);
}

TEST(SectionFailures, SideSlopeAsSteepAsTheLastLineIsADataErrorNotADivisionByZero) {
  // Last line falling 1:2, fill slope 1:2: the subgrade line never meets the slope.
  VariantRecord variant = MakeVariant({{5, -2.5}}, 0.5);
  variant.SubG = 0.3f;
  const SectionResults r = ComputeExpecting(MakeSection(106, 100, kFlatGround), variant,
                                            "Data Error in  1+20.5 Record number\r( 1)");
  EXPECT_TRUE(r.Invalid);
  EXPECT_TRUE(testing::AllNumbersFinite(r));
}

TEST(SectionFailures, FillDitchThatNeverReturnsToTheGroundIsReported) {
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetFillDitch(variant, {{1, -0.6}, {2, -1.0}});
  const SectionResults r = ComputeExpecting(MakeSection(100.5, 100, kFlatGround), variant,
                                            "Data error in KM:  1+20.5\r(Section No.  1)");
  EXPECT_TRUE(r.Invalid);
  EXPECT_FALSE(r.DataErrorShown);
}

TEST(SectionFailures, EmbankmentMissingTheGroundWithoutAWallIsADataError) {
  // The ground falls away faster than the slope and Wall is 0: no place to end the fill.
  const SectionRecord section = MakeSection(102, 100, {{20, 100}}, {{20, 80}});
  const SectionResults r = ComputeExpecting(section, MakeVariant({{4, 0}}, 0.5),
                                            "Data Error in  1+20.5 Record number\r( 1)");
  EXPECT_TRUE(r.Invalid);
}

TEST(SectionFailures, CutSlopeThatLeavesTheSurveyedGroundIsADataError) {
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  testing::SetCutDitch(variant, {{1, 0.1}});  // 1:10, reaches the ground 40 m out
  const SectionResults r = ComputeExpecting(MakeSection(96, 100, kFlatGround), variant,
                                            "Data Error in  1+20.5 Record number\r( 1)");
  EXPECT_TRUE(r.Invalid);
}

TEST(SectionFailures, GroundRunningBackTowardsTheCentreIsADataError) {
  const SectionRecord section = MakeSection(102, 100, {{10, 100}, {8, 100}, {20, 100}});
  const SectionResults r = ComputeExpecting(section, MakeVariant({{4, 0}}, 0.5),
                                            "Data Error in  1+20.5 Record number\r( 1)");
  EXPECT_TRUE(r.Invalid);
}

TEST(SectionFailures, StrippingEdgeBeyondTheGroundIsADataError) {
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  variant.Deco = 0.2f;
  ProjectRecord project;
  project.DecaMethod = 1;
  project.DecaThick = 60;
  const testing::SectionFiles files({MakeSection(102, 100, kFlatGround)}, {variant});
  SectionEngine engine;
  engine.ComputeSection(files.Data(), files.Variants(), project, 1);
  EXPECT_TRUE(engine.Results().Invalid);
  EXPECT_EQ(engine.Results().Messages,
            std::vector<std::string>{"Data Error in  1+20.5 Record number\r( 1)"});
}

TEST(SectionFailures, SectionWithNineGroundPointsAndFixedWidthStrippingKeepsAllPoints) {
  testing::OutwardPoints nine;
  for (int k = 1; k <= 9; ++k) {
    nine.emplace_back(2.0 * k, 100);
  }
  VariantRecord variant = MakeVariant({{4, 0}}, 0.5);
  variant.Deco = 0.2f;
  ProjectRecord project;
  project.DecaMethod = 1;
  project.DecaThick = 10;
  const SectionResults r = testing::ComputeOne(MakeSection(102, 100, nine), variant, project);
  ASSERT_TRUE(r.Valid());
  EXPECT_EQ(r.GroundLine[1].size(), 12u);  // centre, nine surveyed, two at the edge
  EXPECT_NEAR(PolygonArea(r.StripPolygons[0].Points), 2.0, 1e-6);
}

TEST(SectionFailures, EngineWorksWithoutAnOpenTypicalSectionFile) {
  testing::TempFolder folder;
  ProjectState state;
  state.Data.FileName = "ROAD.DAT";
  state.Data.File.emplace(folder / "ROAD.DAT", SectionRecord::kLength);
  WriteRecord(*state.Data.File, 1, MakeSection(102, 100, kFlatGround));
  SectionEngine engine;
  EXPECT_EQ(engine.ComputeSection(state, 1), -1);
  EXPECT_EQ(engine.Results().Messages,
            std::vector<std::string>{"Bad Variant number at station :  1+20.5Section No. =( 1)"});

  state.Var.FileName = "ROAD.VAR";
  state.Var.File.emplace(folder / "ROAD.VAR", VariantRecord::kLength);
  WriteRecord(*state.Var.File, 1, MakeVariant({{5, 0}}, 0.5));
  state.DataRec.PRElev = 555;  // an editor's unsaved buffer must not matter
  EXPECT_FLOAT_EQ(engine.ComputeSection(state, 1), 1020.5f);
  EXPECT_NEAR(testing::SumOfArea(engine.Results().SectionPolygons, PolygonKind::Fill), 28, 1e-9);
  EXPECT_EQ(state.DataRec.PRElev, 555);
}

TEST(SectionFailures, RecordOutsideTheFileThrowsFileError) {
  const testing::SectionFiles files({MakeSection(102, 100, kFlatGround)},
                                    {MakeVariant({{5, 0}}, 0.5)});
  SectionEngine engine;
  EXPECT_THROW(engine.ComputeSection(files.Data(), files.Variants(), {}, 2), FileError);
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
  testing::SectionFiles files({}, {});
  for (int round = 0; round < 3000; ++round) {
    SectionRecord section = MakeSection(101, 100, {{3, 100.5}, {9, 99}, {25, 101}});
    VariantRecord variant = MakeVariant({{3.5, 0}, {5, -0.1}}, 0.6);
    testing::SetCutDitch(variant, {{1, -0.5}, {2, -0.5}, {4, 1.5}});
    testing::SetFillDitch(variant, {{1, -0.6}, {2, -0.6}, {3, 0}});
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
        switch (std::uniform_int_distribution<int>(0, 7)(rng)) {
          case 0:
            section.GroundPoints(i, hit % 2) = Damage(rng);
            break;
          case 1:
            section.PointCount[hit % 2 == 0 ? -1 : 1] =
                static_cast<std::int16_t>(std::uniform_int_distribution<int>(-32768, 32767)(rng));
            break;
          case 2:
            variant.Point(i, hit % 2) = Damage(rng);
            break;
          case 3:
            variant.LineCount[hit % 2 == 0 ? -1 : 1] = Damage(rng);
            break;
          case 4:
            variant.CutTran(i, hit % 2) = Damage(rng);
            break;
          case 5:
            variant.FillSlope[hit % 2 == 0 ? -1 : 1] = Damage(rng);
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
    files.Rewrite(section, variant);
    SectionEngine engine;
    ASSERT_NO_THROW(engine.ComputeSection(files.Data(), files.Variants(), project, 1))
        << "round " << round;
    const SectionResults& r = engine.Results();
    ASSERT_TRUE(testing::AllNumbersFinite(r)) << "round " << round;
    const SectionAreas areas = ComputeSectionAreas(r);
    ASSERT_TRUE(std::isfinite(areas.CutArea) && std::isfinite(areas.FillArea) &&
                std::isfinite(areas.TopsoilArea))
        << "round " << round;
    reported += r.Invalid ? 1 : 0;
    ASSERT_EQ(r.Invalid, !r.Messages.empty()) << "round " << round;
  }
  EXPECT_GT(reported, 1000);  // most damage is caught and reported
}

}  // namespace
}  // namespace calvora
