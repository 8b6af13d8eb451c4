#include "shell/mass_haul_window_model.h"

#include "shell/drawing_options.h"

namespace calvora {

MassHaulWindowModel::MassHaulWindowModel(const ProjectState& state, UserDialogs& dialogs)
    : SheetWindowModel(std::make_unique<MassHaulSheet>(state, dialogs)) {}

void MassHaulWindowModel::Compute(Progress& progress) {
  MassHaulSheet& diagram = Diagram();
  diagram.Haul = ComputeMassHaul(diagram.State(), diagram.Options.CutFactor, progress);
  for (const std::string& message : diagram.Haul.Messages) {
    diagram.Dialogs().Message(message);
  }
  Redraw();
  ShowSheet(CurrentSheet());
}

bool MassHaulWindowModel::AskOptions(Progress& progress) {
  MassHaulSheet& diagram = Diagram();
  MassHaulOptions options = diagram.Options;
  if (!AskNumberChoices(
          diagram.Dialogs(), "Mass-haul Diagram",
          {{QuestionId::CutFactor, "Cut factor (bulking or shrinkage):", &options.CutFactor, 0},
           {QuestionId::FreeHaul, "Free-haul distance (m, 0 for none):", &options.FreeHaul, 0,
            false},
           {QuestionId::HorizontalScale, "Horizontal scale 1:", &options.Horizontal, 0}})) {
    return false;
  }
  diagram.Options = options;
  Compute(progress);
  return true;
}

}  // namespace calvora
