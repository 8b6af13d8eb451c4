#include "app/batch_computation.h"

#include <optional>

#include "app/batch_number_option.h"
#include "app/batch_output_options.h"
#include "app/batch_project.h"

namespace calvora {

int RunBatchComputation(
    BatchContext& context, const std::string& commandName, const std::string& projectPath,
    const std::vector<WorkingFileKind>& needed, BatchDialogs& dialogs,
    const BatchComputation& computation,
    const std::function<std::vector<std::string>(const ProjectState&)>& report) {
  ProjectState state;
  if (!OpenProjectForBatch(state, projectPath, context, dialogs, needed)) {
    return kBatchFailed;
  }
  BatchProgress progress(context.err, context.errIsTerminal, "Sections");
  if (computation(state, dialogs, progress) != CommandResult::Done || dialogs.ErrorShown()) {
    context.err << "calvora " << commandName << ": stopped before the end.\n";
    return kBatchFailed;
  }
  for (const std::string& line : report(state)) {
    context.out << line << '\n';
  }
  return kBatchOk;
}

namespace {

class DesignCommand : public BatchCommand {
 public:
  DesignCommand(DesignCommandTexts texts, DesignRun run)
      : texts_(std::move(texts)), run_(std::move(run)) {}
  std::string Name() const override { return texts_.name; }
  std::string Description() const override { return texts_.description; }
  void Configure(CLI::App& sub) override {
    sub.add_option("project", project_, "The project file (.PRJ)")->required();
    sub.add_option("--speed", speed_, "Design speed (km/h)")->required();
    sub.add_option(texts_.valueOption, values_, texts_.valueHelp)
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    output_.Configure(
        sub, "Designed alignment file instead of the proposed name",
        "Replace an existing file; end the design at a refused value (the file stays)");
  }
  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    if (!OptionsUsable(dialogs)) {
      return kBatchFailed;
    }
    output_.Answer(dialogs);
    dialogs.AnswerInput(QuestionId::DesignSpeed, AnswerIfGiven(speed_), "--speed");
    dialogs.AnswerInput(QuestionId::ConfirmDesign, AnswersByCurveNumber(values_),
                        texts_.valueOption);
    std::string written;
    return RunBatchComputation(
        context, Name(), project_, {WorkingFileKind::Alignment}, dialogs,
        [&](ProjectState& s, UserDialogs& d, Progress& p) { return run_(s, d, p, written); },
        [&](const ProjectState&) {
          return std::vector<std::string>{"Written:", "  " + written};
        });
  }

 private:
  // A speed a road is designed for, and values a design can be shown for; the design's own
  // checks judge the values further.
  bool OptionsUsable(BatchDialogs& dialogs) const {
    std::vector<std::optional<std::string>> problems;
    if (!speed_.empty()) {
      problems.push_back(NumberOptionProblem("--speed", speed_, {1, 300}));
    }
    for (const std::string& value : values_) {
      problems.push_back(NumberOptionProblem(texts_.valueOption, value, {-1e5, 1e5}));
    }
    for (const auto& problem : problems) {
      if (problem) {
        dialogs.Message(*problem);
        return false;
      }
    }
    return true;
  }

  DesignCommandTexts texts_;
  DesignRun run_;
  std::string project_;
  std::string speed_;
  std::vector<std::string> values_;
  BatchOutputOptions output_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeDesignCommand(DesignCommandTexts texts, DesignRun run) {
  return std::make_unique<DesignCommand>(std::move(texts), std::move(run));
}

BatchDialogs::InputRule AnswersByCurveNumber(std::vector<std::string> values) {
  return [values](const Question& question,
                  const std::string& defaultText) -> std::optional<std::string> {
    if (question.curve >= 1 && static_cast<std::size_t>(question.curve) <= values.size()) {
      return values[static_cast<std::size_t>(question.curve) - 1];
    }
    return defaultText;
  };
}

BatchDialogs::InputRule AnswerOrDefault(std::string value) {
  return [value](const Question&, const std::string& defaultText) -> std::optional<std::string> {
    return value.empty() ? defaultText : value;
  };
}

BatchDialogs::InputRule AnswerIfGiven(std::string value) {
  return [value](const Question&, const std::string&) -> std::optional<std::string> {
    if (value.empty()) {
      return std::nullopt;
    }
    return value;
  };
}

}  // namespace calvora
