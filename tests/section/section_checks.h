#pragma once
// Computing one section for the engine's tests, and what is checked of its results.

#include <string>
#include <vector>

#include "section/section_engine.h"
#include "support/road_project.h"

namespace calvora::testing {

// Puts the records in place of section 1 and variant 1 of the road and computes section 1.
const SectionResults& ComputeOn(Road& road, SectionEngine& engine, const SectionRecord& section,
                                const VariantRecord& variant, const ProjectRecord& project = {});
// The same on a road of its own.
SectionResults ComputeOne(const SectionRecord& section, const VariantRecord& variant,
                          const ProjectRecord& project = {});

// A copy of the record with a change made to it.
template <typename Record>
Record With(Record record, auto change) {
  change(record);
  return record;
}

// Every number the engine left is finite (points, lines, lengths, wall results).
bool AllNumbersFinite(const SectionResults& results);

double SumOfArea(const std::vector<SectionPolygon>& polygons, PolygonKind kind);

// A point a body's ring (its last point repeating the first) goes out to and comes straight
// back from.
bool HasSpike(const std::vector<SectionPoint>& ring);

}  // namespace calvora::testing
