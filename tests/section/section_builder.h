#pragma once
// Sections and typical cross-sections for the engine's tests, written to real working files.

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "records/project_record.h"
#include "records/record_file.h"
#include "records/section_record.h"
#include "records/variant_record.h"
#include "section/section_engine.h"
#include "support/temp_folder.h"

namespace calvora::testing {

// (outward offset, elevation or height) pairs, listed from the centre line outwards.
using OutwardPoints = std::vector<std::pair<double, double>>;

SectionRecord MakeSection(double prElev, double grElev, const OutwardPoints& left,
                          const OutwardPoints& right);
// Same ground on both sides.
SectionRecord MakeSection(double prElev, double grElev, const OutwardPoints& ground);

// Template lines (end vertices, outward offset and height above the project elevation) and
// the fill slope, the same on both sides.
VariantRecord MakeVariant(const OutwardPoints& lines, double fillSlope);
// Ditch rows (outward offset, height relative to the template end or catch point) on both sides.
void SetCutDitch(VariantRecord& variant, const OutwardPoints& rows);
void SetFillDitch(VariantRecord& variant, const OutwardPoints& rows);

// A survey data file and a typical cross-section file in a fresh folder, and an engine.
class SectionFiles {
 public:
  SectionFiles(const std::vector<SectionRecord>& sections,
               const std::vector<VariantRecord>& variants);

  // Puts these records in place of section 1 and variant 1.
  void Rewrite(const SectionRecord& section, const VariantRecord& variant);

  const RecordFile& Data() const { return *data_; }
  const RecordFile& Variants() const { return *variants_; }

 private:
  TempFolder folder_;
  std::optional<RecordFile> data_;
  std::optional<RecordFile> variants_;
};

// Computes one section (record 1, variant 1).
SectionResults ComputeOne(const SectionRecord& section, const VariantRecord& variant,
                          const ProjectRecord& project = {});

// Every number the engine left is finite (points, lines, lengths, wall results).
bool AllNumbersFinite(const SectionResults& results);

double SumOfArea(const std::vector<SectionPolygon>& polygons, PolygonKind kind);

// A point a body's ring (its last point repeating the first) goes out to and comes straight
// back from.
bool HasSpike(const std::vector<SectionPoint>& ring);

}  // namespace calvora::testing
