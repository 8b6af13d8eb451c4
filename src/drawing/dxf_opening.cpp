#include "drawing/dxf_opening.h"

#include <cstdint>
#include <string_view>

namespace calvora {

namespace {

constexpr std::string_view kBinarySentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

struct LayerDefinition {
  const char* name;
  std::int16_t colour;  // as the CAD program shows the layer
};

void HeaderSection(DxfGroups& g) {
  g.Text(0, "SECTION");
  g.Text(2, "HEADER");
  g.Text(9, "$ACADVER");
  g.Text(1, "AC1009");
  g.Text(9, "$DWGCODEPAGE");
  g.Text(3, "ANSI_1252");
  g.Text(9, "$INSBASE");
  g.Real(10, 0.0);
  g.Real(20, 0.0);
  g.Real(30, 0.0);
  g.Text(9, "$LUNITS");
  g.Int16(70, 2);
  g.Text(9, "$LUPREC");
  g.Int16(70, 2);
  g.Text(9, "$TEXTSTYLE");
  g.Text(7, "STANDARD");
  g.Text(9, "$CLAYER");
  g.Text(8, "0");
  g.Text(0, "ENDSEC");
}

void LineTypeTable(DxfGroups& g) {
  g.Text(0, "TABLE");
  g.Text(2, "LTYPE");
  g.Int16(70, 2);
  g.Text(0, "LTYPE");
  g.Text(2, "CONTINUOUS");
  g.Int16(70, 0);
  g.Text(3, "Solid line");
  g.Int16(72, 65);
  g.Int16(73, 0);
  g.Real(40, 0.0);
  g.Text(0, "LTYPE");
  g.Text(2, "DASHED");
  g.Int16(70, 0);
  g.Text(3, "__ __ __ __");
  g.Int16(72, 65);
  g.Int16(73, 2);
  g.Real(40, 0.75);
  g.Real(49, 0.5);
  g.Real(49, -0.25);
  g.Text(0, "ENDTAB");
}

void LayerTable(DxfGroups& g) {
  // CAD colour numbers: 7 white/black, 5 blue, 6 magenta, 3 green, 1 red.
  constexpr LayerDefinition kLayers[] = {
      {"0", 7}, {"Project", 5}, {"Compact", 6}, {"Ground", 3}, {"Deco", 1}};
  g.Text(0, "TABLE");
  g.Text(2, "LAYER");
  g.Int16(70, static_cast<std::int16_t>(std::size(kLayers)));
  for (const LayerDefinition& layer : kLayers) {
    g.Text(0, "LAYER");
    g.Text(2, layer.name);
    g.Int16(70, 0);
    g.Int16(62, layer.colour);
    g.Text(6, "CONTINUOUS");
  }
  g.Text(0, "ENDTAB");
}

void StyleTable(DxfGroups& g) {
  g.Text(0, "TABLE");
  g.Text(2, "STYLE");
  g.Int16(70, 1);
  g.Text(0, "STYLE");
  g.Text(2, "STANDARD");
  g.Int16(70, 0);
  g.Real(40, 0.0);
  g.Real(41, 1.0);
  g.Real(50, 0.0);
  g.Int16(71, 0);
  g.Real(42, 2.5);
  g.Text(3, "txt");
  g.Text(4, "");
  g.Text(0, "ENDTAB");
}

}  // namespace

std::string DxfOpening(DxfFormat format) {
  std::string opening;
  if (format == DxfFormat::Binary) {
    opening += kBinarySentinel;
  }
  DxfGroups g(opening, format);
  HeaderSection(g);
  g.Text(0, "SECTION");
  g.Text(2, "TABLES");
  LineTypeTable(g);
  LayerTable(g);
  StyleTable(g);
  g.Text(0, "ENDSEC");
  g.Text(0, "SECTION");
  g.Text(2, "ENTITIES");
  if (format == DxfFormat::Binary) {
    opening.pop_back();  // the first entity (or the trailer) ends the name
  }
  return opening;
}

}  // namespace calvora
