#pragma once
// The DXF entities of a drawing and the file's trailer.
//
// Binary entities follow the file's frame: each begins with the 0 byte that completes the item
// before it (the end of the definitions file's last string, or the high byte of the previous
// entity's colour) and ends with the low byte of its own colour; the next entity or the
// trailer supplies the high byte. ASCII entities are complete in themselves.

#include <cstdint>
#include <ostream>
#include <string_view>

#include "drawing/dxf_groups.h"

namespace calvora {

// A TEXT entity at (x, y), rotation 0, colour 0; an empty layer is written as "0".
void WriteDxfText(std::ostream& file, double x, double y, std::string_view text,
                  std::string_view layer, double height, DxfFormat format = DxfFormat::Binary);

// A LINE entity; the line type group only when lineType is not empty. colour 0..255.
void WriteDxfLine(std::ostream& file, double x1, double y1, double z1, double x2, double y2,
                  double z2, std::int16_t colour, std::string_view lineType, std::string_view layer,
                  DxfFormat format = DxfFormat::Binary);

// The end of the entities section and of the file.
void WriteDxfTrailer(std::ostream& file, DxfFormat format = DxfFormat::Binary);

}  // namespace calvora
