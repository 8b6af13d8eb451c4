// calvora new, info and dump, run as the built executable on files the tests make.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>

#include "records/alignment_record.h"
#include "records/project_record.h"
#include "records/section_record.h"
#include "records/variant_record.h"
#include "support/record_bytes.h"
#include "support/record_file_contents.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::Bytes;
using testing::ProgramRun;
using testing::WriteBytes;

class NewInfoDump : public ::testing::Test {
 protected:
  ProgramRun Calvora(const std::vector<std::string>& args) const {
    return testing::RunProgram(testing::CalvoraExecutable(), args, folder_.Path());
  }
  std::string In(const std::string& name) const { return (folder_ / name).string(); }
  ProjectRecord ReadProject(const std::string& name) const {
    const auto records = testing::ReadRecordFile<ProjectRecord>(folder_ / name);
    EXPECT_EQ(fs::file_size(folder_ / name), ProjectRecord::kLength) << name;
    return records.at(0);
  }

  testing::TempFolder folder_;
};

// The run succeeded and each line is part of what it showed.
void ExpectShown(const ProgramRun& run, const std::vector<std::string>& lines) {
  EXPECT_EQ(run.status, 0) << run.err;
  for (const std::string& line : lines) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\nin\n" << run.out;
  }
}

TEST_F(NewInfoDump, RefusalsAndHelpChangeNoFile) {
  WriteBytes(folder_ / "OLD.PRJ", Bytes(2000, 0x55));
  WriteBytes(folder_ / "SHORT.PRJ", Bytes(700, ' '));
  WriteBytes(folder_ / "NOTES.TXT", Bytes(40, 'a'));
  fs::create_directory(folder_ / "adir");
  fs::create_directory(folder_ / "DIR.CRV");
  const struct {
    std::vector<std::string> args;
    int status;
    std::string shown;  // part of stdout or stderr
  } cases[] = {
      {{"new", "OLD.PRJ"}, 2, "already exists"},
      {{"new", "R.PRJ", "--data", "R.DAT", "--alignment", "R.CRV"},
       2,
       "Data file not found.Create New ?\" needs an answer: run again with --yes"},
      {{"new", "L.PRJ", "--data", std::string(120, 'n') + ".DAT", "--yes"},
       1,
       "longer than 100 characters"},
      {{"new", "L.PRJ", "--data", "道路.DAT", "--yes"}, 1, "cannot be stored"},
      {{"new", "L.PRJ", "--data", "X.DAT", "--variants", "./X.DAT", "--yes"}, 1, "named twice"},
      {{"new", "L.PRJ", "--alignment", "L.PRJ", "--yes"}, 1, "L.PRJ"},
      {{"new", ""}, 1, "the project file: the file name is empty."},
      {{"new", "f.PRJ", "--data", "", "--yes"}, 1, "--data: the file name is empty."},
      {{"new", "f.PRJ", "--data", "adir", "--yes"}, 1, "--data: adir is a folder, not a file."},
      {{"new", "f.PRJ", "--data", "missing/x.DAT", "--yes"}, 1, "missing does not exist."},
      {{"new", "f.PRJ", "--data", "x\x01.DAT", "-y"}, 1, "--data: the file name holds control"},
      {{"new", "adir", "--yes"}, 1, "the project file: adir is a folder, not a file."},
      {{"info", "SHORT.PRJ"}, 1, "not a project file"},
      {{"info", "NONE.PRJ"}, 1, "does not exist"},
      {{"info"}, 2, "info"},
      {{"dump", "SHORT.PRJ"}, 1, "SHORT.PRJ"},
      {{"dump", "NONE.DAT"}, 1, "NONE.DAT"},
      {{"dump", "DIR.CRV"}, 1, "DIR.CRV"},
      {{"dump", "NOTES.TXT"}, 2, ".PRJ, .DAT, .VAR or .CRV"},
      {{"new", "--help"}, 0, "--alignment"},
      {{"info", "--help"}, 0, "--json"},
      {{"dump", "--help"}, 0, "--json"},
  };
  const testing::FolderSnapshot before = testing::Snapshot(folder_.Path());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.front() + " " + (c.args.size() > 1 ? c.args[1] : ""));
    const ProgramRun run = Calvora(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE((run.out + run.err).find(c.shown), std::string::npos) << run.out << run.err;
    EXPECT_TRUE(testing::Snapshot(folder_.Path()) == before);
  }
}

TEST_F(NewInfoDump, NewWritesOneRecordAndCreatesTheWorkingFilesAskedFor) {
  ProjectRecord fresh;
  InitialiseNewProject(fresh);
  WriteBytes(folder_ / "OLD.PRJ", Bytes(2000, 0x55));  // a longer file replaced
  ASSERT_EQ(Calvora({"new", "OLD.PRJ", "--yes"}).status, 0);
  EXPECT_EQ(ReadProject("OLD.PRJ"), fresh);

  const ProgramRun created =
      Calvora({"new", "R.PRJ", "--data", "R.DAT", "--alignment", "sub/../R.CRV", "--yes"});
  ASSERT_EQ(created.status, 0) << created.err;
  EXPECT_EQ(fs::file_size(folder_ / "R.DAT"), 0U);
  EXPECT_EQ(fs::file_size(folder_ / "R.CRV"), 0U);
  ProjectRecord named = fresh;
  named.DataFile = In("R.DAT");
  named.AlignFile = In("R.CRV");
  EXPECT_EQ(ReadProject("R.PRJ"), named);

  // An existing working file is named without a question.
  WriteBytes(folder_ / "S.VAR", Bytes(488 * 2));
  ASSERT_EQ(Calvora({"new", "S.PRJ", "--variants", In("S.VAR")}).status, 0);
  EXPECT_EQ(ReadProject("S.PRJ").VariantFile, In("S.VAR"));
  EXPECT_EQ(fs::file_size(folder_ / "S.VAR"), 488U * 2);
  EXPECT_EQ(testing::Snapshot(folder_.Path()).size(), 6U);
}

class Info : public NewInfoDump {
 protected:
  // P.PRJ naming P.DAT (two sections), a missing P.VAR and no alignment file.
  Info() {
    ProjectRecord project;
    InitialiseNewProject(project);
    project.DataFile = "C:\\SURVEY\\p.dat";
    project.VariantFile = In("P.VAR");
    project.TitleLeft = "Ruta 5 – km 12";
    project.Compaction = {95, 90, 0, 0, 0};
    project.Margin = {0.5F, 0.5F, 1, 1};
    testing::WriteRecordFile<ProjectRecord>(folder_ / "P.PRJ", {project});
    testing::WriteRecordFile<SectionRecord>(folder_ / "P.DAT", {{}, {}});
  }
};

TEST_F(Info, JsonAndTextShowEveryFieldAndTheResolvedFiles) {
  const ProgramRun run = Calvora({"info", "P.PRJ", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json info = json::parse(run.out);
  const json& project = info.at("project");
  std::vector<std::string> fields;
  for (const auto& item : project.items()) {
    fields.push_back(item.key());
  }
  std::sort(fields.begin(), fields.end());
  EXPECT_EQ(fields,
            (std::vector<std::string>{"AlignFile", "CalcMethod", "Compaction", "DataFile",
                                      "DecaMethod", "DecaThick", "DrawBorder", "DrawDatum", "Font",
                                      "Margin", "NumLines", "Pen", "SectionsPerSheet", "Thickness",
                                      "TitleCenter", "TitleLeft", "TitleRight", "VariantFile"}));
  EXPECT_EQ(project["DataFile"], "C:\\SURVEY\\p.dat");
  EXPECT_EQ(project["TitleLeft"], "Ruta 5 – km 12");
  EXPECT_EQ(project["DrawBorder"], -1);
  EXPECT_EQ(project["Font"],
            (json{{"Name", "Courier New"}, {"Size", 10}, {"Bold", 0}, {"Italic", 0}}));
  EXPECT_EQ(project["Compaction"], (json{95.0, 90.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(project["Margin"], (json{0.5, 0.5, 1.0, 1.0}));
  EXPECT_EQ(info.at("files"), (json{{"data", {{"path", In("P.DAT")}, {"count", 2}}},
                                    {"variants", {{"path", In("P.VAR")}, {"count", nullptr}}},
                                    {"alignment", {{"path", nullptr}, {"count", nullptr}}}}));
  EXPECT_FALSE(fs::exists(folder_ / "P.VAR"));  // looking creates nothing

  ExpectShown(Calvora({"info", "P.PRJ"}),
              {"  DataFile: C:\\SURVEY\\p.dat\n", "  Font.Name: Courier New\n", "  Font.Size: 10\n",
               "  Compaction: 95 90 0 0 0\n", "  Margin: 0.5 0.5 1 1\n", "  DrawBorder: -1\n",
               "data: " + In("P.DAT") + " (2 records)",
               "variants: " + In("P.VAR") + " (not opened)", "alignment: none"});
}

TEST_F(Info, AWorkingFileOfTooManyRecordsIsReportedAndLeftAlone) {
  const auto size = static_cast<std::uintmax_t>(32768) * 190;
  fs::resize_file(folder_ / "P.DAT", size);
  const ProgramRun run = Calvora({"info", "P.PRJ", "--json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("more than 32,767 records"), std::string::npos) << run.err;
  EXPECT_EQ(json::parse(run.out)["files"]["data"]["count"], nullptr);
  EXPECT_EQ(fs::file_size(folder_ / "P.DAT"), size);
}

SectionRecord ThreeLeftTwoRight() {
  SectionRecord s;
  s.Kilo = 1;
  s.Meter = 20.5F;
  s.GRElev = 0.1F;
  s.PointCount[-1] = -3;
  s.PointCount[1] = 2;
  s.GroundPoints(-1, 0) = -2.5F;
  s.GroundPoints(-1, 1) = 98;
  s.GroundPoints(-3, 0) = -7.5F;
  s.GroundPoints(2, 0) = 6;
  s.GroundPoints(-4, 0) = -999;  // beyond the count: not part of the section
  return s;
}

TEST_F(NewInfoDump, DumpShowsEveryKindOfFileWithinItsCounts) {
  testing::WriteRecordFile<SectionRecord>(folder_ / "road.dat", {ThreeLeftTwoRight(), {}});
  const ProgramRun text = Calvora({"dump", "road.dat"});
  ExpectShown(text,
              {"2 records of 190 bytes\nRecord 1\n  Kilo: 1\n  Meter: 20.5\n", "  GRElev: 0.1\n",
               "  PointCount(-1): -3\n", "  GroundPoints(-1): -2.5 98\n", "Record 2\n"});
  EXPECT_EQ(text.out.find("999"), std::string::npos);
  const json data = json::parse(Calvora({"dump", "road.dat", "--json"}).out);
  EXPECT_EQ(data["kind"], "data");
  EXPECT_EQ(data["count"], 2);
  const json& first = data["records"][0];
  EXPECT_EQ(first["GRElev"].get<double>(), static_cast<double>(0.1F));  // the float's own value
  EXPECT_EQ(first["PointCount"], (json{{"-1", -3}, {"1", 2}}));
  std::vector<std::string> indices;
  for (const auto& [index, point] : first["GroundPoints"].items()) {
    indices.push_back(index);
  }
  EXPECT_EQ(indices, (std::vector<std::string>{"-1", "-2", "-3", "1", "2"}));
  EXPECT_EQ(first["GroundPoints"]["-3"], (json{-7.5, 0.0}));
  EXPECT_TRUE(data["records"][1]["GroundPoints"].empty());

  AlignmentRecord xy;
  xy.Code = 8;
  xy.Param1 = 1000;
  xy.Param2 = 2000.5F;
  AlignmentRecord odd;
  odd.Code = 42;
  testing::WriteRecordFile<AlignmentRecord>(folder_ / "R.CRV", {xy, odd});
  fs::resize_file(folder_ / "R.CRV", 45);  // five trailing bytes
  ExpectShown(Calvora({"dump", "R.CRV"}),
              {"2 records of 20 bytes, 5 trailing bytes not counted",
               "  Code: 8\n  CodeName: XYCoordinate\n  Param1: 1000\n"});
  const json alignment = json::parse(Calvora({"dump", "R.CRV", "--json"}).out);
  EXPECT_EQ(alignment["records"][0]["Param2"], 2000.5);
  EXPECT_EQ(alignment["records"][1]["CodeName"], nullptr);
  EXPECT_EQ(alignment["trailingBytes"], 5);

  VariantRecord v;
  v.LineCount[-1] = -2;
  v.LineCount[1] = 2;
  v.Point(-2, 0) = -7;
  v.CutTran(1, 0) = 1.5F;
  v.SubG = 0.45F;
  testing::WriteRecordFile<VariantRecord>(folder_ / "T.Var", {v});
  const json variant = json::parse(Calvora({"dump", "T.Var", "--json"}).out)["records"][0];
  EXPECT_EQ(variant["Point"].size(), 21U);
  EXPECT_EQ(variant["Point"]["-2"], (json{-7.0, 0.0}));
  EXPECT_EQ(variant["CutTran"].size(), 22U);  // row 0 is not used
  EXPECT_EQ(variant["CutTran"]["1"], (json{1.5, 0.0}));
  EXPECT_EQ(variant["FillTran"].size(), 10U);
  EXPECT_EQ(variant["LineCount"], (json{{"-1", -2.0}, {"1", 2.0}}));

  ProjectRecord project;
  InitialiseNewProject(project);
  testing::WriteRecordFile<ProjectRecord>(folder_ / "n.prj", {project});
  ExpectShown(Calvora({"dump", "n.prj"}), {"1 record of 728 bytes\nRecord 1\n  DataFile: \n"});
}

TEST_F(NewInfoDump, DumpOfADamagedRecordShowsNoNaN) {
  SectionRecord damaged = ThreeLeftTwoRight();
  damaged.Meter = std::numeric_limits<float>::quiet_NaN();
  damaged.PointCount[-1] = -32768;  // far beyond the table
  testing::WriteRecordFile<SectionRecord>(folder_ / "BAD.DAT", {damaged});
  const ProgramRun text = Calvora({"dump", "BAD.DAT"});
  ExpectShown(text, {"  Meter: invalid\n", "  GroundPoints(-10): "});
  EXPECT_EQ(text.out.find("nan"), std::string::npos);
  EXPECT_EQ(json::parse(Calvora({"dump", "BAD.DAT", "--json"}).out)["records"][0]["Meter"],
            nullptr);
}

}  // namespace
}  // namespace calvora
