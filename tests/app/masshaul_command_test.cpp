// calvora masshaul on a copy of the demo road: its JSON and CSV, and what it refuses.

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "demo_copy.h"

namespace calvora {
namespace {

using testing::DemoCopy;

// The totals are the volume run's (checked with the mass curve): here, what the options reach.
TEST(MassHaulCommand, JsonAndCsvOfTheOrdinates) {
  const DemoCopy demo;
  const auto json = demo.Calvora("masshaul DEMO.PRJ --json --factor 0.9");
  ASSERT_EQ(json.status, 0) << json.err;
  const auto haul = nlohmann::json::parse(json.out);
  EXPECT_EQ(haul["ordinates"].size(), 79u);
  const auto plain = nlohmann::json::parse(demo.Calvora("masshaul DEMO.PRJ --json").out);
  EXPECT_NEAR(haul["totals"]["cut"].get<double>(), 0.9 * plain["totals"]["cut"].get<double>(),
              0.01);
  EXPECT_FALSE(haul["extremes"].empty());

  const auto csv = demo.Calvora("masshaul DEMO.PRJ --csv M.CSV --factor 0.9");
  ASSERT_EQ(csv.status, 0) << csv.err;
  std::ifstream table(demo / "M.CSV");
  std::string header, first, last, line;
  std::getline(table, header);
  std::getline(table, first);
  while (std::getline(table, line)) {
    last = line;
  }
  EXPECT_EQ(header, "station,cut volume,fill volume,ordinate");
  EXPECT_EQ(first, "0.000,0.00,0.00,0.00");
  EXPECT_NEAR(std::stod(last.substr(last.rfind(',') + 1)), haul["totals"]["final"].get<double>(),
              0.005);
}

TEST(MassHaulCommand, RefusalsWriteNothing) {
  const DemoCopy demo;
  const auto before = demo.Files();
  for (const auto& [command, status] : {std::pair{"masshaul DEMO.PRJ", 2},
                                        {"masshaul DEMO.PRJ --json --factor nan", 1},
                                        {"masshaul DEMO.PRJ --csv DEMO.DAT --yes", 1},
                                        {"masshaul MISSING.PRJ --json", 1}}) {
    SCOPED_TRACE(command);
    const auto run = demo.Calvora(command);
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_TRUE(demo.Files() == before);
}

}  // namespace
}  // namespace calvora
