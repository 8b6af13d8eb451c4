#include "project/reserved_files.h"

#include <system_error>

namespace calvora {

namespace fs = std::filesystem;

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  const bool same = fs::equivalent(a, b, ec);
  if (!ec) {
    return same;
  }
  std::error_code ecA;
  std::error_code ecB;
  const fs::path canonicalA = fs::weakly_canonical(a, ecA);
  const fs::path canonicalB = fs::weakly_canonical(b, ecB);
  return !ecA && !ecB && canonicalA == canonicalB;
}

std::optional<std::string> ReservedRoleOf(const std::vector<ReservedFile>& reserved,
                                          const fs::path& path) {
  for (const ReservedFile& file : reserved) {
    if (SameFile(file.path, path)) {
      return file.role;
    }
  }
  return std::nullopt;
}

std::string ReservedOutputRefusal(const fs::path& path, const std::string& role) {
  return "The file " + path.string() + " is the " + role +
         ": an output cannot replace it. Nothing was written.";
}

std::optional<std::string> OutputsRefusal(const std::vector<ReservedFile>& outputs,
                                          std::vector<ReservedFile> reserved) {
  for (const ReservedFile& output : outputs) {
    if (const auto role = ReservedRoleOf(reserved, output.path)) {
      return ReservedOutputRefusal(output.path, *role);
    }
    reserved.push_back(output);
  }
  return std::nullopt;
}

}  // namespace calvora
