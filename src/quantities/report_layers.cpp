#include "quantities/report_layers.h"

#include "numbers/number_text.h"
#include "quantities/quantity_file.h"

namespace calvora {

int ShownLayerCount(const ProjectRecord& project) {
  int count = 0;
  while (count < kQuantityFileLayers && project.Thickness[count] != 0) {
    ++count;
  }
  return count;
}

std::string LayerMark(float compaction) {
  const std::string mark = " %" + FormatField(compaction, "###");
  return mark.substr(mark.size() - 4);
}

}  // namespace calvora
