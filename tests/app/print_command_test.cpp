// calvora print, run end to end without a display: a PDF with one page per sheet, or one PNG
// per sheet.

#include <gtest/gtest.h>

#include <QImageReader>
#include <filesystem>
#include <string>

#include "pdf_pages.h"
#include "support/road_project.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using testing::PdfPages;
using testing::ProgramRun;
using testing::TempFolder;

class PrintCommand : public ::testing::Test {
 protected:
  ProgramRun Print(std::vector<std::string> args) const {
    args.insert(args.begin(), "print");
    return testing::RunProgram(testing::CalvoraExecutable(), args, folder.Path());
  }
  TempFolder folder;
};

TEST_F(PrintCommand, RangeOfSheetsAsPdfPagesAndAsImages) {
  const fs::path project = testing::WriteRoad(folder.Path(), testing::SampleRoad());
  const ProgramRun pdf = Print({project.string(), "--pdf", "part.pdf", "--sheets", "2-3"});
  ASSERT_EQ(pdf.status, 0) << pdf.err;
  EXPECT_EQ(pdf.out, "part.pdf: 2 sheets\n");
  EXPECT_EQ(PdfPages(folder / "part.pdf"), 2);

  const ProgramRun png = Print({project.string(), "--png", "images", "--landscape"});
  ASSERT_EQ(png.status, 0) << png.err;
  for (const char* name : {"sheet_001.png", "sheet_002.png", "sheet_003.png"}) {
    // A4 landscape at 150 dots per inch.
    EXPECT_EQ(QImageReader(QString::fromStdString((folder / "images" / name).string())).size(),
              QSize(1754, 1240))
        << name;
  }
  EXPECT_FALSE(fs::exists(folder / "images" / "sheet_004.png"));
}

TEST_F(PrintCommand, RefusalsLeaveNoDocument) {
  const fs::path project = testing::WriteRoad(folder.Path(), testing::SampleRoad({.margin = 30}));
  const ProgramRun margins = Print({project.string(), "--pdf", "no.pdf"});
  EXPECT_EQ(margins.status, 1);
  EXPECT_NE(margins.err.find("the page is smaller than its margins"), std::string::npos);
  const ProgramRun range = Print({project.string(), "--pdf", "no.pdf", "--sheets", "7"});
  EXPECT_EQ(range.status, 1);
  EXPECT_FALSE(fs::exists(folder / "no.pdf"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 3);

  EXPECT_EQ(Print({project.string()}).status, 2);
  EXPECT_EQ(Print({project.string(), "--pdf", "a.pdf", "--png", "dir"}).status, 2);
}

}  // namespace
}  // namespace calvora
