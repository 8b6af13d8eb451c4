#include "shell/project_properties_model.h"

#include <algorithm>

#include "numbers/number_text.h"
#include "project/project_commands.h"
#include "project/working_files.h"
#include "shell/field_reader.h"

namespace calvora {

namespace {

std::int16_t Flag(bool value) {
  return value ? -1 : 0;
}

constexpr std::array<const char*, 4> kMarginLabels = {"Top Margin", "Bottom Margin", "Left Margin",
                                                      "Right Margin"};
constexpr std::array<const char*, 5> kPenLabels = {"Border pen width", "Ground pen width",
                                                   "Project pen width", "Decapaje pen width",
                                                   "Layers pen width"};

}  // namespace

const std::array<PropertiesTab, ProjectPropertiesModel::kTabCount>& ProjectPropertiesModel::Tabs() {
  static const std::array<PropertiesTab, kTabCount> tabs = {{
      {"Files", "Name and path of project files", "fraFiles"},
      {"Titles", "Titles for printing on cross sections", "fraTitles"},
      {"Section", "Cross Section size", "fraCross"},
      {"Print", "Print properties", "fraPrint"},
      {"Layers", "Compacted Layers", "fraLayers"},
      {"Calculation", "Calculation method", "fraCalc"},
  }};
  return tabs;
}

void ProjectPropertiesModel::Load(ProjectRecord& project) {
  currentTab_ = 0;
  for (std::string* text : {&project.DataFile, &project.VariantFile, &project.AlignFile,
                            &project.TitleLeft, &project.TitleCenter, &project.TitleRight}) {
    *text = Trimmed(*text);
  }
  txtDatFile = project.DataFile;
  txtVarFile = project.VariantFile;
  txtAlignFile = project.AlignFile;
  txtLeft = project.TitleLeft;
  txtCenter = project.TitleCenter;
  txtRight = project.TitleRight;
  SetSectionsPerSheet(project.SectionsPerSheet);
  chkBorder = project.DrawBorder != 0;
  chkDatum = project.DrawDatum != 0;
  font = {Trimmed(project.Font.Name), static_cast<double>(project.Font.Size),
          project.Font.Bold != 0, project.Font.Italic != 0};
  for (int i = 0; i < ProjectRecord::kLayerCount; ++i) {
    txtComp[i] = SingleText(project.Compaction[i]);
    txtThick[i] = SingleText(project.Thickness[i]);
  }
  optCalcMethod = project.CalcMethod == 0 ? 0 : 1;
  optDeca = project.DecaMethod == 0 ? 0 : 1;
  txtDecaThick = SingleText(project.DecaThick);
  txtNumLines = std::to_string(project.NumLines);
  for (std::size_t i = 0; i < txtPen.size(); ++i) {
    txtPen[i] = SingleText(project.Pen[i]);
  }
  for (std::size_t i = 0; i < txtMargin.size(); ++i) {
    txtMargin[i] = SingleText(project.Margin[i]);
  }
}

void ProjectPropertiesModel::SelectTab(int index) {
  currentTab_ = std::clamp(index, 0, kTabCount - 1);
}

void ProjectPropertiesModel::SetSectionsPerSheet(int value) {
  sectionsPerSheet_ = std::clamp(value, kMinSectionsPerSheet, kMaxSectionsPerSheet);
}

bool ProjectPropertiesModel::Ok(ProjectState& state, UserDialogs& dialogs) const {
  ProjectRecord updated = state.Project;
  FieldReader read;
  updated.DataFile = Trimmed(txtDatFile);
  updated.VariantFile = Trimmed(txtVarFile);
  updated.AlignFile = Trimmed(txtAlignFile);
  updated.TitleLeft = Trimmed(txtLeft);
  updated.TitleCenter = Trimmed(txtCenter);
  updated.TitleRight = Trimmed(txtRight);
  updated.SectionsPerSheet = static_cast<std::int16_t>(sectionsPerSheet_);
  updated.DrawBorder = Flag(chkBorder);
  updated.DrawDatum = Flag(chkDatum);
  updated.Font.Name = Trimmed(font.name);
  updated.Font.Size = read.Whole(font.pointSize, "Font size", SingleText(float(font.pointSize)));
  updated.Font.Bold = Flag(font.bold);
  updated.Font.Italic = Flag(font.italic);
  for (int i = 0; i < ProjectRecord::kLayerCount; ++i) {
    const std::string layer = " of layer " + std::to_string(i + 1);
    updated.Compaction[i] = read.Single(txtComp[i], "Compaction (%)" + layer);
    updated.Thickness[i] = read.Single(txtThick[i], "Thickness (m)" + layer);
  }
  updated.CalcMethod = optCalcMethod == 0 ? 0 : 1;
  updated.DecaMethod = optDeca == 0 ? 0 : 1;
  updated.DecaThick = read.Single(txtDecaThick, "Decapaje width");
  updated.NumLines = read.Whole(txtNumLines, "Number of lines of tables in each page");
  for (std::size_t i = 0; i < txtPen.size(); ++i) {
    updated.Pen[i] = read.Single(txtPen[i], kPenLabels[i]);
  }
  for (std::size_t i = 0; i < txtMargin.size(); ++i) {
    updated.Margin[i] = read.Single(txtMargin[i], kMarginLabels[i]);
  }
  if (read.Refused()) {
    dialogs.Message(read.Refusal());
    return false;
  }
  const ProjectRecord previous = state.Project;
  state.Project = updated;
  if (!SaveProjectRecord(state, dialogs)) {
    state.Project = previous;
    return false;
  }
  OpenWorkingFiles(state, dialogs);
  return true;
}

}  // namespace calvora
