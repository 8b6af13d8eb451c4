#include "shell/plan_window_model.h"

#include "shell/drawing_options.h"

namespace calvora {

PlanWindowModel::PlanWindowModel(const ProjectState& state, UserDialogs& dialogs)
    : SheetWindowModel(std::make_unique<PlanSheet>(state, dialogs)) {}

bool PlanWindowModel::AskScale() {
  auto& sheets = static_cast<PlanSheet&>(Set());
  double scale = sheets.Scale;
  if (!AskNumberChoices(sheets.Dialogs(), "Plan",
                        {{QuestionId::PlanScale, "Scale 1:", &scale, 0}})) {
    return false;
  }
  sheets.Scale = scale;
  Redraw();
  ShowSheet(CurrentSheet());
  return true;
}

}  // namespace calvora
