#pragma once
// What the alignment and survey-data batch commands share: opening the project, running the
// computation with the answers given as options, and the exit status.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/batch_command.h"
#include "app/batch_dialogs.h"
#include "project/command_result.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/working_files.h"

namespace calvora {

using BatchComputation =
    std::function<CommandResult(ProjectState& state, UserDialogs& dialogs, Progress& progress)>;

// Opens the project and the working files needed, runs the computation and, when it ran to its end,
// prints the files it names under "Written:" (or the heading given). Status 1 when it stopped
// early.
int RunBatchComputation(BatchContext& context, const std::string& commandName,
                        const std::string& projectPath, const std::vector<WorkingFileKind>& needed,
                        BatchDialogs& dialogs, const BatchComputation& computation,
                        const std::function<std::vector<std::string>(const ProjectState&)>& report);

// The curve and spiral designs: a design speed, one answer per curve (the value option,
// repeatable), the output file.
struct DesignCommandTexts {
  std::string name;
  std::string description;
  std::string valueOption;  // "--radius"
  std::string valueHelp;
};
// Runs the design; written is the file it wrote.
using DesignRun = std::function<CommandResult(ProjectState& state, UserDialogs& dialogs,
                                              Progress& progress, std::string& written)>;
std::unique_ptr<BatchCommand> MakeDesignCommand(DesignCommandTexts texts, DesignRun run);

// Answers the design dialogue of curve No. n with the n-th of the values, or else its default.
BatchDialogs::InputRule AnswersByCurveNumber(std::vector<std::string> values);

// Answers with the value when one was given, or else with the default text.
BatchDialogs::InputRule AnswerOrDefault(std::string value);

// Answers with the value when one was given; nothing (an unanswered question) otherwise.
BatchDialogs::InputRule AnswerIfGiven(std::string value);

}  // namespace calvora
