#include "app/batch_command.h"
#include "app/batch_commands_list.h"

namespace calvora {

std::vector<std::unique_ptr<BatchCommand>> MakeBatchCommands() {
  std::vector<std::unique_ptr<BatchCommand>> commands;
  commands.push_back(MakeNewCommand());
  commands.push_back(MakeInfoCommand());
  commands.push_back(MakeDumpCommand());
  commands.push_back(MakeDxfCommand());
  commands.push_back(MakePrintCommand());
  commands.push_back(MakeVolumesCommand());
  commands.push_back(MakeCoordinatesCommand());
  commands.push_back(MakeCurvesCommand());
  commands.push_back(MakeSpiralsCommand());
  commands.push_back(MakeElevationsCommand());
  commands.push_back(MakeWidenCommand());
  commands.push_back(MakeSectionCommand());
  commands.push_back(MakeProfileCommand());
  commands.push_back(MakeMassHaulCommand());
  commands.push_back(MakeReportCommand());
  commands.push_back(MakeLandXmlCommand());
  commands.push_back(MakeLandXmlImportCommand());
  commands.push_back(MakePlanCommand());
  return commands;
}

}  // namespace calvora
