#pragma once
// The frame of a DXF drawing file: its name and its opening.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "drawing/dxf_groups.h"
#include "project/user_dialogs.h"

namespace calvora {

inline constexpr const char* kDxfDefinitionsFile = "DXF-defs.INI";

// Drawing kinds and their suffixes: 1 "_L.DXF", 2 "_C.DXF" (cross-section sheets), 3 "_B.DXF",
// 4 "_P.DXF", 5 "_T.DXF", 6 "_G.DXF".
inline constexpr int kLongitudinalDrawing = 1;
inline constexpr int kCrossSectionDrawing = 2;
inline constexpr int kMassHaulDrawing = 3;
inline constexpr int kPlanDrawing = 4;

// Proposes the name from the base name (kinds 1 to 3; the others have none) and the kind's
// suffix and confirms it in the save dialog; "" when the person cancels or names a reserved file.
std::string PromptDxfFile(int kind, const std::string& baseName, UserDialogs& dialogs,
                          std::vector<ReservedFile> reserved = {});

// Writes the opening of the drawing: for a binary drawing the definitions file of the program's
// folder, copied byte for byte; for an ASCII drawing its own header. False, after "File not
// found: DXF-DEFS.INI", when the definitions file is missing. Throws FileError when it cannot
// be read.
bool WriteDxfHeader(std::ostream& file, const std::filesystem::path& programDir, DxfFormat format,
                    UserDialogs& dialogs);

}  // namespace calvora
