#pragma once
// The project settings the computations read, checked before a computation starts: a value that
// is not a number, infinite or far outside any road's range (a damaged project file) is named
// instead of being computed with.

#include <optional>
#include <string>

#include "records/project_record.h"

namespace calvora {

// "The project setting Thickness(2) is not a number; ..."; nullopt when every setting is usable.
std::optional<std::string> ProjectSettingsProblem(const ProjectRecord& project);

}  // namespace calvora
