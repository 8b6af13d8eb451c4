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
#include <sstream>

#include "app/batch_dialogs.h"
#include "quantities/calc_volumes.h"
#include "support/temp_folder.h"

namespace {

using namespace calvora;
namespace fs = std::filesystem;

constexpr float kSpacing = 5;

VariantRecord RoadTemplate() {
  VariantRecord v;
  for (const int s : {-1, 1}) {
    const float side = static_cast<float>(s);
    v.Point(s, 0) = 3.5f * side;
    v.Point(s, 1) = -0.07f;
    v.Point(2 * s, 0) = 5.0f * side;
    v.Point(2 * s, 1) = -0.13f;
    v.LineCount[s] = 2 * side;
    v.FillSlope[s] = 1 / 1.5f;
    v.CutTran(s, 0) = 1.0f * side;
    v.CutTran(s, 1) = -0.6f;
    v.CutTran(2 * s, 0) = 4.0f * side;
    v.CutTran(2 * s, 1) = 2.4f;
  }
  v.Deco = 0.2f;
  v.SubG = 0.45f;
  return v;
}

// Rolling ground about a level grade: cut, fill and side-hill sections in turn.
SectionRecord RoadSection(int n) {
  SectionRecord r;
  const double station = kSpacing * (n - 1);
  r.Kilo = static_cast<std::int16_t>(std::floor(station / 1000));
  r.Meter = static_cast<float>(station - 1000.0 * r.Kilo);
  r.PRElev = 300;
  const double depth = 3 * std::sin(station / 90);
  const double fall = 0.15 * std::sin(station / 130);
  r.GRElev = static_cast<float>(300 + depth);
  r.Var = 1;
  for (const int s : {-1, 1}) {
    for (int k = 1; k <= 6; ++k) {
      const double x = s * 7.0 * k;
      r.GroundPoints(s * k, 0) = static_cast<float>(x);
      r.GroundPoints(s * k, 1) = static_cast<float>(300 + depth + fall * x);
    }
    r.PointCount[s] = static_cast<std::int16_t>(6 * s);
  }
  return r;
}

// A project of `count` sections with two compaction layers and a borrow-pit list.
struct GeneratedRoad {
  testing::TempFolder folder;
  ProjectState state;

  explicit GeneratedRoad(int count) {
    state.Project.TitleLeft = "Benchmark road";
    state.Project.NumLines = 64;
    state.Project.CalcMethod = 1;
    state.Project.Thickness = {0.3f, 0.3f, 0, 0, 0};
    state.Project.Compaction = {95, 90, 0, 0, 0};
    state.ProjectPath = (folder / "B.PRJ").string();
    state.Data.FileName = "B.DAT";
    state.Data.File.emplace(folder / "B.DAT", SectionRecord::kLength);
    state.Var.FileName = "B.VAR";
    state.Var.File.emplace(folder / "B.VAR", VariantRecord::kLength);
    WriteRecord(*state.Var.File, 1, RoadTemplate());
    std::vector<std::uint8_t> bytes(SectionRecord::kLength);
    std::ofstream data(folder / "B.DAT", std::ios::binary | std::ios::trunc);
    for (int n = 1; n <= count; ++n) {
      EncodeRecord(RoadSection(n), bytes);
      data.write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
    }
    data.close();
    state.Data.File.emplace(folder / "B.DAT", SectionRecord::kLength);
    std::ofstream pits(folder / "B.DPO");
    for (int km = 0; km <= count * static_cast<int>(kSpacing) / 1000; km += 5) {
      pits << km << " 500 400000 300\r\n";
    }
  }
};

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
  std::ostringstream messages;
  VolumeRunSummary summary;
  std::vector<std::string> shown;
  for (auto _ : benchState) {
    BatchDialogs dialogs(messages);
    dialogs.AnswerYes(true);
    SilentProgress progress;
    summary = CalcVolumes(road.state, dialogs, progress);
    shown = dialogs.Messages();
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
  std::ostringstream messages;
  BatchDialogs dialogs(messages);
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
