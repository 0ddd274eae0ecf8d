// SPDX-License-Identifier: Apache-2.0
// Costs of the number rules and of one lookup in a directory of the shipped size.
#include <benchmark/benchmark.h>

#include "area_code_lookup.h"
#include "number_text.h"
#include "read_number.h"
#include "testing/directory_record.h"
#include "testing/fake_window.h"
#include "testing/temp_folder.h"

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
  const lookup_testing::TempFolder folder;
  std::string directory;
  for (int code = 200; code < 700; ++code) {
    directory += lookup_testing::Record("ZZ", std::to_string(code), std::string(120, 'c')) + "\r\n";
  }
  folder.Write("cities.txt", directory);
  lookup_testing::QuietWindow window;
  window.entry = "699";
  for (auto _ : state) {
    lookup::Command1_Click(window);
    benchmark::DoNotOptimize(window.result);
  }
}
BENCHMARK(BM_LookupInShippedSizeDirectory);

}  // namespace

BENCHMARK_MAIN();
