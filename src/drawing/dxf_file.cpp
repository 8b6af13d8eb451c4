#include "drawing/dxf_file.h"

#include <array>
#include <cerrno>
#include <fstream>
#include <iterator>

#include "drawing/dxf_opening.h"
#include "project/prompt_output_file.h"
#include "records/file_error.h"

namespace calvora {

std::string PromptDxfFile(int kind, const std::string& baseName, UserDialogs& dialogs,
                          std::vector<ReservedFile> reserved) {
  static constexpr std::array<const char*, 6> kSuffixes = {"_L.DXF", "_C.DXF", "_B.DXF",
                                                           "_P.DXF", "_T.DXF", "_G.DXF"};
  if (kind < 1 || kind > static_cast<int>(kSuffixes.size())) {
    return "";
  }
  const bool named = kind <= 3;
  return PromptOutputFile(named ? baseName : "", kSuffixes[kind - 1], dialogs, std::move(reserved));
}

bool WriteDxfHeader(std::ostream& file, const std::filesystem::path& programDir, DxfFormat format,
                    UserDialogs& dialogs) {
  if (format == DxfFormat::Ascii) {
    file << DxfOpening(DxfFormat::Ascii);
    return true;
  }
  const std::filesystem::path definitions = programDir / kDxfDefinitionsFile;
  std::error_code missing;
  if (!std::filesystem::is_regular_file(definitions, missing)) {
    dialogs.Message("File not found: DXF-DEFS.INI");
    return false;
  }
  errno = 0;
  std::ifstream in(definitions, std::ios::binary);
  if (!in) {
    throw FileError::FromErrno(definitions, errno != 0 ? errno : EIO);
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    throw FileError(definitions, "Cannot read the file");
  }
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return true;
}

}  // namespace calvora
