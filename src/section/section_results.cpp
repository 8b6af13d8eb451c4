#include "section/section_results.h"

namespace calvora {

std::string_view PolygonKindText(PolygonKind kind) {
  return kind == PolygonKind::Fill ? "fill" : "cut";
}

}  // namespace calvora
