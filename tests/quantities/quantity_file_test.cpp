#include "quantities/quantity_file.h"

#include <gtest/gtest.h>

#include "quantities/report_file.h"
#include "records/file_error.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::TempFolder;

SectionSlot Section() {
  SectionSlot slot;
  slot.Number = 3;
  slot.Kilo = 1;
  slot.Meter = 20.5f;
  slot.Areas.CutArea = 12.34;
  slot.Areas.LayerArea = {1.5, 0, 0, 0, 9};
  slot.Areas.TopsoilArea = 3.25;
  return slot;
}

IntervalQuantities Interval() {
  IntervalQuantities q;
  q.Distance = 20;
  q.CutVolume = 300;
  q.LayerVolume = {0, 0, 0, 7.125, 99};
  q.TopsoilVolume = 45.5;
  return q;
}

TEST(QuantityFile, SectionLineHoldsTheAreasInFixedFields) {
  EXPECT_EQ(QuantitySectionLine(Section()),
            "   3"
            "   "
            "    1"
            "+ "
            " 20.50"
            "   "
            "  12.34"
            "   "
            "   0.00"
            "   "
            "   1.50"
            "   "
            "   0.00"
            "   "
            "   0.00"
            "   "
            "   0.00"
            "   "
            "  3.25");
}

TEST(QuantityFile, IntervalLineHoldsTheVolumesInFixedFields) {
  EXPECT_EQ(QuantityIntervalLine(Interval()), std::string(20, ' ') +
                                                  " 20.00"
                                                  "     "
                                                  "  300.00"
                                                  "     "
                                                  "    0.00"
                                                  "     "
                                                  "    0.00"
                                                  "     "
                                                  "    0.00"
                                                  "     "
                                                  "    0.00"
                                                  "     "
                                                  "    7.13"
                                                  "     "
                                                  "  45.50");
}

TEST(QuantityFile, ReadsBackWhatItWrote) {
  TempFolder folder;
  ReportFile file(folder / "R.OUT");
  file.Line(QuantitySectionLine(Section()));
  file.Line(QuantityIntervalLine(Interval()));
  file.Commit();

  QuantityFileReader reader(folder / "R.OUT");
  QuantitySection section;
  ASSERT_TRUE(reader.NextSection(section));
  EXPECT_EQ(section.Number, 3);
  EXPECT_EQ(section.Kilo, 1);
  EXPECT_EQ(section.Meter, 20.5);
  EXPECT_EQ(section.CutArea, 12.34);
  EXPECT_EQ(section.LayerArea[0], 1.5);
  EXPECT_EQ(section.TopsoilArea, 3.25);
  EXPECT_FALSE(reader.AtEnd());
  QuantityInterval interval;
  ASSERT_TRUE(reader.NextInterval(interval));
  EXPECT_EQ(interval.Distance, 20);
  EXPECT_EQ(interval.CutVolume, 300);
  EXPECT_EQ(interval.LayerVolume[3], 7.13);  // as the field holds it
  EXPECT_EQ(interval.TopsoilVolume, 45.5);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.NextSection(section));
}

TEST(QuantityFile, AValueWiderThanItsFieldLosesItsLeadingDigits) {
  IntervalQuantities q = Interval();
  q.CutVolume = 123456.78;
  TempFolder folder;
  ReportFile file(folder / "R.OUT");
  file.Line(QuantityIntervalLine(q));
  file.Commit();
  QuantityFileReader reader(folder / "R.OUT");
  QuantityInterval interval;
  ASSERT_TRUE(reader.NextInterval(interval));
  EXPECT_EQ(interval.CutVolume, 23456.78);
}

TEST(QuantityFile, ALineWithoutItsFieldsIsAnErrorNamingTheLine) {
  TempFolder folder;
  ReportFile file(folder / "R.OUT");
  file.Line(QuantitySectionLine(Section()));
  file.Line("   20.00   garbage");
  file.Commit();
  QuantityFileReader reader(folder / "R.OUT");
  QuantitySection section;
  ASSERT_TRUE(reader.NextSection(section));
  QuantityInterval interval;
  try {
    reader.NextInterval(interval);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("Line 2"), std::string::npos) << error.what();
  }
}

TEST(ReportFile, TheTargetKeepsItsOldTextUntilCommit) {
  TempFolder folder;
  testing::WriteBytes(folder / "R.OUT", {'o', 'l', 'd'});
  {
    ReportFile file(folder / "R.OUT");
    file.Line("new");
    EXPECT_EQ(testing::ReadText(folder / "R.OUT"), "old");
  }  // dropped without Commit: the scratch file goes, the old text stays
  EXPECT_EQ(testing::ReadText(folder / "R.OUT"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                          std::filesystem::directory_iterator()),
            1);
  ReportFile file(folder / "R.OUT");
  file.Line("new");
  file.FormFeed();
  file.Commit();
  EXPECT_EQ(testing::ReadText(folder / "R.OUT"), "new\r\n\f\r\n");
}

TEST(ReportFile, AFolderThatCannotBeWrittenIsAFileError) {
  EXPECT_THROW(ReportFile("/nonexistent-folder/R.OUT"), FileError);
}

}  // namespace
}  // namespace calvora
