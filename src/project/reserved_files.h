#pragma once
// Files an output must not replace: the project's own files and the other outputs of the same
// run. Compared by real path, so links and "./" spellings name the same file.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace calvora {

struct ReservedFile {
  std::filesystem::path path;
  std::string role;  // "data file of the project", "surfaces report of this run", ...
};

// Whether both paths lead to one file, also when it does not exist yet.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The role of the reserved file that path is, nullopt when it is none of them.
std::optional<std::string> ReservedRoleOf(const std::vector<ReservedFile>& reserved,
                                          const std::filesystem::path& path);

// "The file X is the data file of the project: ..." for an output refused for that role.
std::string ReservedOutputRefusal(const std::filesystem::path& path, const std::string& role);

// The refusal of the first output that is a reserved file or an earlier output (or input) of
// the list; nullopt when the outputs are all files of their own. Inputs of the run read beside
// the outputs go first in the list.
std::optional<std::string> OutputsRefusal(const std::vector<ReservedFile>& outputs,
                                          std::vector<ReservedFile> reserved);

}  // namespace calvora
