// calvora section --json on the demo road, against the section engine run in this process.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "demo_copy.h"
#include "records/variant_record.h"
#include "section/section_areas.h"
#include "section/section_engine.h"

namespace calvora {
namespace {

using nlohmann::json;

TEST(SectionCommand, JsonHasExactlyTheDocumentedKeysAndTheEnginesResults) {
  const testing::DemoCopy demo;
  const testing::ProgramRun run = demo.Calvora("section DEMO.PRJ --record 3 --json");
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
  EXPECT_EQ(section["catchPoint"]["right"].size(), 2u);
  EXPECT_EQ(section["areas"].size(), 4u);

  const RecordFile projectFile(demo / "DEMO.PRJ", ProjectRecord::kLength);
  const RecordFile data(demo / "DEMO.DAT", SectionRecord::kLength);
  const RecordFile variants(demo / "DEMO.VAR", VariantRecord::kLength);
  SectionEngine engine;
  const float station =
      engine.ComputeSection(data, variants, ReadRecord<ProjectRecord>(projectFile, 1), 3);
  const SectionResults& results = engine.Results();
  const SectionAreas areas = ComputeSectionAreas(results);
  EXPECT_FLOAT_EQ(section["station"].get<float>(), station);
  EXPECT_EQ(section["sideState"]["left"], results.SideState[-1]);
  EXPECT_EQ(section["sideState"]["right"], results.SideState[1]);
  ASSERT_EQ(section["polygons"].size(), results.SectionPolygons.size());
  for (std::size_t n = 0; n < results.SectionPolygons.size(); ++n) {
    const SectionPolygon& polygon = results.SectionPolygons[n];
    EXPECT_EQ(section["polygons"][n]["kind"], std::string(PolygonKindText(polygon.Kind)));
    ASSERT_EQ(section["polygons"][n]["points"].size(), polygon.Points.size());
    EXPECT_EQ(section["polygons"][n]["points"][0][0].get<double>(), polygon.Points[0].x);
  }
  EXPECT_EQ(section["areas"]["cut"].get<double>(), areas.CutArea);
  EXPECT_EQ(section["areas"]["fill"].get<double>(), areas.FillArea);
  EXPECT_EQ(section["areas"]["topsoil"].get<double>(), areas.TopsoilArea);
  EXPECT_EQ(section["layers"].size(), results.LayerPolygons.size());
  EXPECT_EQ(section["areas"]["layers"].size(), results.LayerPolygons.size());
}

}  // namespace
}  // namespace calvora
