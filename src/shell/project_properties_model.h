#pragma once
// The project properties dialog without its widgets: the texts and states of its controls, loaded
// from the project record and copied back into it on OK.

#include <array>
#include <string>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "records/project_record.h"

namespace calvora {

struct PropertiesTab {
  const char* caption;
  const char* toolTip;
  const char* frame;  // the frame the tab shows
};

struct FontChoice {
  std::string name;
  double pointSize = 0;  // rounded to whole points on OK
  bool bold = false;
  bool italic = false;
};

class ProjectPropertiesModel {
 public:
  static constexpr int kTabCount = 6;
  static constexpr int kMinSectionsPerSheet = 1;
  static constexpr int kMaxSectionsPerSheet = 10;
  static const std::array<PropertiesTab, kTabCount>& Tabs();

  // Fills the controls from the record; its six texts are trimmed in place.
  void Load(ProjectRecord& project);

  // Shows the frame of that tab and hides the other five.
  void SelectTab(int index);
  int CurrentTab() const { return currentTab_; }
  bool FrameVisible(int tab) const { return tab == currentTab_; }

  // The slider and the number beside it.
  void SetSectionsPerSheet(int value);
  int SectionsPerSheet() const { return sectionsPerSheet_; }
  std::string NumSecText() const { return std::to_string(sectionsPerSheet_); }

  // "Decapaje only in fill" (0) or "Fixed Width Decapaje" (1); the width is typed only for 1.
  void SelectDeca(int option) { optDeca = option; }
  bool DecaThickEnabled() const { return optDeca == 1; }

  // Copies the controls into the project, writes record 1 and opens the working files whose
  // names changed. A number that cannot be stored is refused with a message before anything is
  // written or changed; false then (and after a cancelled write), and the dialog stays open.
  bool Ok(ProjectState& state, UserDialogs& dialogs) const;

  // Control texts and states, named as the controls they stand for.
  std::string txtDatFile, txtVarFile, txtAlignFile;
  std::string txtLeft, txtCenter, txtRight;
  bool chkBorder = false;
  bool chkDatum = false;
  FontChoice font;
  std::array<std::string, 4> txtMargin;  // top, bottom, left, right
  std::array<std::string, 5> txtPen;     // border, ground, project, decapaje, layers
  std::array<std::string, ProjectRecord::kLayerCount> txtComp, txtThick;
  std::string txtNumLines;
  int optCalcMethod = 0;
  int optDeca = 0;
  std::string txtDecaThick;

 private:
  int currentTab_ = 0;
  int sectionsPerSheet_ = kMinSectionsPerSheet;
};

}  // namespace calvora
