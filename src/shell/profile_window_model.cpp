#include "shell/profile_window_model.h"

#include "shell/drawing_options.h"

namespace calvora {

ProfileWindowModel::ProfileWindowModel(const ProjectState& state, UserDialogs& dialogs)
    : SheetWindowModel(std::make_unique<ProfileSheet>(state, dialogs)) {}

bool ProfileWindowModel::AskScales() {
  auto& sheets = static_cast<ProfileSheet&>(Set());
  ProfileScales scales = sheets.Scales;
  if (!AskNumberChoices(
          sheets.Dialogs(), "Longitudinal Section",
          {{QuestionId::HorizontalScale, "Horizontal scale 1:", &scales.Horizontal, 0},
           {QuestionId::VerticalScale, "Vertical scale 1:", &scales.Vertical, 0}})) {
    return false;
  }
  sheets.Scales = scales;
  Redraw();
  ShowSheet(CurrentSheet());
  return true;
}

}  // namespace calvora
