#pragma once
// The fields of the four records by their program names, for "info" and "dump": as JSON
// (floats as their exact value, a non-finite one as null) and as "Name: value" lines.

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "records/alignment_record.h"
#include "records/project_record.h"
#include "records/section_record.h"
#include "records/variant_record.h"

namespace calvora {

using FieldsJson = nlohmann::ordered_json;

FieldsJson FieldsOf(const ProjectRecord& record);
// Only the ground points within the counts; the counts themselves are shown.
FieldsJson FieldsOf(const SectionRecord& record);
FieldsJson FieldsOf(const AlignmentRecord& record);
FieldsJson FieldsOf(const VariantRecord& record);

// One line per field, indented: "Kilo: 3", "Font.Name: Arial", "GroundPoints(-1): -2.5 98",
// arrays as values separated by blanks, floats in their shortest text, null as "invalid".
void WriteFieldLines(const FieldsJson& fields, const std::string& indent, std::ostream& out);

}  // namespace calvora
