#pragma once
// The design tables in the program's folder: eight rows of design speed and value.

#include <filesystem>
#include <string>

#include "project/user_dialogs.h"

namespace calvora {

inline constexpr const char* kRadiusTableName = "Asshto.rmi";    // minimum radius (m)
inline constexpr const char* kFrictionTableName = "AAshto.FRC";  // side-friction factor
inline constexpr int kTableRows = 8;

// The value for key in the table programDir/fileName: the value of the first row whose key is
// at least key, interpolated linearly from the row before it (or from (0, 0)); past the last
// row, that row's value. A missing file gives "File not found : " and 0; a short table or one
// holding text that is no number gives a message and the value found so far.
double TableLookup(const std::filesystem::path& programDir, const std::string& fileName, double key,
                   UserDialogs& dialogs);

}  // namespace calvora
