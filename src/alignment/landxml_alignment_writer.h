#pragma once
// The road's axis and profile as a LandXML <Alignment>: a CoordGeom of Line, Curve and Spiral
// elements as the plan coordinates lay them out, and a Profile of PVI and ParaCurve points.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "records/alignment_record.h"

namespace calvora {

// Appends <Alignment name="name"> with staStart, length, CoordGeom and Profile under
// alignments. The records hold an X-Y point and are free of RoadAxisDefect. Throws
// NotANumberToWrite when a value is no number.
pugi::xml_node AppendLandXmlAlignment(pugi::xml_node alignments, const std::string& name,
                                      const std::vector<AlignmentRecord>& records);

}  // namespace calvora
