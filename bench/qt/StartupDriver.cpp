// Starts each program given on the command line N times, alternating, and
// reports the time from just before the start to its first painted window
// (as the program reports it) and its peak resident memory.
// Usage: startup_driver N PROGRAM...   (the first program is the yardstick)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "bench/StartupRounds.h"

namespace {

struct Run {
  double milliseconds = 0;
  long maxRssKiB = 0;
};

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

bool RunOnce(const char* program, Run& run) {
  int output[2];
  if (pipe(output) != 0) return false;
  const std::string start = std::to_string(MonotonicNanoseconds());
  const pid_t child = fork();
  if (child == 0) {
    setenv("KORVANEL_BENCH_T0", start.c_str(), 1);
    dup2(output[1], STDOUT_FILENO);
    close(output[0]);
    close(output[1]);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(output[1]);
  std::string text;
  char buffer[64];
  for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(output[0]);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      text.empty()) {
    return false;
  }
  run.milliseconds = std::atof(text.c_str()) / 1e6;
  run.maxRssKiB = usage.ru_maxrss;
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s N PROGRAM...\n", argv[0]);
    return 2;
  }
  const int rounds = std::max(1, std::atoi(argv[1]));
  const int programs = argc - 2;
  const auto done = korvanel::bench::RunRounds<Run>(
      rounds, programs, [argv](int program, Run& run) { return RunOnce(argv[program + 2], run); });
  if (done.failed >= 0) {
    std::fprintf(stderr, "%s failed\n", argv[done.failed + 2]);
    return 1;
  }

  std::printf("%-40s %12s %12s %12s %8s %8s\n", "program", "median ms", "min ms", "max RSS KiB",
              "time x", "RSS x");
  const auto milliseconds = [](const Run& run) { return run.milliseconds; };
  const auto memory = [](const Run& run) { return run.maxRssKiB; };
  const double baseTime = korvanel::bench::Median(done.runs.front(), milliseconds);
  const double baseRss = korvanel::bench::Median(done.runs.front(), memory);
  for (int p = 0; p < programs; ++p) {
    const std::vector<Run>& mine = done.runs[static_cast<std::size_t>(p)];
    const double time = korvanel::bench::Median(mine, milliseconds);
    const double rss = korvanel::bench::Median(mine, memory);
    std::printf("%-40s %12.1f %12.1f %12.0f %8.2f %8.2f\n", argv[p + 2], time,
                korvanel::bench::Least(mine, milliseconds), rss, time / baseTime, rss / baseRss);
  }
  return 0;
}
