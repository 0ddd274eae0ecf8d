// Costs of the number rules and of one lookup in a directory of the shipped size.
#include <benchmark/benchmark.h>

#include <fstream>

#include "area_code_lookup.h"
#include "bench_support.h"
#include "number_text.h"
#include "read_number.h"

namespace {

void BM_ReadNumber(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lookup::ReadNumber(" 212.5e0 "));
}
BENCHMARK(BM_ReadNumber);

void BM_NumberText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lookup::NumberText(199.99999999999997));
}
BENCHMARK(BM_NumberText);

// A directory of about the shipped size (500 records), searched for its last code.
void BM_LookupInShippedSizeDirectory(benchmark::State& state) {
  bench::ScratchFolder folder;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  {
    std::ofstream out("cities.txt", std::ios::binary);
    for (int code = 200; code < 700; ++code) {
      out << bench::Record("ZZ", code, std::string(120, 'c')) << "\r\n";
    }
  }
  bench::QuietWindow window;
  window.entry = "699";
  for (auto _ : state) {
    lookup::Command1_Click(window);
    benchmark::DoNotOptimize(window.result);
  }
  std::filesystem::current_path(previous);
}
BENCHMARK(BM_LookupInShippedSizeDirectory);

}  // namespace

BENCHMARK_MAIN();
