#include "shell/recent_projects.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace calvora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kListName = "projects.lst";

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Writes the lines through a scratch file beside the target and one rename; throws
// std::system_error (or fs::filesystem_error) when the folder refuses.
void WriteLinesAtomically(const fs::path& target, const std::vector<std::string>& lines) {
  const fs::path scratch = fs::path(target).concat(".tmp");
  {
    std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
    if (!out) {
      throw std::system_error(errno, std::generic_category(), "cannot write " + scratch.string());
    }
    for (const auto& line : lines) {
      out << line << "\r\n";
    }
    out.flush();
    if (!out) {
      const int error = errno;
      out.close();
      std::error_code ignored;
      fs::remove(scratch, ignored);
      throw std::system_error(error, std::generic_category(), "cannot write " + scratch.string());
    }
  }
  fs::rename(scratch, target);
}

}  // namespace

RecentProjects::RecentProjects(fs::path programFolder, fs::path fallbackFolder)
    : fallbackPath_(std::move(fallbackFolder) / kListName),
      listPath_(std::move(programFolder) / kListName) {}

void RecentProjects::Load() {
  std::error_code ec;
  if (!fallbackPath_.empty() && fs::exists(fallbackPath_, ec)) {
    listPath_ = fallbackPath_;
  }
  entries_.clear();
  std::ifstream in(listPath_, std::ios::binary);
  std::string line;
  while (entries_.size() < kMaxEntries && std::getline(in, line)) {
    line = Trimmed(line);
    if (line.empty()) {
      break;
    }
    entries_.push_back(line);
  }
}

void RecentProjects::Update(const std::string& path, UserDialogs& dialogs) {
  const auto found = std::find(entries_.begin(), entries_.end(), path);
  if (found != entries_.end()) {
    entries_.erase(found);
  } else if (entries_.size() == kMaxEntries) {
    entries_.pop_back();
  }
  entries_.insert(entries_.begin(), path);
  Save(dialogs);
}

void RecentProjects::Save(UserDialogs& dialogs) {
  try {
    WriteLinesAtomically(listPath_, entries_);
    return;
  } catch (const std::exception& error) {
    if (listPath_ == fallbackPath_ || fallbackPath_.empty()) {
      dialogs.Message("The list of recent projects could not be saved (" +
                      std::string(error.what()) + ").");
      return;
    }
    try {
      fs::create_directories(fallbackPath_.parent_path());
      WriteLinesAtomically(fallbackPath_, entries_);
      dialogs.Message("The list of recent projects cannot be saved in the program folder (" +
                      std::string(error.what()) + "); it is kept in " + fallbackPath_.string() +
                      " from now on.");
      listPath_ = fallbackPath_;
    } catch (const std::exception& fallbackError) {
      dialogs.Message("The list of recent projects could not be saved (" +
                      std::string(fallbackError.what()) + ").");
    }
  }
}

}  // namespace calvora
