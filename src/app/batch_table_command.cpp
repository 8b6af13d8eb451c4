#include "app/batch_table_command.h"

#include "app/batch_project.h"

namespace calvora {

namespace {

class TableCommand : public BatchCommand {
 public:
  TableCommand(const CommandEntry& command, std::unique_ptr<BatchAnswers> answers)
      : command_(command), answers_(std::move(answers)) {}
  std::string Name() const override { return command_.batchName; }
  std::string Description() const override { return command_.description; }
  void Configure(CLI::App& sub) override {
    sub.add_option("project", project_, "The project file (.PRJ)")->required();
    answers_->Configure(sub);
  }
  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    ProjectState state;
    if (!answers_->Answer(dialogs) ||
        !OpenProjectForBatch(state, project_, context, dialogs, command_)) {
      return kBatchFailed;
    }
    BatchProgress progress(context.err, context.errIsTerminal, "Sections");
    const CommandReport report = command_.run(state, dialogs, progress);
    if (report.result != CommandResult::Done || dialogs.ErrorShown()) {
      EndBatchProgressLine(context.err);
      if (report.lines.empty()) {
        context.err << "calvora " << Name() << ": stopped before the end.\n";
      }
      for (const std::string& line : report.lines) {
        context.err << "calvora " << Name() << ": " << line << '\n';
      }
      return kBatchFailed;
    }
    for (const std::string& line : report.lines) {
      context.out << line << '\n';
    }
    return kBatchOk;
  }

 private:
  const CommandEntry& command_;
  std::unique_ptr<BatchAnswers> answers_;
  std::string project_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeTableCommand(CommandId id,
                                               std::unique_ptr<BatchAnswers> answers) {
  return std::make_unique<TableCommand>(Command(id), std::move(answers));
}

}  // namespace calvora
