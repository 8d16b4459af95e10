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

template <class T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s N PROGRAM...\n", argv[0]);
    return 2;
  }
  const int rounds = std::max(1, std::atoi(argv[1]));
  const int programs = argc - 2;
  std::vector<std::vector<Run>> runs(static_cast<std::size_t>(programs));
  for (int round = 0; round < rounds; ++round) {
    for (int p = 0; p < programs; ++p) {
      Run run;
      if (!RunOnce(argv[p + 2], run)) {
        std::fprintf(stderr, "%s failed\n", argv[p + 2]);
        return 1;
      }
      runs[static_cast<std::size_t>(p)].push_back(run);
    }
  }

  std::printf("%-40s %12s %12s %12s %8s %8s\n", "program", "median ms", "min ms", "max RSS KiB",
              "time x", "RSS x");
  double baseTime = 0;
  double baseRss = 0;
  for (int p = 0; p < programs; ++p) {
    std::vector<double> times;
    std::vector<long> rss;
    for (const Run& run : runs[static_cast<std::size_t>(p)]) {
      times.push_back(run.milliseconds);
      rss.push_back(run.maxRssKiB);
    }
    const double time = Median(times);
    const double memory = static_cast<double>(Median(rss));
    if (p == 0) {
      baseTime = time;
      baseRss = memory;
    }
    std::printf("%-40s %12.1f %12.1f %12.0f %8.2f %8.2f\n", argv[p + 2], time,
                *std::min_element(times.begin(), times.end()), memory, time / baseTime,
                memory / baseRss);
  }
  return 0;
}
