// calvora masshaul on a copy of the demo road: its totals are the volume run's; what it refuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>

#include "support/run_program.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;

class MassHaulCommand : public ::testing::Test {
 protected:
  MassHaulCommand() {
    for (const auto& entry :
         fs::directory_iterator(fs::path(CALVORA_SOURCE_DIR) / "examples/demo")) {
      fs::copy_file(entry.path(), folder / entry.path().filename().string());
    }
  }
  testing::ProgramRun Run(std::vector<std::string> args) const {
    return testing::RunProgram(testing::CalvoraExecutable(), args, folder.Path());
  }
  // The number on the volumes summary's line that starts with the label.
  static double Summary(const std::string& out, const std::string& label) {
    std::smatch found;
    EXPECT_TRUE(std::regex_search(out, found, std::regex(label + " +([0-9.]+)"))) << label;
    return found.empty() ? 0 : std::stod(found[1]);
  }
  testing::TempFolder folder;
};

TEST_F(MassHaulCommand, TotalsAreTheVolumeRunsAndTheCsvTheOrdinates) {
  const auto volumes = Run({"volumes", "DEMO.PRJ", "--out", "V.OUT", "--yes"});
  ASSERT_EQ(volumes.status, 0) << volumes.err;
  const auto json = Run({"masshaul", "DEMO.PRJ", "--json", "--factor", "0.9"});
  ASSERT_EQ(json.status, 0) << json.err;
  const auto haul = nlohmann::json::parse(json.out);
  EXPECT_NEAR(haul["totals"]["cut"].get<double>(), 0.9 * Summary(volumes.out, "Cut"), 0.01);
  EXPECT_NEAR(haul["totals"]["fill"].get<double>(), Summary(volumes.out, "Fill, all"), 0.01);
  EXPECT_EQ(haul["ordinates"].size(), 79u);
  EXPECT_FALSE(haul["extremes"].empty());

  const auto csv = Run({"masshaul", "DEMO.PRJ", "--csv", "M.CSV", "--factor", "0.9"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  std::ifstream table(folder / "M.CSV");
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

TEST_F(MassHaulCommand, RefusalsWriteNothing) {
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {{"masshaul", "DEMO.PRJ"}, 2},
      {{"masshaul", "DEMO.PRJ", "--json", "--factor", "nan"}, 1},
      {{"masshaul", "DEMO.PRJ", "--csv", "DEMO.DAT", "--yes"}, 1},
      {{"masshaul", "MISSING.PRJ", "--json"}, 1},
  };
  const auto before = fs::file_size(folder / "DEMO.DAT");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const auto run = Run(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_EQ(fs::file_size(folder / "DEMO.DAT"), before);
}

}  // namespace
}  // namespace calvora
