// SPDX-License-Identifier: Apache-2.0
// How fast a lookup scans a large directory, against grep finding the same line, and how much
// memory one lookup takes when a line is enormous.
//
// Usage: directory_scan [SHIPPED_CITIES_TXT]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "area_code_lookup.h"
#include "bench_support.h"
#include "testing/directory_record.h"
#include "testing/fake_window.h"
#include "testing/temp_folder.h"

extern char** environ;

namespace {

constexpr int kRecords = 1'000'000;
constexpr int kRounds = 21;
constexpr std::size_t kHugeLine = std::size_t{1} << 30;

using Clock = std::chrono::steady_clock;

// One million records of about 80 bytes; the only record for 999 is the last line.
std::string WriteLargeDirectory(const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  const std::string city = "Springfield, Shelbyville, Capital City, Ogdenville";
  for (int i = 0; i + 1 < kRecords; ++i) {
    out << lookup_testing::Record("ZZ", std::to_string(200 + i % 799), city) << "\r\n";
  }
  const std::string last = lookup_testing::Record("QQ", "999", "The last line, " + city);
  out << last << "\r\n";
  return last;
}

double SecondsOfLookup(const std::string& entry) {
  lookup_testing::QuietWindow window;
  window.entry = entry;
  const auto start = Clock::now();
  lookup::Command1_Click(window);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double SecondsOfGrep(const std::string& line, const std::string& file) {
  std::string program = "grep";
  std::string options = "-m1";
  std::string fixed = "-F";
  std::string quiet = "-q";
  std::string pattern = line;
  std::string path = file;
  char* argv[] = {program.data(), options.data(), fixed.data(), quiet.data(),
                  pattern.data(), path.data(),    nullptr};
  const auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, "grep", nullptr, nullptr, argv, environ) != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Peak resident memory, in KiB, of a child process that runs one lookup in `folder`.
long PeakKibOfLookupIn(const std::filesystem::path& folder, const std::string& entry) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::filesystem::current_path(folder);
    SecondsOfLookup(entry);
    _exit(0);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  return usage.ru_maxrss;
}

void CompareWithGrep() {
  const lookup_testing::TempFolder folder;
  const std::string last = WriteLargeDirectory("cities.txt");
  const double megabytes = static_cast<double>(std::filesystem::file_size("cities.txt")) / 1e6;
  SecondsOfGrep(last, "cities.txt");  // both warm in the page cache
  SecondsOfLookup("999");
  std::vector<double> lookups;
  std::vector<double> greps;
  for (int round = 0; round < kRounds; ++round) {
    lookups.push_back(SecondsOfLookup("999"));
    greps.push_back(SecondsOfGrep(last, "cities.txt"));
  }
  const double lookup = bench::Median(lookups);
  const double grep = bench::Median(greps);
  std::printf("directory of %d records, %.1f MB; median of %d rounds\n", kRecords, megabytes,
              kRounds);
  std::printf("  lookup of 999: %.2f ms\n  grep -m1 -F:   %.2f ms\n  ratio lookup/grep: %.2f\n",
              lookup * 1e3, grep * 1e3, lookup / grep);
}

void MeasureMemory(const std::filesystem::path& shipped) {
  const lookup_testing::TempFolder small;
  std::filesystem::copy_file(shipped, small.Path() / "cities.txt");
  const lookup_testing::TempFolder huge;
  {
    std::ofstream out(huge.Path() / "cities.txt", std::ios::binary);
    const std::string block(std::size_t{1} << 20, 'x');
    for (std::size_t written = 0; written < kHugeLine; written += block.size()) out << block;
    out << "\r\n" << lookup_testing::Record("QQ", "999", "after the long line") << "\r\n";
  }
  const long baseline = PeakKibOfLookupIn(small.Path(), "999");
  const long withHugeLine = PeakKibOfLookupIn(huge.Path(), "999");
  std::printf(
      "peak resident memory of one lookup\n  shipped directory: %ld KiB\n"
      "  first line of 1 GiB: %ld KiB\n  difference: %ld KiB\n",
      baseline, withHugeLine, withHugeLine - baseline);
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::filesystem::path shipped =
      std::filesystem::absolute(argc > 1 ? argv[1] : "data/cities.txt");
  CompareWithGrep();
  if (std::filesystem::exists(shipped)) {
    MeasureMemory(shipped);
  } else {
    std::cerr << "no shipped directory at " << shipped << "; memory not measured\n";
  }
  return 0;
}
