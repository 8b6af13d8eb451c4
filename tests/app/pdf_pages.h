#pragma once
// The page count of a PDF document as pdfinfo reads it; -1 when it cannot.

#include <cstdio>
#include <filesystem>
#include <string>

namespace calvora::testing {

inline int PdfPages(const std::filesystem::path& pdf) {
  const std::string command = "pdfinfo '" + pdf.string() + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return -1;
  }
  char line[512];
  int pages = -1;
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::sscanf(line, "Pages: %d", &pages);
  }
  ::pclose(pipe);
  return pages;
}

}  // namespace calvora::testing
