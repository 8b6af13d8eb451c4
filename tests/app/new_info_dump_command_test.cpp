// calvora new, info and dump, run as the built executable on files the tests make.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>

#include "records/alignment_record.h"
#include "records/project_record.h"
#include "records/record_file.h"
#include "records/section_record.h"
#include "records/variant_record.h"
#include "support/record_bytes.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::Bytes;
using testing::ProgramRun;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class NewInfoDumpTest : public ::testing::Test {
 protected:
  ProgramRun Calvora(const std::vector<std::string>& args) const {
    return testing::RunProgram(testing::CalvoraExecutable(), args, folder_.Path());
  }
  std::string In(const std::string& name) const { return (folder_ / name).string(); }

  template <typename Record>
  void WriteRecords(const std::string& name, const std::vector<Record>& records) const {
    RecordFile file(folder_ / name, Record::kLength);
    for (std::size_t i = 0; i < records.size(); ++i) {
      WriteRecord(file, static_cast<int>(i) + 1, records[i]);
    }
  }

  ProjectRecord ReadProject(const std::string& name) const {
    return ReadRecord<ProjectRecord>(RecordFile(folder_ / name, ProjectRecord::kLength), 1);
  }

  TempFolder folder_;
};

TEST_F(NewInfoDumpTest, NewWritesTheNewProjectRecord) {
  const ProgramRun run = Calvora({"new", "ROAD.PRJ"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Bytes b = ReadBytes(folder_ / "ROAD.PRJ");
  ASSERT_EQ(b.size(), 728U);
  EXPECT_EQ(testing::TextAt(b, 0, 600), std::string(600, ' '));
  EXPECT_EQ((Bytes{b[600], b[601], b[602], b[603]}), (Bytes{0x02, 0x00, 0xFF, 0xFF}));
  EXPECT_EQ(testing::TextAt(b, 606, 30), "Courier New" + std::string(19, ' '));
  EXPECT_EQ((Bytes{b[636], b[637], b[690], b[691]}), (Bytes{0x0A, 0x00, 0x40, 0x00}));
  EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(folder_.Path()), {}).size(), 1U);
}

TEST_F(NewInfoDumpTest, NewReplacesAnExistingProjectOnlyWithYes) {
  WriteBytes(folder_ / "OLD.PRJ", Bytes(10, 'x'));
  const ProgramRun refused = Calvora({"new", "OLD.PRJ"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("already exists"), std::string::npos) << refused.err;
  EXPECT_EQ(ReadBytes(folder_ / "OLD.PRJ"), Bytes(10, 'x'));
  const ProgramRun replaced = Calvora({"new", "OLD.PRJ", "--yes"});
  EXPECT_EQ(replaced.status, 0) << replaced.err;
  EXPECT_EQ(ReadProject("OLD.PRJ").NumLines, 64);
}

TEST_F(NewInfoDumpTest, NewWithMissingWorkingFilesNeedsYesAndChangesNothingWithout) {
  const ProgramRun refused = Calvora({"new", "R.PRJ", "--data", "R.DAT", "--alignment", "R.CRV"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("Data file not found.Create New ?"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("--yes"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "R.PRJ"));
  EXPECT_FALSE(fs::exists(folder_ / "R.DAT"));

  const ProgramRun run =
      Calvora({"new", "R.PRJ", "--data", "R.DAT", "--alignment", "sub/../R.CRV", "--yes"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(fs::file_size(folder_ / "R.DAT"), 0U);
  EXPECT_EQ(fs::file_size(folder_ / "R.CRV"), 0U);
  const ProjectRecord project = ReadProject("R.PRJ");
  EXPECT_EQ(project.DataFile, In("R.DAT"));
  EXPECT_EQ(project.VariantFile, "");
  EXPECT_EQ(project.AlignFile, In("R.CRV"));
  EXPECT_EQ(project.SectionsPerSheet, 2);
}

TEST_F(NewInfoDumpTest, NewNamesExistingWorkingFilesWithoutQuestions) {
  WriteBytes(folder_ / "S.VAR", Bytes(488 * 2));
  const ProgramRun run = Calvora({"new", "S.PRJ", "--variants", In("S.VAR")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadProject("S.PRJ").VariantFile, In("S.VAR"));
  EXPECT_EQ(fs::file_size(folder_ / "S.VAR"), 488U * 2);
}

TEST_F(NewInfoDumpTest, NewRefusesNamesThatDoNotFitOrNameOneFileTwice) {
  const std::string longName(120, 'n');
  const ProgramRun tooLong = Calvora({"new", "L.PRJ", "--data", longName + ".DAT", "--yes"});
  EXPECT_EQ(tooLong.status, 1);
  EXPECT_NE(tooLong.err.find("longer than 100 characters"), std::string::npos) << tooLong.err;
  const ProgramRun foreign = Calvora({"new", "L.PRJ", "--data", "道路.DAT", "--yes"});
  EXPECT_EQ(foreign.status, 1);
  EXPECT_NE(foreign.err.find("cannot be stored"), std::string::npos) << foreign.err;
  const ProgramRun twice =
      Calvora({"new", "L.PRJ", "--data", "X.DAT", "--variants", "./X.DAT", "--yes"});
  EXPECT_EQ(twice.status, 1);
  EXPECT_NE(twice.err.find("named twice"), std::string::npos) << twice.err;
  const ProgramRun itself = Calvora({"new", "L.PRJ", "--alignment", "L.PRJ", "--yes"});
  EXPECT_EQ(itself.status, 1);
  EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(folder_.Path()), {}).size(), 0U);
}

TEST_F(NewInfoDumpTest, NewWritesNothingUnlessAllItWasAskedSucceeds) {
  fs::create_directory(folder_ / "adir");
  const struct {
    std::vector<std::string> args;
    const char* message;
  } refusals[] = {
      {{"new", ""}, "the project file: the file name is empty."},
      {{"new", "f.PRJ", "--data", "", "--yes"}, "--data: the file name is empty."},
      {{"new", "f.PRJ", "--data", "adir", "--yes"}, "--data: adir is a folder, not a file."},
      {{"new", "f.PRJ", "--data", "missing/x.DAT", "--yes"}, "missing does not exist."},
      {{"new", "f.PRJ", "--data", "x\x01.DAT", "-y"}, "--data: the file name holds control"},
      {{"new", "adir", "--yes"}, "the project file: adir is a folder, not a file."},
  };
  for (const auto& refused : refusals) {
    const ProgramRun run = Calvora(refused.args);
    EXPECT_EQ(run.status, 1) << refused.message;
    EXPECT_NE(run.err.find(refused.message), std::string::npos) << run.err;
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(folder_.Path()), {}),
              std::vector<fs::path>{folder_ / "adir"});
  }
  // A longer file replaced is exactly one record long.
  WriteBytes(folder_ / "OLD.PRJ", Bytes(2000, 0x55));
  ASSERT_EQ(Calvora({"new", "OLD.PRJ", "-y"}).status, 0);
  EXPECT_EQ(fs::file_size(folder_ / "OLD.PRJ"), 728U);
}

class InfoTest : public NewInfoDumpTest {
 protected:
  // P.PRJ naming P.DAT (two sections), a missing P.VAR and no alignment file.
  InfoTest() {
    ProjectRecord project;
    InitialiseNewProject(project);
    project.DataFile = "C:\\SURVEY\\p.dat";
    project.VariantFile = In("P.VAR");
    project.TitleLeft = "Ruta 5 – km 12";
    project.Compaction = {95, 90, 0, 0, 0};
    project.Margin = {0.5F, 0.5F, 1, 1};
    WriteRecords<ProjectRecord>("P.PRJ", {project});
    WriteRecords<SectionRecord>("P.DAT", {SectionRecord{}, SectionRecord{}});
  }
};

TEST_F(InfoTest, JsonHasEveryFieldAndTheResolvedFiles) {
  const ProgramRun run = Calvora({"info", "P.PRJ", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json info = json::parse(run.out);
  const json& project = info.at("project");
  const std::vector<std::string> fields{
      "DataFile",         "VariantFile", "AlignFile", "TitleLeft", "TitleCenter", "TitleRight",
      "SectionsPerSheet", "DrawBorder",  "DrawDatum", "Font",      "Compaction",  "Thickness",
      "CalcMethod",       "DecaMethod",  "DecaThick", "NumLines",  "Margin",      "Pen"};
  EXPECT_EQ(project.size(), fields.size());
  for (const auto& field : fields) {
    EXPECT_TRUE(project.contains(field)) << field;
  }
  EXPECT_EQ(project["DataFile"], "C:\\SURVEY\\p.dat");
  EXPECT_EQ(project["TitleLeft"], "Ruta 5 – km 12");
  EXPECT_EQ(project["SectionsPerSheet"], 2);
  EXPECT_EQ(project["DrawBorder"], -1);
  EXPECT_EQ(project["Font"],
            (json{{"Name", "Courier New"}, {"Size", 10}, {"Bold", 0}, {"Italic", 0}}));
  EXPECT_EQ(project["Compaction"], (json{95.0, 90.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(project["Margin"], (json{0.5, 0.5, 1.0, 1.0}));
  EXPECT_EQ(project["Pen"].size(), 5U);
  EXPECT_EQ(project["NumLines"], 64);

  const json& files = info.at("files");
  EXPECT_EQ(files.size(), 3U);
  EXPECT_EQ(files["data"], (json{{"path", In("P.DAT")}, {"count", 2}}));
  EXPECT_EQ(files["variants"], (json{{"path", In("P.VAR")}, {"count", nullptr}}));
  EXPECT_EQ(files["alignment"], (json{{"path", nullptr}, {"count", nullptr}}));
  EXPECT_FALSE(fs::exists(folder_ / "P.VAR"));  // looking creates nothing
}

TEST_F(InfoTest, TextNamesEveryField) {
  const ProgramRun run = Calvora({"info", "P.PRJ"});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* line : {"  DataFile: C:\\SURVEY\\p.dat\n", "  Font.Name: Courier New\n",
                           "  Font.Size: 10\n", "  Compaction: 95 90 0 0 0\n",
                           "  Margin: 0.5 0.5 1 1\n", "  NumLines: 64\n", "  DrawBorder: -1\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\nin\n" << run.out;
  }
  EXPECT_NE(run.out.find("data: " + In("P.DAT") + " (2 records)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("variants: " + In("P.VAR") + " (not opened)"), std::string::npos);
  EXPECT_NE(run.out.find("alignment: none"), std::string::npos);
}

TEST_F(InfoTest, AWorkingFileOfTooManyRecordsIsReportedAndLeftAlone) {
  const auto size = static_cast<std::uintmax_t>(32768) * 190;
  fs::resize_file(folder_ / "P.DAT", size);
  const ProgramRun run = Calvora({"info", "P.PRJ", "--json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("more than 32,767 records"), std::string::npos) << run.err;
  EXPECT_EQ(json::parse(run.out)["files"]["data"]["count"], nullptr);
  EXPECT_EQ(fs::file_size(folder_ / "P.DAT"), size);
}

TEST_F(NewInfoDumpTest, InfoOnABadProjectFails) {
  WriteBytes(folder_ / "SHORT.PRJ", Bytes(700, ' '));
  const ProgramRun shortFile = Calvora({"info", "SHORT.PRJ"});
  EXPECT_EQ(shortFile.status, 1);
  EXPECT_NE(shortFile.err.find("not a project file"), std::string::npos) << shortFile.err;
  EXPECT_EQ(ReadBytes(folder_ / "SHORT.PRJ"), Bytes(700, ' '));
  const ProgramRun missing = Calvora({"info", "NONE.PRJ"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;
  EXPECT_FALSE(fs::exists(folder_ / "NONE.PRJ"));
  EXPECT_EQ(Calvora({"info"}).status, 2);
}

SectionRecord ThreeLeftTwoRight() {
  SectionRecord s;
  s.Kilo = 1;
  s.Meter = 20.5F;
  s.PRElev = 100.25F;
  s.GRElev = 0.1F;
  s.PointCount[-1] = -3;
  s.PointCount[1] = 2;
  s.Var = 1;
  s.GroundPoints(-1, 0) = -2.5F;
  s.GroundPoints(-1, 1) = 98;
  s.GroundPoints(-2, 0) = -5;
  s.GroundPoints(-3, 0) = -7.5F;
  s.GroundPoints(1, 0) = 3;
  s.GroundPoints(2, 0) = 6;
  s.GroundPoints(-4, 0) = -999;  // beyond the count: not part of the section
  return s;
}

TEST_F(NewInfoDumpTest, DumpOfSurveyDataShowsThePointsWithinTheCounts) {
  WriteRecords<SectionRecord>("road.dat", {ThreeLeftTwoRight(), SectionRecord{}});
  const ProgramRun text = Calvora({"dump", "road.dat"});
  ASSERT_EQ(text.status, 0) << text.err;
  for (const char* line :
       {"2 records of 190 bytes\n", "Record 1\n", "  Kilo: 1\n", "  Meter: 20.5\n",
        "  GRElev: 0.1\n", "  PointCount(-1): -3\n", "  PointCount(1): 2\n",
        "  GroundPoints(-1): -2.5 98\n", "  GroundPoints(2): 6 0\n", "Record 2\n"}) {
    EXPECT_NE(text.out.find(line), std::string::npos) << line << "\nin\n" << text.out;
  }
  EXPECT_EQ(text.out.find("999"), std::string::npos);

  const ProgramRun run = Calvora({"dump", "road.dat", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json dump = json::parse(run.out);
  EXPECT_EQ(dump["kind"], "data");
  EXPECT_EQ(dump["count"], 2);
  const json& first = dump["records"][0];
  EXPECT_EQ(first["GRElev"].get<double>(), static_cast<double>(0.1F));  // the float's own value
  EXPECT_EQ(first["PointCount"], (json{{"-1", -3}, {"1", 2}}));
  std::vector<std::string> indices;
  for (const auto& [index, point] : first["GroundPoints"].items()) {
    indices.push_back(index);
  }
  EXPECT_EQ(indices, (std::vector<std::string>{"-1", "-2", "-3", "1", "2"}));
  EXPECT_EQ(first["GroundPoints"]["-3"], (json{-7.5, 0.0}));
  EXPECT_TRUE(dump["records"][1]["GroundPoints"].empty());
}

TEST_F(NewInfoDumpTest, DumpOfAlignmentNamesThePointCode) {
  AlignmentRecord xy;
  xy.Code = 8;
  xy.Param1 = 1000;
  xy.Param2 = 2000.5F;
  AlignmentRecord odd;
  odd.Code = 42;
  WriteRecords<AlignmentRecord>("R.CRV", {xy, odd});
  WriteBytes(folder_ / "R.CRV", [&] {
    Bytes b = ReadBytes(folder_ / "R.CRV");
    b.resize(45, 0);  // five trailing bytes
    return b;
  }());
  const ProgramRun text = Calvora({"dump", "R.CRV"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("2 records of 20 bytes, 5 trailing bytes not counted"), std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("  Code: 8\n  CodeName: XYCoordinate\n  Param1: 1000\n"),
            std::string::npos)
      << text.out;
  const json dump = json::parse(Calvora({"dump", "R.CRV", "--json"}).out);
  EXPECT_EQ(dump["records"][0]["CodeName"], "XYCoordinate");
  EXPECT_EQ(dump["records"][0]["Param2"], 2000.5);
  EXPECT_EQ(dump["records"][1]["CodeName"], nullptr);
  EXPECT_EQ(dump["trailingBytes"], 5);
}

TEST_F(NewInfoDumpTest, DumpOfVariantsAndProjects) {
  VariantRecord v;
  v.LineCount[-1] = -2;
  v.LineCount[1] = 2;
  v.Point(-2, 0) = -7;
  v.CutTran(1, 0) = 1.5F;
  v.SubG = 0.45F;
  WriteRecords<VariantRecord>("T.Var", {v});
  const json variants = json::parse(Calvora({"dump", "T.Var", "--json"}).out);
  const json& first = variants["records"][0];
  EXPECT_EQ(first["Point"].size(), 21U);
  EXPECT_EQ(first["Point"]["-2"], (json{-7.0, 0.0}));
  EXPECT_EQ(first["CutTran"].size(), 22U);  // row 0 is not used
  EXPECT_EQ(first["CutTran"]["1"], (json{1.5, 0.0}));
  EXPECT_EQ(first["FillTran"].size(), 10U);
  EXPECT_EQ(first["LineCount"], (json{{"-1", -2.0}, {"1", 2.0}}));
  EXPECT_EQ(first["SubG"].get<double>(), static_cast<double>(0.45F));
  const ProgramRun variantText = Calvora({"dump", "T.Var"});
  EXPECT_NE(variantText.out.find("  Point(-2): -7 0\n"), std::string::npos) << variantText.out;
  EXPECT_NE(variantText.out.find("  SubG: 0.45\n"), std::string::npos);

  ASSERT_EQ(Calvora({"new", "n.prj"}).status, 0);
  const ProgramRun project = Calvora({"dump", "n.prj"});
  ASSERT_EQ(project.status, 0) << project.err;
  EXPECT_NE(project.out.find("1 record of 728 bytes\nRecord 1\n  DataFile: \n"), std::string::npos)
      << project.out;
  EXPECT_NE(project.out.find("  Font.Name: Courier New\n"), std::string::npos);
  EXPECT_NE(project.out.find("  NumLines: 64\n"), std::string::npos);
}

TEST_F(NewInfoDumpTest, DumpOfDamagedOrUnknownFilesFailsWithAMessage) {
  SectionRecord damaged = ThreeLeftTwoRight();
  damaged.Meter = std::numeric_limits<float>::quiet_NaN();
  damaged.PointCount[-1] = -32768;  // far beyond the table
  WriteRecords<SectionRecord>("BAD.DAT", {damaged});
  const ProgramRun nan = Calvora({"dump", "BAD.DAT"});
  EXPECT_EQ(nan.status, 0) << nan.err;
  EXPECT_NE(nan.out.find("  Meter: invalid\n"), std::string::npos) << nan.out;
  EXPECT_NE(nan.out.find("  GroundPoints(-10): "), std::string::npos);
  EXPECT_EQ(nan.out.find("nan"), std::string::npos);
  EXPECT_EQ(json::parse(Calvora({"dump", "BAD.DAT", "--json"}).out)["records"][0]["Meter"],
            nullptr);

  WriteBytes(folder_ / "SHORT.PRJ", Bytes(100, ' '));
  EXPECT_EQ(Calvora({"dump", "SHORT.PRJ"}).status, 1);
  EXPECT_EQ(Calvora({"dump", "NONE.DAT"}).status, 1);
  EXPECT_FALSE(fs::exists(folder_ / "NONE.DAT"));
  fs::create_directory(folder_ / "DIR.CRV");
  EXPECT_EQ(Calvora({"dump", "DIR.CRV"}).status, 1);
  WriteBytes(folder_ / "NOTES.TXT", Bytes(40, 'a'));
  const ProgramRun unknown = Calvora({"dump", "NOTES.TXT"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find(".PRJ, .DAT, .VAR or .CRV"), std::string::npos) << unknown.err;
  WriteBytes(folder_ / "HUGE.CRV", {});
  fs::resize_file(folder_ / "HUGE.CRV", static_cast<std::uintmax_t>(32768) * 20);
  EXPECT_EQ(Calvora({"dump", "HUGE.CRV"}).status, 1);
}

TEST_F(NewInfoDumpTest, EveryCommandHasHelp) {
  for (const char* command : {"new", "info", "dump"}) {
    const ProgramRun run = Calvora({command, "--help"});
    EXPECT_EQ(run.status, 0) << command;
    EXPECT_NE(run.out.find("--json") == std::string::npos ? run.out.find("--yes")
                                                          : run.out.find("--json"),
              std::string::npos)
        << run.out;
  }
  EXPECT_NE(Calvora({"new", "--help"}).out.find("--alignment"), std::string::npos);
}

}  // namespace
}  // namespace calvora
