#include "quantities/report_layers.h"

#include "numbers/number_text.h"
#include "quantities/quantity_file.h"

namespace calvora {

namespace {

// The compaction layers: those up to the first zero Thickness.
int LayerCount(const ProjectRecord& project) {
  int layers = 0;
  while (layers < ProjectRecord::kLayerCount && project.Thickness[layers] != 0) {
    ++layers;
  }
  return layers;
}

}  // namespace

std::vector<FillColumn> FillColumns(const ProjectRecord& project) {
  const int layers = LayerCount(project);
  std::vector<FillColumn> columns;
  for (int i = 0; i <= std::min(layers, kQuantityFileLayers); ++i) {
    columns.push_back(i < layers ? FillColumn{true, project.Compaction[i]} : FillColumn{});
  }
  return columns;
}

int ShownLayerCount(const ProjectRecord& project) {
  return static_cast<int>(FillColumns(project).size()) - 1;
}

bool FillBelowOutsideColumns(const ProjectRecord& project) {
  return LayerCount(project) > kQuantityFileLayers;
}

std::vector<FillColumn> FillParts(const ProjectRecord& project) {
  std::vector<FillColumn> parts = FillColumns(project);
  if (FillBelowOutsideColumns(project)) {
    parts.push_back(FillColumn{});
  }
  return parts;
}

std::string LayerMark(float compaction) {
  const std::string mark = " %" + FormatField(compaction, "###");
  return mark.substr(mark.size() - 4);
}

}  // namespace calvora
