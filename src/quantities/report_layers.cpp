#include "quantities/report_layers.h"

#include "numbers/number_text.h"
#include "quantities/quantity_file.h"

namespace calvora {

std::vector<FillColumn> FillColumns(const ProjectRecord& project) {
  int layers = 0;
  while (layers < ProjectRecord::kLayerCount && project.Thickness[layers] != 0) {
    ++layers;
  }
  std::vector<FillColumn> columns;
  for (int i = 0; i <= std::min(layers, kQuantityFileLayers); ++i) {
    columns.push_back(i < layers ? FillColumn{true, project.Compaction[i]} : FillColumn{});
  }
  return columns;
}

int ShownLayerCount(const ProjectRecord& project) {
  return static_cast<int>(FillColumns(project).size()) - 1;
}

std::string LayerMark(float compaction) {
  const std::string mark = " %" + FormatField(compaction, "###");
  return mark.substr(mark.size() - 4);
}

}  // namespace calvora
