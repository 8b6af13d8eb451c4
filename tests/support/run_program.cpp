#include "support/run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>
#include <stdexcept>

#include "support/temp_folder.h"

namespace calvora::testing {

pid_t StartProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                   const std::filesystem::path& workingFolder, const std::string& outPath,
                   const std::string& errPath) {
  std::vector<std::string> argvText{program.string()};
  argvText.insert(argvText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& arg : argvText) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);

  const pid_t child = ::fork();
  if (child < 0) {
    throw std::runtime_error("cannot start " + program.string());
  }
  if (child == 0) {
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int in = ::open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0 || ::chdir(workingFolder.c_str()) != 0 || ::dup2(in, 0) < 0 ||
        ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) {
      ::_exit(127);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  return child;
}

ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& workingFolder) {
  const TempFolder streams;
  const std::string outPath = (streams / "out").string();
  const std::string errPath = (streams / "err").string();
  const pid_t child = StartProgram(program, args, workingFolder, outPath, errPath);
  int raw = 0;
  while (::waitpid(child, &raw, 0) < 0 && errno == EINTR) {
  }
  ProgramRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadText(outPath);
  run.err = ReadText(errPath);
  return run;
}

std::filesystem::path CalvoraExecutable() {
  return std::filesystem::path(CALVORA_BINARY_DIR) / "calvora";
}

ProgramRun RunCalvora(const std::string& arguments, const std::filesystem::path& workingFolder) {
  std::vector<std::string> args;
  std::istringstream words(arguments);
  for (std::string word; words >> word;) {
    args.push_back(word);
  }
  return RunProgram(CalvoraExecutable(), args, workingFolder);
}

}  // namespace calvora::testing
