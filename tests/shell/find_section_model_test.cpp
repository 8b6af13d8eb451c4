// The find dialog: by number and by station, in the survey data and the alignment file, with its
// answer in the tag.

#include "shell/find_section_model.h"

#include <gtest/gtest.h>

#include "shell/loaded_file.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

constexpr const char* kNoInt16 = " cannot be stored; enter a whole number from -32768 to 32767.";

// The same four stations in both files: 0+12.3, 1+20, 1+20 again, 2+0.5; record 4 current.
template <typename Record>
struct Stations : testing::LoadedFile<Record> {
  explicit Stations(WorkingFile ProjectState::*kind)
      : testing::LoadedFile<Record>(kind, "ROAD",
                                    {Make(0, 12.3f), Make(1, 20), Make(1, 20), Make(2, 0.5f)}) {
    this->file.Current = 4;
  }
  static Record Make(std::int16_t kilo, float meter) {
    Record r;
    r.Kilo = kilo;
    r.Meter = meter;
    return r;
  }
};

struct Case {
  int option;
  const char* from;  // the record number, or km and metres
  const char* metres;
  std::string message;  // "" when found
  int current;
};

template <typename Record>
void Find(const char* tag, WorkingFile ProjectState::*kind, const Case& c) {
  Stations<Record> files(kind);
  testing::ScriptedDialogs dialogs;
  if (!c.message.empty()) {
    dialogs.ExpectMessage(c.message);
  }
  FindSectionModel find;
  find.Tag = tag;
  find.Choose(c.option);
  (c.option == FindSectionModel::kByNumber ? find.txtFromSec : find.txtFromStaKm) = c.from;
  find.txtFromStaMet = c.metres;
  find.Ok(files.state, dialogs);
  EXPECT_EQ(files.file.Current, c.current);
  EXPECT_EQ(find.Tag, c.message.empty() ? "True" : "False");
}

TEST(FindSectionModel, FindsByNumberOrStationInEitherFile) {
  constexpr int kNumber = FindSectionModel::kByNumber;
  constexpr int kStation = FindSectionModel::kByStation;
  const Case cases[] = {
      {kNumber, "2", "", "", 2},
      {kNumber, "2.5", "", "", 2},
      {kNumber, "0", "", "Section not found.", 4},
      {kNumber, "5", "", "Section not found.", 4},
      {kNumber, "65537", "", std::string("Section number: 65537") + kNoInt16, 4},
      {kStation, "0", "12.3", "", 1},  // compared at single precision
      {kStation, "1", "20", "", 2},    // the first of two
      {kStation, "1", "20.01", "Not found.", 4},
      {kStation, " ", "", "", 1},  // no station: the first record
      {kStation, "40000", "0", std::string("Station km: 40000") + kNoInt16, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.from << " + " << c.metres);
    Find<SectionRecord>(kDataFindTag, &ProjectState::Data, c);
    Find<AlignmentRecord>(kAlignFindTag, &ProjectState::Align, c);
  }
}

}  // namespace
}  // namespace calvora
