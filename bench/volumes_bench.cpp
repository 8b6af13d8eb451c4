// The volume run on a generated road of up to 32,767 sections (the survey data file's
// maximum): every section through the engine, the quantity file, the surfaces report, the
// volume report and the transport report. Beside it, the I/O floor: copying as many bytes as
// the run writes.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "quantities/calc_volumes.h"
#include "quantities/interval_quantities.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace {

using namespace calvora;
namespace fs = std::filesystem;

constexpr float kSpacing = 5;

// Rolling ground about a level grade: cut, fill and side-hill sections in turn; two compaction
// layers.
testing::RoadRecords BenchmarkRoad(int count) {
  testing::RoadRecords road;
  road.project.TitleLeft = "Benchmark road";
  road.project.NumLines = 64;
  road.project.CalcMethod = kPreciseMethod;
  road.project.Thickness = {0.3f, 0.3f, 0, 0, 0};
  road.project.Compaction = {95, 90, 0, 0, 0};
  VariantRecord lanes =
      testing::MakeVariant({{3.5, -0.07}, {5, -0.13}}, 1 / 1.5, {{1, -0.6}, {4, 2.4}});
  lanes.Deco = 0.2f;
  lanes.SubG = 0.45f;
  road.variants = {lanes};
  for (int n = 1; n <= count; ++n) {
    const double station = kSpacing * (n - 1);
    const double depth = 3 * std::sin(station / 90);
    const double fall = 0.15 * std::sin(station / 130);
    testing::OutwardPoints sides[2];
    for (int k = 1; k <= 6; ++k) {
      sides[0].emplace_back(7.0 * k, 300 + depth - fall * 7.0 * k);
      sides[1].emplace_back(7.0 * k, 300 + depth + fall * 7.0 * k);
    }
    road.sections.push_back(testing::MakeSection(300, 300 + depth, sides[0], sides[1]));
    testing::SetStation(road.sections.back(), station);
  }
  return road;
}

// The benchmark road of `count` sections with a borrow-pit list.
struct GeneratedRoad : testing::Road {
  explicit GeneratedRoad(int count) : Road(BenchmarkRoad(count), "B") {
    std::ofstream pits(File(".DPO"));
    for (int km = 0; km <= count * static_cast<int>(kSpacing) / 1000; km += 5) {
      pits << km << " 500 400000 300\r\n";
    }
  }
};

// The messages the run showed.
std::vector<std::string> Messages(const testing::RecordingDialogs& dialogs) {
  std::vector<std::string> messages;
  for (const std::string& shown : dialogs.shown) {
    if (shown.starts_with("Message: ")) {
      messages.push_back(shown.substr(9));
    }
  }
  return messages;
}

std::uintmax_t BytesWritten(const VolumeRunSummary& summary) {
  std::uintmax_t bytes = 0;
  for (const fs::path& file : summary.Files) {
    bytes += fs::file_size(file);
  }
  return bytes;
}

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void BM_CalcVolumes(benchmark::State& benchState) {
  GeneratedRoad road(static_cast<int>(benchState.range(0)));
  VolumeRunSummary summary;
  std::vector<std::string> shown;
  for (auto _ : benchState) {
    testing::RecordingDialogs dialogs;  // the reports under their proposed names
    SilentProgress progress;
    summary = CalcVolumes(road.state, dialogs, progress);
    shown = Messages(dialogs);
  }
  // From section 10,000 on the section numbers are wider than their column: the one message
  // the run gives names them.
  const bool quiet =
      shown.empty() || (shown.size() == 1 && summary.SectionsReported >= 10000 &&
                        shown[0].find("section number at sections 10000-") != std::string::npos);
  if (!summary.Written || summary.Files.size() != 4 || !quiet) {
    benchState.SkipWithError("the run did not write its four reports");
    return;
  }
  const double bytes = static_cast<double>(BytesWritten(summary));
  benchState.counters["sections/s"] = benchmark::Counter(
      static_cast<double>(summary.SectionsReported), benchmark::Counter::kIsIterationInvariantRate);
  benchState.counters["bytes_written"] = bytes;
  benchState.counters["peak_rss_kb"] = static_cast<double>(PeakRssKb());
}
BENCHMARK(BM_CalcVolumes)->Arg(1024)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();

// The I/O floor: the bytes of the four reports of the largest run, copied once (argument 1:
// and synced to the disk, as the run syncs each report before putting it in place).
void BM_CopySameBytes(benchmark::State& benchState) {
  GeneratedRoad road(32767);
  testing::RecordingDialogs dialogs;
  SilentProgress progress;
  const VolumeRunSummary summary = CalcVolumes(road.state, dialogs, progress);
  const fs::path all = road.folder / "all.bytes";
  {
    std::ofstream out(all, std::ios::binary);
    for (const fs::path& file : summary.Files) {
      std::ifstream in(file, std::ios::binary);
      out << in.rdbuf();
    }
  }
  const fs::path copy = road.folder / "copy.bytes";
  for (auto _ : benchState) {
    fs::copy_file(all, copy, fs::copy_options::overwrite_existing);
    if (benchState.range(0) == 1) {
      const int fd = ::open(copy.c_str(), O_WRONLY);
      ::fsync(fd);
      ::close(fd);
    }
  }
  benchState.counters["bytes_copied"] = static_cast<double>(fs::file_size(all));
}
BENCHMARK(BM_CopySameBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
