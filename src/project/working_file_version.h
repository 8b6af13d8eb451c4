#pragma once
// What a drawing kept from a working file is compared with to know whether to draw anew.

#include <cstdint>

#include "project/project_state.h"

namespace calvora {

// Changes with every write to the file; 0 while none is open.
inline std::uint64_t FileVersion(const WorkingFile& file) {
  return file.File ? file.File->Version() : 0;
}

}  // namespace calvora
