// The find dialog: by number and by station, in the survey data and the alignment file, with its
// answer in the tag.

#include "shell/find_section_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::ScriptedDialogs;

struct Station {
  std::int16_t kilo;
  float meter;
};

// Two files of the same stations: 0+12.3, 1+20, 1+20 (again), 2+0.5.
struct Files {
  testing::TempFolder folder;
  ProjectState state;
  const std::vector<Station> stations = {{0, 12.3f}, {1, 20}, {1, 20}, {2, 0.5f}};

  Files() {
    state.Data.FileName = "ROAD.DAT";
    state.Data.File.emplace(folder / "ROAD.DAT", SectionRecord::kLength);
    state.Align.FileName = "ROAD.CRV";
    state.Align.File.emplace(folder / "ROAD.CRV", AlignmentRecord::kLength);
    for (std::size_t n = 0; n < stations.size(); ++n) {
      SectionRecord section;
      section.Kilo = stations[n].kilo;
      section.Meter = stations[n].meter;
      WriteRecord(*state.Data.File, int(n) + 1, section);
      AlignmentRecord point;
      point.Kilo = stations[n].kilo;
      point.Meter = stations[n].meter;
      WriteRecord(*state.Align.File, int(n) + 1, point);
    }
    state.Data.Current = state.Align.Current = 4;
  }
};

TEST(FindSectionModel, FindsByNumberOrStationInEitherFile) {
  struct Case {
    const char* name;
    int option;
    const char* number;
    const char* km;
    const char* m;
    const char* message;  // "" when nothing is said
    int current;          // 4 (as before) when not found
  };
  const Case cases[] = {
      {"number", FindSectionModel::kByNumber, "2", "", "", "", 2},
      {"number rounded", FindSectionModel::kByNumber, "2.5", "", "", "", 2},
      {"number 0", FindSectionModel::kByNumber, "0", "", "", "Section not found.", 4},
      {"number past the count", FindSectionModel::kByNumber, "5", "", "", "Section not found.", 4},
      {"number beyond int16", FindSectionModel::kByNumber, "65537", "", "",
       "Section number: 65537 cannot be stored; enter a whole number from -32768 to 32767.", 4},
      {"station of single precision", FindSectionModel::kByStation, "", "0", "12.3", "", 1},
      {"first of two equal stations", FindSectionModel::kByStation, "", "1", "20", "", 2},
      {"no such station", FindSectionModel::kByStation, "", "1", "20.01", "Not found.", 4},
      {"blank station: the first", FindSectionModel::kByStation, "", " ", "", "", 1},
      {"km beyond int16", FindSectionModel::kByStation, "", "40000", "0",
       "Station km: 40000 cannot be stored; enter a whole number from -32768 to 32767.", 4},
  };
  for (const char* tag : {kDataFindTag, kAlignFindTag}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(tag) + ": " + c.name);
      Files files;
      ScriptedDialogs dialogs;
      if (*c.message != '\0') {
        dialogs.ExpectMessage(c.message);
      }
      FindSectionModel find;
      find.Tag = tag;
      find.Activate();
      find.Choose(c.option);
      find.txtFromSec = c.number;
      find.txtFromStaKm = c.km;
      find.txtFromStaMet = c.m;
      find.Ok(files.state, dialogs);
      const bool data = std::string(tag) == kDataFindTag;
      EXPECT_EQ((data ? files.state.Data : files.state.Align).Current, c.current);
      EXPECT_EQ((data ? files.state.Align : files.state.Data).Current, 4) << "the other file";
      EXPECT_EQ(find.Tag, *c.message == '\0' ? "True" : "False");
    }
  }
}

TEST(FindSectionModel, OptionsEnableTheirFieldsAndCancelAnswersFalse) {
  FindSectionModel find;
  find.Choose(FindSectionModel::kByStation);
  EXPECT_TRUE(find.StationEnabled() && !find.NumberEnabled());
  find.Activate();
  EXPECT_TRUE(find.NumberEnabled() && !find.StationEnabled());
  find.Tag = kDataFindTag;
  find.Cancel();
  EXPECT_EQ(find.Tag, "False");
}

}  // namespace
}  // namespace calvora
