#pragma once
// Factories of the batch subcommands, one source file each.

#include <memory>

#include "app/batch_command.h"

namespace calvora {

std::unique_ptr<BatchCommand> MakeNewCommand();
std::unique_ptr<BatchCommand> MakeInfoCommand();
std::unique_ptr<BatchCommand> MakeDumpCommand();
std::unique_ptr<BatchCommand> MakeDxfCommand();
std::unique_ptr<BatchCommand> MakePrintCommand();
std::unique_ptr<BatchCommand> MakeVolumesCommand();
std::unique_ptr<BatchCommand> MakeCoordinatesCommand();
std::unique_ptr<BatchCommand> MakeCurvesCommand();
std::unique_ptr<BatchCommand> MakeSpiralsCommand();
std::unique_ptr<BatchCommand> MakeElevationsCommand();
std::unique_ptr<BatchCommand> MakeWidenCommand();
std::unique_ptr<BatchCommand> MakeSectionCommand();
std::unique_ptr<BatchCommand> MakeMassHaulCommand();
std::unique_ptr<BatchCommand> MakeProfileCommand();
std::unique_ptr<BatchCommand> MakeReportCommand();
std::unique_ptr<BatchCommand> MakeLandXmlCommand();
std::unique_ptr<BatchCommand> MakeLandXmlImportCommand();
std::unique_ptr<BatchCommand> MakePlanCommand();

}  // namespace calvora
