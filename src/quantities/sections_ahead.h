#pragma once
// The volume run's sections computed on a second thread, ahead of the report writing. The
// engine reads its own copies of the records and only shows messages; each section's messages
// travel with it, for the caller to show in order when it takes the section.

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "project/project_state.h"
#include "quantities/section_slot.h"

namespace calvora {

struct AheadSection {
  SectionSlot Slot;
  bool BadVariant = false;  // nothing else was computed
  bool Valid = false;
  std::vector<std::string> Messages;  // what the engine showed for this section, in order
};

class SectionsAhead {
 public:
  // Starts computing sections 1..count of the project's open working files, at most about a
  // thousand ahead of Next. The files and the project must stay as they are until destruction.
  SectionsAhead(const ProjectState& state, int count);
  // Stops the computation and waits for it.
  ~SectionsAhead();
  SectionsAhead(const SectionsAhead&) = delete;
  SectionsAhead& operator=(const SectionsAhead&) = delete;

  // The next section, 1, 2, ... in turn (at most count of them); rethrows what computing it
  // threw (FileError). Nothing follows a bad variant number or an error: asking for more is a
  // logic_error.
  AheadSection Next();

 private:
  struct Outcome {
    AheadSection section;
    std::exception_ptr error;
  };
  using Batch = std::vector<Outcome>;

  void Run();
  // Hands a batch to the caller's side, waiting while enough are ahead; false once stopped.
  bool Hand(Batch& batch);
  void Finish();

  const ProjectState& state_;
  const int count_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Batch> ready_;
  Batch current_;  // the caller's batch, and how much of it was taken
  std::size_t taken_ = 0;
  bool stop_ = false;      // the caller wants no more
  bool finished_ = false;  // the worker computes no more
  std::thread worker_;     // last: starts once everything above is in place
};

}  // namespace calvora
