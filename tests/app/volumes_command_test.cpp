// calvora volumes on the demo road with five compaction layers.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "demo_copy.h"

namespace calvora {
namespace {

using testing::DemoCopy;

TEST(VolumesCommand, FiveLayersGiveTheFillBelowTheFifthALineOfItsOwn) {
  const DemoCopy demo;
  demo.ChangeProject([](ProjectRecord& project) {
    project.Thickness = {0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
    project.Compaction = {100, 95, 95, 95, 90};
  });
  const testing::ProgramRun run = demo.Calvora("volumes DEMO.PRJ");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const double below = DemoCopy::SummaryValue(run.out, "Fill below the layers");
  EXPECT_GT(below, 0) << run.out;
  double parts = below;
  for (const char* band : {"1 (100 %)", "2 (95 %)", "3 (95 %)", "4 (95 %)", "5 (90 %)"}) {
    parts += DemoCopy::SummaryValue(run.out, std::string("Fill, layer ") + band);
  }
  EXPECT_NEAR(DemoCopy::SummaryValue(run.out, "Fill, all"), parts, 0.006);
  EXPECT_NEAR(DemoCopy::SummaryValue(run.out, "Fill hauled (0524)"), parts, 0.006);
  EXPECT_NE(testing::ReadText(demo / "DEMO.VOL")
                .find("    Fill below the layers" + fmt::format("{:>25.2f}", below) +
                      " m3: the fill below the fifth"),
            std::string::npos);
}

}  // namespace
}  // namespace calvora
