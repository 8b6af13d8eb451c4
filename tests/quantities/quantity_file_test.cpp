#include "quantities/quantity_file.h"

#include <gmock/gmock.h>
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

// Every field read back, in the order of the line.
std::vector<double> Values(const QuantitySection& s) {
  const double number = s.Number;
  return {number,         s.Kilo,         s.Meter,        s.CutArea,      s.FillArea,
          s.LayerArea[0], s.LayerArea[1], s.LayerArea[2], s.LayerArea[3], s.TopsoilArea};
}
std::vector<double> Values(const QuantityInterval& q) {
  return {q.Distance,       q.CutVolume,      q.FillVolume,     q.LayerVolume[0],
          q.LayerVolume[1], q.LayerVolume[2], q.LayerVolume[3], q.TopsoilVolume};
}

// The quantity file R.OUT being written, with the run's log of wide numbers.
struct Writing {
  TempFolder folder;
  ReportFile file{folder / "R.OUT"};
  WideFields wide;
  ReportFields fields{file, wide};

  std::string SectionLine(const SectionSlot& section) {
    return QuantitySectionLine(section, fields);
  }
  std::string IntervalLine(const IntervalQuantities& interval) {
    return QuantityIntervalLine(interval, FieldPlace::Interval(2, 3), fields);
  }
};

TEST(QuantityFile, ReadsBackWhatItWroteAndWritesWideNumbersWhole) {
  SectionSlot wideSection = Section();
  wideSection.Number = 12345;
  wideSection.Kilo = -32768;
  wideSection.Meter = 1100;
  wideSection.Areas.FillArea = 12345.67;
  wideSection.Areas.TopsoilArea = -1000;
  IntervalQuantities wideInterval = Interval();
  wideInterval.Distance = 1100;
  wideInterval.FillVolume = 108295.4;
  wideInterval.LayerVolume[3] = 123456789.125;
  Writing out;
  out.file.Line(out.SectionLine(Section()));
  out.file.Line(out.IntervalLine(Interval()));
  const std::string sectionLine = out.SectionLine(wideSection);
  out.file.Line(sectionLine);
  out.file.Line(out.IntervalLine(wideInterval));
  out.file.Commit();

  EXPECT_EQ(sectionLine.substr(0, 24), "12345   -32768+ 1100.00 ");
  QuantityFileReader reader(out.folder / "R.OUT");
  QuantitySection section;
  ASSERT_TRUE(reader.NextSection(section));
  EXPECT_EQ(Values(section), (std::vector<double>{3, 1, 20.5, 12.34, 0, 1.5, 0, 0, 0, 3.25}));
  EXPECT_FALSE(reader.AtEnd());
  QuantityInterval interval;
  ASSERT_TRUE(reader.NextInterval(interval));
  // 7.125 as the field holds it.
  EXPECT_EQ(Values(interval), (std::vector<double>{20, 300, 0, 0, 0, 0, 7.13, 45.5}));
  ASSERT_TRUE(reader.NextSection(section));
  EXPECT_EQ(Values(section),
            (std::vector<double>{12345, -32768, 1100, 12.34, 12345.67, 1.5, 0, 0, 0, -1000}));
  ASSERT_TRUE(reader.NextInterval(interval));
  EXPECT_EQ(Values(interval),
            (std::vector<double>{1100, 300, 108295.4, 0, 0, 0, 123456789.13, 45.5}));
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.NextSection(section));
  EXPECT_EQ(out.wide.Message(),
            "Numbers too wide for their columns are written in full, their rows wider than the "
            "table. R.OUT: section number at section 12345, kilometre at section 12345, metre at "
            "section 12345, fill area at section 12345, topsoil area at section 12345, distance "
            "at sections 2-3, fill volume at sections 2-3, layer 4 volume at sections 2-3.");
}

TEST(QuantityFile, ALineWithoutItsFieldsIsAnErrorNamingTheLine) {
  Writing out;
  out.file.Line(out.SectionLine(Section()));
  out.file.Line("   20.00   garbage");
  out.file.Commit();
  QuantityFileReader reader(out.folder / "R.OUT");
  QuantitySection section;
  ASSERT_TRUE(reader.NextSection(section));
  QuantityInterval interval;
  EXPECT_THAT([&] { reader.NextInterval(interval); },
              ::testing::ThrowsMessage<FileError>(::testing::HasSubstr("Line 2")));
}

}  // namespace
}  // namespace calvora
