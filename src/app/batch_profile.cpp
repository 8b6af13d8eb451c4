// calvora profile P.PRJ [--h-scale N] [--v-scale N] (--pdf F | --dxf F [--ascii] | --json): the
// longitudinal section drawn on sheets, or its numbers in metres: the ground, the design line,
// each section's elevations and the grades.

#include <nlohmann/json.hpp>

#include "alignment/longitudinal_profile.h"
#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_drawing_output.h"
#include "app/batch_project.h"
#include "drawing/profile_sheet.h"
#include "numbers/number_text.h"
#include "project/working_files.h"
#include "shell/command_table.h"

namespace calvora {

namespace {

using nlohmann::json;

double Millimetres(double metres) {
  return RoundTo(metres, 3);
}

json Line(const std::vector<std::pair<double, double>>& points) {
  json line = json::array();
  for (const auto& [station, elevation] : points) {
    line.push_back({Millimetres(station), Millimetres(elevation)});
  }
  return line;
}

json ProfileJson(const LongitudinalProfile& profile) {
  json sections = json::array();
  for (const ProfileSection& s : profile.Sections) {
    sections.push_back({{"record", s.Record},
                        {"station", Millimetres(s.Station)},
                        {"ground", Millimetres(s.Ground)},
                        {"project", Millimetres(s.Project)},
                        {"difference", Millimetres(s.Difference)}});
  }
  json grades = json::array();
  for (const ProfileGrade& g : profile.Grades) {
    grades.push_back({{"from", Millimetres(g.From)},
                      {"to", Millimetres(g.To)},
                      {"percent", RoundTo(g.Percent, 4)},
                      {"length", Millimetres(g.Length)}});
  }
  return {{"ground", Line(profile.Ground)},
          {"design", Line(profile.Design)},
          {"sections", sections},
          {"grades", grades},
          {"notes", profile.Notes}};
}

class ProfileCommand : public BatchCommand {
 public:
  std::string Name() const override { return "profile"; }
  std::string Description() const override {
    return "The longitudinal section as a PDF or DXF drawing, or its numbers (ground, design "
           "line, sections, grades) as JSON";
  }
  void Configure(CLI::App& sub) override {
    sheetOptions_.Configure(sub);
    sub.add_option("--h-scale", scales_.Horizontal, "Horizontal scale 1:N")->capture_default_str();
    sub.add_option("--v-scale", scales_.Vertical, "Vertical scale 1:N")->capture_default_str();
    output_.Configure(sub, sheetOptions_,
                      sub.add_flag("--json", json_, "Print the numbers as JSON"));
  }
  int Run(BatchContext& context) override {
    if (!json_ && !output_.Chosen()) {
      context.err << "calvora profile: one of --json, --pdf and --dxf is needed.\n";
      return kBatchUsage;
    }
    BatchDialogs dialogs(context.err);
    output_.Answer(dialogs);
    ProjectState state;
    if (!OpenProjectForBatch(state, sheetOptions_.project, context, dialogs,
                             Command(CommandId::LongitudinalSection)) ||
        !OpenWorkingFileIfNamed(state, WorkingFileKind::Alignment, dialogs)) {
      return kBatchFailed;
    }
    ProfileSheet sheets(state, dialogs);
    sheets.Scales = scales_;
    for (const std::string& note : sheets.Profile().Notes) {
      dialogs.Message("Note: " + note);
    }
    if (!json_) {
      return output_.Write(sheets, context, dialogs);
    }
    context.out << ProfileJson(sheets.Profile()).dump(2) << '\n';
    return kBatchOk;
  }

 private:
  BatchSheetOptions sheetOptions_;
  ProfileScales scales_;
  BatchDrawingOutput output_;
  bool json_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeProfileCommand() {
  return std::make_unique<ProfileCommand>();
}

}  // namespace calvora
