// calvora section, run end to end on a copy of the demo road.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>

#include "app/batch_dialogs.h"
#include "records/record_file.h"
#include "records/section_record.h"
#include "section/section_areas.h"
#include "section/section_engine.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::ReadText;
using testing::TempFolder;

struct SectionRun {
  int status = -1;
  std::string out;
  std::string err;
};

class SectionCommand : public ::testing::Test {
 protected:
  SectionCommand() {
    for (const auto& entry :
         fs::directory_iterator(fs::path(CALVORA_SOURCE_DIR) / "examples" / "demo")) {
      fs::copy_file(entry.path(), folder_ / entry.path().filename().string());
    }
  }

  SectionRun Section(const std::string& arguments) const {
    const std::string command = "cd '" + folder_.Path().string() +
                                "' && '" CALVORA_BINARY_DIR "/calvora' section " + arguments +
                                " >out.txt 2>err.txt";
    const int raw = std::system(command.c_str());
    SectionRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadText(folder_ / "out.txt");
    run.err = ReadText(folder_ / "err.txt");
    return run;
  }

  int SectionCount() const {
    return RecordFile(folder_ / "DEMO.DAT", SectionRecord::kLength).Count();
  }

  TempFolder folder_;
};

TEST_F(SectionCommand, JsonHasExactlyTheDocumentedKeysAndTheEnginesResults) {
  const SectionRun run = Section("DEMO.PRJ --record 3 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const json section = json::parse(run.out);
  std::set<std::string> keys;
  for (const auto& item : section.items()) {
    keys.insert(item.key());
  }
  EXPECT_EQ(keys,
            (std::set<std::string>{"record", "station", "sideState", "catchPoint", "wallHeight",
                                   "polygons", "strip", "layers", "areas", "messages"}));
  EXPECT_EQ(section["record"], 3);
  EXPECT_TRUE(section["sideState"].contains("left") && section["sideState"].contains("right"));
  EXPECT_EQ(section["catchPoint"]["right"].size(), 2u);
  EXPECT_EQ(section["areas"].size(), 4u);

  // The same section through the engine in this process.
  const RecordFile projectFile(folder_ / "DEMO.PRJ", ProjectRecord::kLength);
  const RecordFile data(folder_ / "DEMO.DAT", SectionRecord::kLength);
  const RecordFile variants(folder_ / "DEMO.VAR", VariantRecord::kLength);
  std::ostringstream messages;
  BatchDialogs dialogs(messages);
  SectionEngine engine;
  const float station =
      engine.ComputeSection(data, variants, ReadRecord<ProjectRecord>(projectFile, 1), 3);
  const SectionAreas areas = ComputeSectionAreas(engine.Results());
  EXPECT_FLOAT_EQ(section["station"].get<float>(), station);
  EXPECT_EQ(section["sideState"]["left"], engine.Results().SideState[-1]);
  ASSERT_EQ(section["polygons"].size(), engine.Results().SectionPolygons.size());
  for (std::size_t n = 0; n < engine.Results().SectionPolygons.size(); ++n) {
    const SectionPolygon& polygon = engine.Results().SectionPolygons[n];
    EXPECT_EQ(section["polygons"][n]["kind"], std::string(PolygonKindText(polygon.Kind)));
    ASSERT_EQ(section["polygons"][n]["points"].size(), polygon.Points.size());
    EXPECT_EQ(section["polygons"][n]["points"][0][0].get<double>(), polygon.Points[0].x);
  }
  EXPECT_EQ(section["areas"]["cut"].get<double>(), areas.CutArea);
  EXPECT_EQ(section["areas"]["fill"].get<double>(), areas.FillArea);
  EXPECT_EQ(section["areas"]["topsoil"].get<double>(), areas.TopsoilArea);
  EXPECT_EQ(section["layers"].size(), engine.Results().LayerPolygons.size());
  EXPECT_EQ(section["areas"]["layers"].size(), engine.Results().LayerPolygons.size());
}

TEST_F(SectionCommand, AnswersForEverySectionOfTheDemoRoad) {
  const int count = SectionCount();
  ASSERT_GT(count, 0);
  for (int record = 1; record <= count; ++record) {
    const SectionRun run = Section("DEMO.PRJ --json --record " + std::to_string(record));
    ASSERT_TRUE(run.status == 0 || run.status == 1) << record << ": " << run.err;
    const json section = json::parse(run.out);
    EXPECT_EQ(section["record"], record);
    // A failed section says why; a computed one shows nothing.
    EXPECT_EQ(run.status == 1, !section["messages"].empty()) << record;
    for (const auto& polygon : section["polygons"]) {
      EXPECT_TRUE(polygon["kind"] == "cut" || polygon["kind"] == "fill");
      EXPECT_EQ(polygon["points"].front(), polygon["points"].back()) << record;
    }
  }
}

TEST_F(SectionCommand, TextFormListsStationBodiesAndAreas) {
  const SectionRun run = Section("DEMO.PRJ --record 1");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Section 1  station "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Polygon 1 ("), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(" m2  Fill "), std::string::npos) << run.out;
}

TEST_F(SectionCommand, BadVariantNumberFailsWithTheEnginesMessage) {
  {
    RecordFile data(folder_ / "DEMO.DAT", SectionRecord::kLength);
    SectionRecord section = ReadRecord<SectionRecord>(data, 2);
    section.Var = 999;
    WriteRecord(data, 2, section);
  }
  const SectionRun run = Section("DEMO.PRJ --record 2 --json");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Bad Variant number at station : "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Section No. =( 2)"), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty()) << run.out;
}

TEST_F(SectionCommand, RecordOutsideTheFileIsAUsageError) {
  EXPECT_EQ(Section("DEMO.PRJ --record 0").status, 2);
  EXPECT_EQ(Section("DEMO.PRJ --record " + std::to_string(SectionCount() + 1)).status, 2);
  EXPECT_EQ(Section("DEMO.PRJ").status, 2);
}

}  // namespace
}  // namespace calvora
