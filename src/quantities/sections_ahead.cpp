#include "quantities/sections_ahead.h"

#include <ostream>
#include <stdexcept>

#include "section/section_engine.h"

namespace calvora {

namespace {

// Sections change threads a batch at a time: waking the other thread costs far more than
// computing a section. A few batches ahead keep both threads busy in little memory.
constexpr std::size_t kBatchSize = 256;
constexpr std::size_t kBatchesAhead = 4;

}  // namespace

SectionsAhead::SectionsAhead(const ProjectState& state, int count)
    : state_(state), count_(count), worker_([this] {
        Run();
        Finish();
      }) {}

SectionsAhead::~SectionsAhead() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

bool SectionsAhead::Hand(Batch& batch) {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stop_ || ready_.size() < kBatchesAhead; });
    if (stop_) {
      return false;
    }
    ready_.push_back(std::move(batch));
  }
  changed_.notify_all();
  batch.clear();
  return true;
}

void SectionsAhead::Run() {
  SectionEngine engine;
  Batch batch;
  for (int n = 1; n <= count_; ++n) {
    Outcome& outcome = batch.emplace_back();
    try {
      const float station = engine.ComputeSection(state_, n);
      const SectionResults& r = engine.Results();
      outcome.section.Slot = {n,       r.Section.Kilo,  r.Section.Meter,
                              station, r.SideState[-1], ComputeSectionAreas(r)};
      outcome.section.BadVariant = r.BadVariant;
      outcome.section.Valid = r.Valid();
      outcome.section.Messages = r.Messages;
    } catch (...) {
      outcome.error = std::current_exception();
    }
    const bool last = outcome.error || outcome.section.BadVariant;
    if (last || batch.size() == kBatchSize) {
      if (!Hand(batch) || last) {
        return;
      }
    }
  }
  if (!batch.empty()) {
    Hand(batch);
  }
}

void SectionsAhead::Finish() {
  {
    const std::lock_guard lock(mutex_);
    finished_ = true;
  }
  changed_.notify_all();
}

AheadSection SectionsAhead::Next() {
  if (taken_ == current_.size()) {
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
      if (ready_.empty()) {
        throw std::logic_error("No section is left to compute");
      }
      current_ = std::move(ready_.front());
      ready_.pop_front();
    }
    changed_.notify_all();
    taken_ = 0;
  }
  Outcome& outcome = current_[taken_++];
  if (outcome.error) {
    std::rethrow_exception(outcome.error);
  }
  return std::move(outcome.section);
}

}  // namespace calvora
