// Nanoseconds per FormatField call for the report column patterns, over values of the size
// the reports carry (stations, elevations, areas, volumes; a few negatives and zeros).

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "numbers/number_text.h"

namespace {

std::vector<double> ReportValues() {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> magnitude(-2, 6);  // 0.01 .. 1,000,000
  std::uniform_int_distribution<int> kind(0, 9);
  std::vector<double> values(4096);
  for (double& value : values) {
    const double size = std::pow(10.0, magnitude(random));
    const int k = kind(random);
    value = k == 0 ? 0.0 : k == 1 ? -size : size;
  }
  return values;
}

void FormatColumn(benchmark::State& state, std::string_view pattern) {
  const std::vector<double> values = ReportValues();
  std::size_t i = 0;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string field = calvora::FormatField(values[i], pattern);
    bytes += field.size();
    i = (i + 1) % values.size();
  }
  benchmark::DoNotOptimize(bytes);
}

BENCHMARK_CAPTURE(FormatColumn, integer4, "###0");
BENCHMARK_CAPTURE(FormatColumn, integer5, "####0");
BENCHMARK_CAPTURE(FormatColumn, hashes3, "###");
BENCHMARK_CAPTURE(FormatColumn, fixed6, "##0.00");
BENCHMARK_CAPTURE(FormatColumn, fixed7, "###0.00");
BENCHMARK_CAPTURE(FormatColumn, fixed8, "####0.00");
BENCHMARK_CAPTURE(FormatColumn, fixed11, "#######0.00");
BENCHMARK_CAPTURE(FormatColumn, zeros6, "000.00");
BENCHMARK_CAPTURE(FormatColumn, degrees, "##0.00º");

}  // namespace

BENCHMARK_MAIN();
