// calvora masshaul P.PRJ [--factor X] [--free-haul M] (--pdf F | --dxf F [--ascii] | --csv F |
// --json): the mass-haul diagram drawn on sheets, or the mass ordinates of the road, from a
// volume run in memory; no report is written.

#include <fmt/format.h>

#include <nlohmann/json.hpp>

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_drawing_output.h"
#include "app/batch_number_option.h"
#include "app/batch_project.h"
#include "drawing/mass_haul_sheet.h"
#include "numbers/number_text.h"
#include "project/prompt_output_file.h"
#include "project/scratch_output.h"
#include "quantities/mass_haul.h"
#include "shell/command_table.h"

namespace calvora {

namespace {

using nlohmann::json;

// Stations to the millimetre, volumes to the hundredth, as the reports show them.
double Metres(double value) {
  return RoundTo(value, 3);
}
double Cubic(double value) {
  return RoundTo(value, 2);
}

json MassHaulJson(const MassHaul& haul) {
  json ordinates = json::array();
  for (const MassOrdinate& o : haul.Ordinates) {
    ordinates.push_back(
        {{"record", o.Record}, {"station", Metres(o.Station)}, {"ordinate", Cubic(o.Ordinate)}});
  }
  json extremes = json::array();
  for (const MassExtreme& e : haul.Extremes) {
    extremes.push_back({{"record", e.Record},
                        {"station", Metres(e.Station)},
                        {"ordinate", Cubic(e.Ordinate)},
                        {"kind", e.Crest ? "crest" : "trough"}});
  }
  json balance = json::array();
  for (const double station : haul.BalancePoints) {
    balance.push_back(Metres(station));
  }
  return {{"ordinates", ordinates},
          {"extremes", extremes},
          {"balancePoints", balance},
          {"totals",
           {{"cut", Cubic(haul.TotalCut)},
            {"fill", Cubic(haul.TotalFill)},
            {"final", Cubic(haul.Final)},
            {"moment", Cubic(haul.Moment)},
            {"meanHaul", Metres(haul.MeanHaul)}}},
          {"leftOut", haul.LeftOut}};
}

std::string MassHaulCsv(const MassHaul& haul) {
  std::string csv = "station,cut volume,fill volume,ordinate\n";
  for (const MassOrdinate& o : haul.Ordinates) {
    csv += fmt::format("{:.3f},{:.2f},{:.2f},{:.2f}\n", o.Station, o.Cut, o.Fill, o.Ordinate);
  }
  return csv;
}

class MassHaulCommand : public BatchCommand {
 public:
  std::string Name() const override { return "masshaul"; }
  std::string Description() const override {
    return "The mass-haul diagram as a PDF or DXF drawing, or the mass ordinates as JSON or CSV";
  }
  void Configure(CLI::App& sub) override {
    sheetOptions_.Configure(sub);
    sub.add_option("--factor", factor_, "Cut factor for bulking or shrinkage (default 1.00)");
    sub.add_option("--free-haul", freeHaul_, "Free-haul distance in metres (default 0: none)");
    auto* jsonFlag = sub.add_flag("--json", json_, "Print the ordinates and totals as JSON");
    auto* csvOption = sub.add_option("--csv", csv_, "Write the ordinate table to this CSV file");
    jsonFlag->excludes(csvOption);
    output_.Configure(sub, sheetOptions_, jsonFlag);
    csvOption->excludes("--pdf")->excludes("--dxf");
  }
  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    if (!json_ && csv_.empty() && !output_.Chosen()) {
      context.err << "calvora masshaul: one of --json, --csv, --pdf and --dxf is needed.\n";
      return kBatchUsage;
    }
    if (const auto problem = NumberOptionProblem("--factor", factor_, {0.01, 10})) {
      dialogs.Message(*problem);
      return kBatchFailed;
    }
    if (const auto problem = NumberOptionProblem("--free-haul", freeHaul_, {0, 1e6})) {
      dialogs.Message(*problem);
      return kBatchFailed;
    }
    output_.Answer(dialogs);
    if (!csv_.empty()) {
      dialogs.AnswerSaveFile(csv_);
    }
    ProjectState state;
    if (!OpenProjectForBatch(state, sheetOptions_.project, context, dialogs,
                             Command(CommandId::MassHaul))) {
      return kBatchFailed;
    }
    MassHaulSheet sheets(state, dialogs);
    sheets.Options.CutFactor = std::stod(factor_);
    sheets.Options.FreeHaul = std::stod(freeHaul_);
    if (output_.Chosen()) {  // a page or scale that cannot be drawn is refused before the run
      sheets.Sheet = sheetOptions_.Sheet();
      if (const std::string problem = sheets.SettingsProblem(); !problem.empty()) {
        dialogs.Message(problem);
        return kBatchFailed;
      }
    }
    std::string csvPath;
    if (!csv_.empty()) {
      csvPath = PromptOutputFile(state.Data.File->Path().string(), ".CSV", dialogs,
                                 ProjectFilesOf(state));
      if (csvPath.empty()) {
        return kBatchFailed;
      }
    }
    BatchProgress progress(context.err, context.errIsTerminal, "Sections");
    sheets.Haul = ComputeMassHaul(state, sheets.Options.CutFactor, progress);
    const MassHaul& haul = sheets.Haul;
    for (const std::string& message : haul.Messages) {
      dialogs.Message(message);
    }
    if (haul.BadVariant) {
      return kBatchFailed;
    }
    if (haul.StationsFallBack) {
      dialogs.Message(
          "Note: the sections' stations do not rise in file order; the diagram "
          "follows the file order.");
    }
    if (output_.Chosen()) {
      return output_.Write(sheets, context, dialogs);
    }
    if (json_) {
      context.out << MassHaulJson(haul).dump(2) << '\n';
      return kBatchOk;
    }
    if (!RunRetryingFileErrors(dialogs, [&] { WriteFileAtomically(csvPath, MassHaulCsv(haul)); })) {
      return kBatchFailed;
    }
    context.out << "Written:\n  " << csvPath << '\n';
    return kBatchOk;
  }

 private:
  BatchSheetOptions sheetOptions_;
  std::string factor_ = "1";
  std::string freeHaul_ = "0";
  bool json_ = false;
  std::string csv_;
  BatchDrawingOutput output_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeMassHaulCommand() {
  return std::make_unique<MassHaulCommand>();
}

}  // namespace calvora
