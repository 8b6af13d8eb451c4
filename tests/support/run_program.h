#pragma once
// Runs a program (the built calvora executable) with arguments, no shell in between, and
// collects its exit status and both output streams.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace calvora::testing {

struct ProgramRun {
  int status = -1;  // exit status; -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& workingFolder);
// Starts the program and returns its process id, its output streams going to the files named.
pid_t StartProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                   const std::filesystem::path& workingFolder,
                   const std::string& outPath = "/dev/null",
                   const std::string& errPath = "/dev/null");

// The calvora executable of this build.
std::filesystem::path CalvoraExecutable();
// Runs "calvora <arguments>", the arguments split at blanks.
ProgramRun RunCalvora(const std::string& arguments, const std::filesystem::path& workingFolder);

}  // namespace calvora::testing
