// calvora landxml and landxml-import: the demo's alignment back from its own export, and the
// LandXML files the import refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "app/demo_copy.h"
#include "support/alignment_project.h"
#include "support/record_file_contents.h"

namespace calvora {
namespace {

using testing::DemoCopy;

std::vector<AlignmentRecord> Alignment(const DemoCopy& demo) {
  return testing::ReadRecordFile<AlignmentRecord>(demo / "DEMO.CRV");
}

bool IsCurveRecord(const AlignmentRecord& r) {
  return !r.Is(PointCode::XYCoordinate) && !r.Is(PointCode::ElevationPoint) &&
         !r.Is(PointCode::VerticalCurveMid);
}

// The parameters that hold angles in radians; the others hold metres.
bool IsAngle(const AlignmentRecord& r, int parameter) {
  return parameter == 3 && (r.Is(PointCode::LeftTurnStart) || r.Is(PointCode::RightTurnStart) ||
                            r.Is(PointCode::FirstSpiralStart) || r.Is(PointCode::SecondSpiralEnd));
}

TEST(LandXmlCommands, DemoAlignmentComesBackFromItsExport) {
  const DemoCopy demo;
  ASSERT_EQ(demo.Calvora("coordinates DEMO.PRJ --out before.XYZ").status, 0);
  ASSERT_EQ(demo.Calvora("landxml DEMO.PRJ --out road.xml").status, 0);
  const std::vector<testing::XyzLine> xyz = testing::ReadXyz(demo / "before.XYZ");
  std::vector<AlignmentRecord> original = Alignment(demo);
  // A bench mark has no place in LandXML's alignment.
  std::erase_if(original, [](const AlignmentRecord& r) { return r.Is(PointCode::BenchMark); });

  const testing::ProgramRun run = demo.Calvora("landxml-import DEMO.PRJ --in road.xml --yes");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<AlignmentRecord> imported = Alignment(demo);
  ASSERT_EQ(imported.size(), original.size());
  for (std::size_t i = 0; i < imported.size(); ++i) {
    SCOPED_TRACE("record " + std::to_string(i + 1));
    const AlignmentRecord& a = original[i];
    const AlignmentRecord& b = imported[i];
    EXPECT_EQ(a.Code, b.Code);
    const double station = b.Kilo * 1000.0 + b.Meter;
    if (IsCurveRecord(b)) {
      // A main point where the coordinate file has it (the demo's own curve records were
      // stationed with a shorter spiral series).
      EXPECT_TRUE(std::any_of(xyz.begin(), xyz.end(), [&](const testing::XyzLine& line) {
        return std::fabs(line.station - station) <= 0.001;
      })) << station;
    } else {
      EXPECT_NEAR(a.Kilo * 1000.0 + a.Meter, station, 0.001);
    }
    const float pa[] = {a.Param1, a.Param2, a.Param3};
    const float pb[] = {b.Param1, b.Param2, b.Param3};
    for (int p = 0; p < 3; ++p) {
      EXPECT_NEAR(pa[p], pb[p], IsAngle(a, p + 1) ? 1e-6 : 0.001) << "parameter " << p + 1;
    }
  }
  ASSERT_EQ(demo.Calvora("coordinates DEMO.PRJ --out after.XYZ").status, 0);
  const testing::FolderSnapshot files = demo.Files();
  EXPECT_EQ(files.at("after.XYZ"), files.at("before.XYZ"));
}

// A LandXML file around the alignments given.
std::string LandXml(const std::string& units, const std::string& alignments) {
  return R"(<?xml version="1.0"?><LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" )"
         R"(version="1.2"><Units>)" +
         units + "</Units><Alignments>" + alignments + "</Alignments></LandXML>";
}

const std::string kMetres = R"(<Metric linearUnit="meter"/>)";

std::string Road(const std::string& name, const std::string& geometry,
                 const std::string& profile = "") {
  return R"(<Alignment name=")" + name + R"(" staStart="0"><CoordGeom>)" + geometry +
         "</CoordGeom>" + profile + "</Alignment>";
}

std::string Line(const std::string& start, const std::string& end) {
  return "<Line><Start>" + start + "</Start><End>" + end + "</End></Line>";
}

const std::string kStraight = Line("0 0", "100 0");

struct BadFile {
  const char* what;
  std::string xml;
  const char* options;
  const char* shown;
};

const BadFile kBadFiles[] = {
    {"not well-formed", "<LandXML><Alignments>", "", "no well-formed XML"},
    {"not LandXML", "<Road/>", "", "no LandXML file"},
    {"no alignment", LandXml(kMetres, ""), "", "holds no alignment"},
    {"several, none named", LandXml(kMetres, Road("A", kStraight) + Road("B", kStraight)), "",
     "several alignments (A, B)"},
    {"named, not there", LandXml(kMetres, Road("A", kStraight) + Road("B", kStraight)),
     " --alignment C", "no alignment named C"},
    {"feet", LandXml(R"(<Imperial linearUnit="foot"/>)", Road("A", kStraight)), "", "feet"},
    {"not a number", LandXml(kMetres, Road("A", Line("NaN 0", "100 0"))), "",
     "Line at station 0+0 has no usable Start point"},
    {"absurd", LandXml(kMetres, Road("A", Line("0 0", "1e300 0"))), "",
     "Line at station 0+0 has no usable End point"},
    {"spiral not clothoid",
     LandXml(kMetres, Road("A", kStraight + R"(<Spiral spiType="cubic" rot="cw" length="50" )"
                                            R"(radiusStart="INF" radiusEnd="200"><Start>100 0)"
                                            "</Start><End>150 5</End></Spiral>")),
     "", "Spiral at station 0+100 is no clothoid"},
    {"asymmetric vertical curve",
     LandXml(kMetres, Road("A", kStraight,
                           "<Profile><ProfAlign><PVI>0 10</PVI><UnsymParaCurve lengthIn=\"10\" "
                           "lengthOut=\"20\">50 12</UnsymParaCurve><PVI>100 10</PVI></ProfAlign>"
                           "</Profile>")),
     "", "UnsymParaCurve at station 0+50"},
    {"curve off its tangent",
     LandXml(kMetres, Road("A", kStraight + R"(<Curve rot="cw" radius="100"><Start>100 0)"
                                            "</Start><Center>0 0</Center><End>0 100</End>"
                                            "</Curve>")),
     "", "does not follow from the corners"},
};

TEST(LandXmlCommands, RefusedFilesLeaveTheAlignmentAlone) {
  for (const BadFile& bad : kBadFiles) {
    SCOPED_TRACE(bad.what);
    const DemoCopy demo;
    std::ofstream(demo / "in.xml") << bad.xml;
    const testing::FolderSnapshot before = demo.Files();
    const testing::ProgramRun run =
        demo.Calvora(std::string("landxml-import DEMO.PRJ --in in.xml --yes") + bad.options);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(bad.shown), std::string::npos) << run.err;
    EXPECT_TRUE(demo.Files() == before);
  }
}

TEST(LandXmlCommands, WithoutPolygonPointsOnlyTheSectionsAreExported) {
  const testing::AlignmentProject project(
      {testing::ElevationRecord(0, 100)},
      {testing::SectionAt(0, 100), testing::SectionAt(20, 101)});
  const testing::ProgramRun run = project.Run("landxml ROAD.PRJ --out road.xml");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string xml = testing::Snapshot(project.Path(""))["road.xml"];
  EXPECT_EQ(xml.find("<CoordGeom"), std::string::npos);
  EXPECT_NE(xml.find(R"(<CrossSect name="2" sta="20.0000">)"), std::string::npos) << xml;
}

}  // namespace
}  // namespace calvora
