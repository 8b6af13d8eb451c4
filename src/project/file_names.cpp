#include "project/file_names.h"

#include <algorithm>
#include <cctype>

namespace calvora {

namespace {

std::size_t FileNameStart(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  if (start == 0 && path.size() >= 2 && path[1] == ':' &&
      std::isalpha(static_cast<unsigned char>(path[0]))) {
    start = 2;
  }
  return start;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
  return path.substr(FileNameStart(path));
}

std::string StemBeforeFirstDot(const std::string& path) {
  const auto start = FileNameStart(path);
  const auto dot = path.find('.', start);
  return dot == std::string::npos ? path : path.substr(0, dot);
}

bool LooksForeign(const std::string& path) {
  if (path.find('\\') != std::string::npos) {
    return true;
  }
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

bool HoldsControlCharacters(const std::string& name) {
  return std::any_of(name.begin(), name.end(),
                     [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

}  // namespace calvora
