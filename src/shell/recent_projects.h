#pragma once
// The recent-projects list: up to four project paths, the newest first, kept in "projects.lst"
// (one path per line, CR LF) in the program's folder, or in the person's configuration folder
// when the program's folder cannot be written.

#include <filesystem>
#include <string>
#include <vector>

#include "project/user_dialogs.h"

namespace calvora {

class RecentProjects {
 public:
  static constexpr std::size_t kMaxEntries = 4;

  // programFolder holds the list; fallbackFolder takes it when the program folder refuses it.
  RecentProjects(std::filesystem::path programFolder, std::filesystem::path fallbackFolder);

  // Reads the list: the fallback copy when one exists (the program folder refused it before),
  // else the program folder's. Lines are trimmed; the first empty line ends the list.
  void Load();

  // Puts path at the top (an equal entry, compared case-sensitively, moves up; otherwise the
  // fourth drops out) and rewrites the list file. A file that cannot be written is told.
  void Update(const std::string& path, UserDialogs& dialogs);

  const std::vector<std::string>& Entries() const { return entries_; }
  // Where the list is read and written now.
  const std::filesystem::path& ListPath() const { return listPath_; }

 private:
  void Save(UserDialogs& dialogs);

  std::filesystem::path fallbackPath_;
  std::filesystem::path listPath_;
  std::vector<std::string> entries_;
};

}  // namespace calvora
