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

}  // namespace
}  // namespace calvora
