#include "shell/cross_window_model.h"

namespace calvora {

CrossWindowModel::CrossWindowModel(const ProjectState& state, UserDialogs& dialogs)
    : SheetWindowModel(std::make_unique<CrossSheet>(state, dialogs)) {}

void CrossWindowModel::ShowSection(int record) {
  const int perSheet = Sheets().State().Project.SectionsPerSheet;
  if (perSheet >= 1 && record >= 1) {
    ShowSheet(SheetOfSection(record, perSheet));
  }
}

int CrossWindowModel::SectionAt(double fx, double fy) const {
  const CrossSheet& sheets = Sheets();
  const ProjectRecord& project = sheets.State().Project;
  const SheetSize& sheet = sheets.Sheet;
  if (!HasPage() || !sheets.SettingsProblem().empty()) {
    return 0;
  }
  const double x = fx * sheet.Width - project.Margin[2];
  const double fromTop = fy * sheet.Height - project.Margin[0];
  const double usableWidth = sheet.Width - project.Margin[2] - project.Margin[3];
  const double usableHeight = sheet.Height - project.Margin[0] - project.Margin[1];
  if (!(x >= 0 && x <= usableWidth && fromTop >= 0 && fromTop < usableHeight)) {
    return 0;
  }
  const int slot = static_cast<int>(fromTop / (usableHeight / project.SectionsPerSheet));
  const SheetSections sections =
      SectionsOfSheet(CurrentSheet(), sheets.State().Data.Count(), project.SectionsPerSheet);
  const int record = sections.First + slot;
  return record <= sections.Last ? record : 0;
}

}  // namespace calvora
