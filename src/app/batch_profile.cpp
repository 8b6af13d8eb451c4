// calvora profile P.PRJ --json: the longitudinal section's numbers in metres: the ground, the
// design line, each section's elevations and the grades.

#include <nlohmann/json.hpp>

#include "alignment/longitudinal_profile.h"
#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_project.h"
#include "numbers/number_text.h"
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
    return "The longitudinal section's numbers (ground, design line, sections, grades) as JSON";
  }
  void Configure(CLI::App& sub) override {
    sub.add_option("project", project_, "Project file (.PRJ)")->required();
    sub.add_flag("--json", json_, "Print the profile as JSON")->required();
  }
  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    ProjectState state;
    if (!OpenProjectForBatch(state, project_, context, dialogs,
                             Command(CommandId::ProjectElevations))) {
      return kBatchFailed;
    }
    const LongitudinalProfile profile = ComputeLongitudinalProfile(state);
    for (const std::string& note : profile.Notes) {
      dialogs.Message("Note: " + note);
    }
    context.out << ProfileJson(profile).dump(2) << '\n';
    return kBatchOk;
  }

 private:
  std::string project_;
  bool json_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeProfileCommand() {
  return std::make_unique<ProfileCommand>();
}

}  // namespace calvora
