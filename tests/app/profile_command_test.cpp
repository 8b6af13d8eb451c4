// calvora profile on a copy of the demo road.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/road_project.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

TEST(ProfileCommand, PrintsTheDemoRoadsProfileAndNeedsJson) {
  testing::TempFolder folder;
  testing::CopyDemoRoad(folder.Path());
  const auto run = testing::RunProgram(testing::CalvoraExecutable(),
                                       {"profile", "DEMO.PRJ", "--json"}, folder.Path());
  ASSERT_EQ(run.status, 0) << run.err;
  const auto profile = nlohmann::json::parse(run.out);
  EXPECT_EQ(profile["sections"].size(), 79u);
  EXPECT_EQ(profile["ground"].size(), 79u);
  EXPECT_EQ(profile["grades"].size(), 4u);
  // The design line reaches the last vertical point, sampled every metre.
  EXPECT_EQ(profile["design"].back()[0].get<double>(), profile["grades"].back()["to"]);
  EXPECT_EQ(profile["design"].size(), 1581u);
  EXPECT_EQ(
      testing::RunProgram(testing::CalvoraExecutable(), {"profile", "DEMO.PRJ"}, folder.Path())
          .status,
      2);
}

}  // namespace
}  // namespace calvora
