// calvora volumes, run end to end on a copy of the demo road.

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "records/project_record.h"
#include "records/record_file.h"
#include "records/section_record.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::TempFolder;

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

class VolumesCommand : public ::testing::Test {
 protected:
  VolumesCommand() {
    for (const auto& entry :
         fs::directory_iterator(fs::path(CALVORA_SOURCE_DIR) / "examples" / "demo")) {
      fs::copy_file(entry.path(), folder_ / entry.path().filename().string());
    }
  }

  CommandResult Volumes(const std::string& arguments) const {
    const std::string command = "cd '" + folder_.Path().string() +
                                "' && '" CALVORA_BINARY_DIR "/calvora' volumes " + arguments +
                                " >out.txt 2>err.txt";
    const int raw = std::system(command.c_str());
    CommandResult run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadText(folder_ / "out.txt");
    run.err = ReadText(folder_ / "err.txt");
    return run;
  }

  TempFolder folder_;
};

TEST_F(VolumesCommand, WritesTheFourReportsAndPrintsTheSummary) {
  const CommandResult run = Volumes("DEMO.PRJ");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* name : {"DEMO.OUT", "DEMO.SRF", "DEMO.VOL", "DEMO.TRF"}) {
    EXPECT_TRUE(fs::exists(folder_ / name)) << name;
    EXPECT_NE(run.out.find((folder_ / name).string()), std::string::npos) << run.out;
  }
  EXPECT_NE(run.out.find("Sections" + std::string(32, ' ') + "79\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Fill, layer 1 (95 %)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Fill below the layers"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Topsoil"), std::string::npos) << run.out;
  EXPECT_EQ(run.err, "");
}

// The number the summary prints on the line that begins with label.
double SummaryValue(const std::string& out, const std::string& label) {
  const std::size_t at = out.find("\n" + label + "  ");
  EXPECT_NE(at, std::string::npos) << label << "\n" << out;
  return at == std::string::npos ? -1 : std::stod(out.substr(at + 1 + 28));
}

TEST_F(VolumesCommand, FiveLayersGiveTheFillBelowTheFifthALineOfItsOwn) {
  {
    RecordFile projectFile(folder_ / "DEMO.PRJ", ProjectRecord::kLength);
    ProjectRecord project = ReadRecord<ProjectRecord>(projectFile, 1);
    project.Thickness = {0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
    project.Compaction = {100, 95, 95, 95, 90};
    WriteRecord(projectFile, 1, project);
  }
  const CommandResult run = Volumes("DEMO.PRJ");
  ASSERT_EQ(run.status, 0) << run.err;
  const double below = SummaryValue(run.out, "Fill below the layers");
  EXPECT_GT(below, 0);
  double parts = below;
  for (const char* band : {"1 (100 %)", "2 (95 %)", "3 (95 %)", "4 (95 %)", "5 (90 %)"}) {
    parts += SummaryValue(run.out, std::string("Fill, layer ") + band);
  }
  EXPECT_NEAR(SummaryValue(run.out, "Fill, all"), parts, 0.006);
  EXPECT_NEAR(SummaryValue(run.out, "Fill hauled (0524)"), parts, 0.006);
  const std::string volumeReport = ReadText(folder_ / "DEMO.VOL");
  EXPECT_NE(volumeReport.find("    Fill below the layers" + fmt::format("{:>25.2f}", below) +
                              " m3: the fill below the fifth"),
            std::string::npos);
}

TEST_F(VolumesCommand, AnExistingQuantityFileIsReplacedOnlyWithYes) {
  ASSERT_EQ(Volumes("DEMO.PRJ").status, 0);
  const CommandResult refused = Volumes("DEMO.PRJ");
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("--yes"), std::string::npos) << refused.err;
  EXPECT_EQ(Volumes("DEMO.PRJ --yes").status, 0);
}

TEST_F(VolumesCommand, OutNamesTheQuantityFileAndTheReportsFollowIt) {
  const CommandResult run = Volumes("DEMO.PRJ --out " + (folder_ / "RUN2.OUT").string());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(folder_ / "RUN2.SRF"));
  EXPECT_TRUE(fs::exists(folder_ / "RUN2.VOL"));
  EXPECT_FALSE(fs::exists(folder_ / "RUN2.TRF"));  // no RUN2.DPO beside it
  EXPECT_FALSE(fs::exists(folder_ / "DEMO.OUT"));
}

TEST_F(VolumesCommand, EngineMessagesGoToStderrAndABadVariantFails) {
  {
    RecordFile data(folder_ / "DEMO.DAT", SectionRecord::kLength);
    SectionRecord section = ReadRecord<SectionRecord>(data, 5);
    section.Var = 9;
    WriteRecord(data, 5, section);
  }
  const CommandResult run = Volumes("DEMO.PRJ");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Bad Variant number at station :  0+80  Section No. =( 5)"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(folder_ / "DEMO.OUT"));
}

TEST_F(VolumesCommand, AMissingProjectFails) {
  const CommandResult run = Volumes("NOWHERE.PRJ");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.err, "");
}

}  // namespace
}  // namespace calvora
