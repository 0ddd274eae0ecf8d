// SPDX-License-Identifier: Apache-2.0
// Times programs from their start to their first window being mapped on the X server named by
// DISPLAY, and reads their resident memory once shown. Runs them in turn, RUNS times each, and
// prints the medians and their ratio against the first program, the fastest start of each, and
// the processor time that the program's own threads took until then: on a busy machine the
// last two show best what the program itself costs.
//
// Usage: startup_watch RUNS FOLDER PROGRAM...   (each program is started in FOLDER)
// A program that shows no window within STARTUP_WATCH_TIMEOUT seconds (default 10) is reported
// so and not started again.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kSettle = std::chrono::milliseconds(300);

// The longest wait for a window, in milliseconds.
int TimeoutMs() {
  const char* seconds = std::getenv("STARTUP_WATCH_TIMEOUT");
  const int value = seconds != nullptr ? std::atoi(seconds) : 0;
  return (value > 0 ? value : 10) * 1000;
}

struct Sample {
  double seconds = -1;
  double cpuSeconds = -1;
  long rssKib = -1;
  long anonKib = -1;
};

// A figure of /proc/PID/status, in KiB: VmRSS is all resident memory, RssAnon the part that is
// the process's own rather than pages of shared libraries and files.
long StatusKib(pid_t pid, const std::string& field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == field) {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

// The processor time that all threads of `pid` have run so far, in seconds (from the scheduler's
// figures, which count nanoseconds).
double CpuSeconds(pid_t pid) {
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  std::error_code error;
  double seconds = 0;
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double nanoseconds = 0;
    if (schedstat >> nanoseconds) seconds += nanoseconds * 1e-9;
  }
  return seconds;
}

// Waits for the next window to be mapped anywhere on the screen.
bool WaitForMap(xcb_connection_t* connection) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(TimeoutMs());
  for (;;) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
      std::free(event);
      if (mapped) return true;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left.count()));
  }
}

Sample RunOnce(xcb_connection_t* connection, const std::string& program, const char* folder) {
  Sample sample;
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(folder) != 0) _exit(127);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (WaitForMap(connection)) {
    sample.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    sample.cpuSeconds = CpuSeconds(pid);
    std::this_thread::sleep_for(kSettle);
    sample.rssKib = StatusKib(pid, "VmRSS:");
    sample.anonKib = StatusKib(pid, "RssAnon:");
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return sample;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s RUNS FOLDER PROGRAM...\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const char* folder = argv[2];
  std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
      xcb_connect(nullptr, nullptr), xcb_disconnect);
  if (xcb_connection_has_error(connection.get())) {
    std::fprintf(stderr, "no X server at DISPLAY\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection.get(), root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection.get());

  const int programs = argc - 3;
  std::vector<bool> timedOut(static_cast<std::size_t>(programs));
  std::vector<std::vector<double>> seconds(static_cast<std::size_t>(programs));
  std::vector<std::vector<double>> rss(static_cast<std::size_t>(programs));
  std::vector<std::vector<double>> anon(static_cast<std::size_t>(programs));
  std::vector<std::vector<double>> cpu(static_cast<std::size_t>(programs));
  for (int run = 0; run < runs; ++run) {
    for (int p = 0; p < programs; ++p) {
      if (timedOut[static_cast<std::size_t>(p)]) continue;
      // Absolute, since each program starts in the folder.
      const std::string program = std::filesystem::absolute(argv[3 + p]).string();
      const Sample sample = RunOnce(connection.get(), program, folder);
      if (sample.seconds < 0) {
        timedOut[static_cast<std::size_t>(p)] = true;
        continue;
      }
      seconds[static_cast<std::size_t>(p)].push_back(sample.seconds);
      rss[static_cast<std::size_t>(p)].push_back(static_cast<double>(sample.rssKib));
      anon[static_cast<std::size_t>(p)].push_back(static_cast<double>(sample.anonKib));
      cpu[static_cast<std::size_t>(p)].push_back(sample.cpuSeconds);
    }
  }
  if (seconds[0].empty()) {
    std::fprintf(stderr, "%s showed no window\n", argv[3]);
    return 1;
  }
  const double baseSeconds = bench::Median(seconds[0]);
  const double baseRss = bench::Median(rss[0]);
  const double baseAnon = bench::Median(anon[0]);
  const double baseCpu = bench::Median(cpu[0]);
  std::printf(
      "start to window mapped, median of %d runs each (ratio to the first), the fastest, the "
      "program's own processor time (ratio), and resident memory once shown\n",
      runs);
  for (int p = 0; p < programs; ++p) {
    const std::string name = std::filesystem::path(argv[3 + p]).filename().string();
    std::vector<double>& times = seconds[static_cast<std::size_t>(p)];
    if (timedOut[static_cast<std::size_t>(p)]) {
      std::printf("  %-28s no window within %d s\n", name.c_str(), TimeoutMs() / 1000);
      continue;
    }
    const double s = bench::Median(times);  // sorts them: the fastest comes first
    const double c = bench::Median(cpu[static_cast<std::size_t>(p)]);
    const double r = bench::Median(rss[static_cast<std::size_t>(p)]);
    const double a = bench::Median(anon[static_cast<std::size_t>(p)]);
    std::printf(
        "  %-28s %7.1f ms  ratio %5.2f  fastest %7.1f ms  cpu %7.1f ms (%5.2f)  resident %6.0f "
        "KiB (%+5.0f)  own %6.0f KiB (%+5.0f)\n",
        name.c_str(), s * 1e3, s / baseSeconds, times.front() * 1e3, c * 1e3, c / baseCpu, r,
        r - baseRss, a, a - baseAnon);
  }
  return 0;
}
