#include "drawing/dxf_entities.h"

#include <stdexcept>
#include <string>

namespace calvora {

namespace {

std::string_view LayerName(std::string_view layer) {
  return layer.empty() ? "0" : layer;
}

// Writes the groups of one entity and its colour. A binary entity is shifted by one byte: the
// 0 byte in front completes the previous item, and the colour's high byte (0 for the colours
// 0..255) is left to the next one.
template <typename Groups>
void WriteEntity(std::ostream& file, DxfFormat format, std::int16_t colour, Groups groups) {
  if (colour < 0 || colour > 255) {
    throw std::invalid_argument("DXF colour outside 0..255");
  }
  std::string entity;
  entity.reserve(160);
  if (format == DxfFormat::Binary) {
    entity += '\0';
  }
  DxfGroups g(entity, format);
  groups(g);
  g.Int16(62, colour);
  if (format == DxfFormat::Binary) {
    entity.pop_back();
  }
  file.write(entity.data(), static_cast<std::streamsize>(entity.size()));
}

}  // namespace

void WriteDxfText(std::ostream& file, double x, double y, std::string_view text,
                  std::string_view layer, double height, DxfFormat format) {
  WriteEntity(file, format, 0, [&](DxfGroups& g) {
    g.Text(0, "TEXT");
    g.Text(8, LayerName(layer));
    g.Real(10, x);
    g.Real(20, y);
    g.Real(30, 0.0);
    g.Real(40, height);
    g.Real(50, 0.0);
    g.Text(1, text);
  });
}

void WriteDxfLine(std::ostream& file, double x1, double y1, double z1, double x2, double y2,
                  double z2, std::int16_t colour, std::string_view lineType, std::string_view layer,
                  DxfFormat format) {
  WriteEntity(file, format, colour, [&](DxfGroups& g) {
    g.Text(0, "LINE");
    if (!lineType.empty()) {
      g.Text(6, lineType);
    }
    g.Text(8, LayerName(layer));
    g.Real(10, x1);
    g.Real(20, y1);
    g.Real(30, z1);
    g.Real(11, x2);
    g.Real(21, y2);
    g.Real(31, z2);
  });
}

void WriteDxfTrailer(std::ostream& file, DxfFormat format) {
  std::string trailer;
  if (format == DxfFormat::Binary) {
    trailer += '\0';  // completes the last entity's colour (or the entities-section name)
  }
  DxfGroups g(trailer, format);
  g.Text(0, "ENDSEC");
  g.Text(0, "EOF");
  file.write(trailer.data(), static_cast<std::streamsize>(trailer.size()));
}

}  // namespace calvora
