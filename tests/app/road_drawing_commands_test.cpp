// calvora profile, masshaul and plan drawing their sheets on a copy of the demo road: PDF pages by
// the scale, DXF read back by an independent reader, and the refusals that write nothing.

#include <gtest/gtest.h>

#include "demo_copy.h"
#include "drawing/dxf_read_back.h"
#include "pdf_pages.h"

namespace calvora {
namespace {

using testing::DemoCopy;

TEST(RoadDrawingCommands, PdfPagesFollowTheHorizontalScale) {
  // The demo road runs 1560 m. A4 landscape is 58.47 units wide; less the margins (0.02 each)
  // and the band's captions and clearances (8 + 2) the plot is 48.43 units: 246.0 m at 1:1000,
  // 123.0 m at 1:500. The mass-haul plot gives 20 more units to its summary: 144.4 m at 1:1000.
  const DemoCopy demo;
  const struct {
    const char* command;
    int pages;
  } cases[] = {
      {"profile DEMO.PRJ --page A4 --landscape --pdf P1000.pdf", 7},
      {"profile DEMO.PRJ --page A4 --landscape --pdf P500.pdf --h-scale 500 --v-scale 50", 13},
      {"masshaul DEMO.PRJ --page A4 --landscape --pdf M.pdf --free-haul 100", 11},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    const auto run = demo.Calvora(c.command);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string command = c.command;
    const std::string file = command.substr(command.find("--pdf ") + 6);
    EXPECT_EQ(testing::PdfPages(demo / file.substr(0, file.find(' '))), c.pages);
  }
}

TEST(RoadDrawingCommands, DxfReadBackHasTheLayersAndTheGroundLine) {
  const DemoCopy demo;
  for (const char* format : {"", " --ascii"}) {
    SCOPED_TRACE(format);
    // At 1:10000 the whole road fits one sheet: the ground is one line of 79 points.
    const auto profile =
        demo.Calvora(std::string("profile DEMO.PRJ --h-scale 10000 --dxf P.DXF --yes") + format);
    ASSERT_EQ(profile.status, 0) << profile.err;
    const auto read = testing::ReadWithEzdxf(demo / "P.DXF");
    for (const char* layer : {"0", "Ground", "Project"}) {
      EXPECT_NE(std::find(read["layers"].begin(), read["layers"].end(), layer),
                read["layers"].end())
          << layer;
    }
    EXPECT_EQ(read["per_layer"]["Ground"]["LINE"].get<int>() + 1, 79);
    const auto haul =
        demo.Calvora(std::string("masshaul DEMO.PRJ --free-haul 200 --dxf M.DXF --yes") + format);
    ASSERT_EQ(haul.status, 0) << haul.err;
    const auto diagram = testing::ReadWithEzdxf(demo / "M.DXF");
    EXPECT_GE(diagram["per_layer"]["Project"]["LINE"].get<int>(), 78);  // split at sheet edges
    EXPECT_GT(diagram["per_layer"]["Deco"]["LINE"].get<int>(), 0);      // free-haul lines
  }
}

TEST(RoadDrawingCommands, RefusalsWriteNothing) {
  const DemoCopy demo;
  const auto before = demo.Files();
  for (const auto& [command, status] : {std::pair{"profile DEMO.PRJ --h-scale 0 --pdf X.pdf", 1},
                                        {"profile DEMO.PRJ --v-scale -100 --dxf X.DXF", 1},
                                        {"profile DEMO.PRJ --h-scale 0.001 --pdf X.pdf", 1},
                                        {"profile DEMO.PRJ --pdf X.pdf --json", 2},
                                        {"masshaul DEMO.PRJ --free-haul -5 --pdf X.pdf", 1},
                                        {"masshaul DEMO.PRJ --csv X.CSV --dxf X.DXF", 2},
                                        {"masshaul DEMO.PRJ", 2},
                                        {"masshaul DEMO.PRJ --json --factor nan", 1},
                                        {"masshaul DEMO.PRJ --csv DEMO.DAT --yes", 1},
                                        {"masshaul MISSING.PRJ --json", 1},
                                        {"plan DEMO.PRJ --scale 0 --pdf X.pdf", 1},
                                        {"plan DEMO.PRJ --scale 0.01 --dxf X.DXF", 1},
                                        {"plan DEMO.PRJ --ascii", 2}}) {
    SCOPED_TRACE(command);
    const auto run = demo.Calvora(command);
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_TRUE(demo.Files() == before);
}

}  // namespace
}  // namespace calvora
