#include "records/interrupt_cleanup.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>
#include <mutex>

namespace calvora {

namespace {

constexpr std::size_t kSlots = 64;
std::array<std::atomic<const char*>, kSlots> names{};

void RemoveNamesAndEnd(int signal) {
  for (auto& name : names) {
    if (const char* path = name.load()) {
      ::unlink(path);
    }
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void InstallHandler() {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL ||
        (current.sa_flags & SA_SIGINFO) != 0) {
      continue;
    }
    struct sigaction action {};
    action.sa_handler = RemoveNamesAndEnd;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

}  // namespace

void RemoveOnInterrupt(const char* path) {
  static std::once_flag installed;
  std::call_once(installed, InstallHandler);
  for (auto& name : names) {
    const char* empty = nullptr;
    if (name.compare_exchange_strong(empty, path)) {
      return;
    }
  }
}

void ForgetOnInterrupt(const char* path) {
  for (auto& name : names) {
    const char* held = path;
    if (name.compare_exchange_strong(held, nullptr)) {
      return;
    }
  }
}

}  // namespace calvora
