#pragma once
// A LandXML alignment read into the records of an alignment file: X-Y points at the start, the
// corners and the end, the curve and spiral records of each corner, and the profile's elevation
// and vertical-curve points.

#include <pugixml.hpp>
#include <string>
#include <variant>
#include <vector>

#include "records/alignment_record.h"

namespace calvora {

// Why the document cannot be read as LandXML in metres (another root element, feet, lengths in
// another unit), as the message to show; "" when it can.
std::string LandXmlDocumentDefect(const pugi::xml_document& document);

// The <Alignment> elements of the document that hold a CoordGeom, in document order.
std::vector<pugi::xml_node> LandXmlAlignments(const pugi::xml_document& document);

// The records of the alignment, or the message that says which element the alignment file
// cannot hold, and at which station.
std::variant<std::vector<AlignmentRecord>, std::string> ReadLandXmlAlignment(
    pugi::xml_node alignment);

}  // namespace calvora
