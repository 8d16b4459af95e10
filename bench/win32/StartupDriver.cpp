// Starts each program given on the command line N times, alternating, and
// reports the time from just before the start to its first fully painted
// window and its peak working set, as the program itself reports them (see
// QuitAfterFirstPaint.cpp), and the medians of the phases of that time.
// Usage: startup_driver N PROGRAM...   (the first program is the yardstick)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/StartupRounds.h"

namespace {

// The program's process and DLLs up, its first top-level window created,
// activated, first WM_PAINT, all painted: milliseconds since the start.
constexpr int kMarks = 5;
constexpr const char* kPhases[kMarks] = {"load", "to window", "build", "to paint", "paint"};

struct Run {
  double peakKiB = 0;
  double at[kMarks] = {};
  double Total() const { return at[kMarks - 1]; }
  double Phase(int mark) const { return at[mark] - (mark > 0 ? at[mark - 1] : 0); }
};

bool RunOnce(const wchar_t* program, Run& run) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return false;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
  PROCESS_INFORMATION process{};

  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  SetEnvironmentVariableW(L"KORVANEL_BENCH_T0", std::to_wstring(start.QuadPart).c_str());
  const BOOL started = CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    return false;
  }
  std::string text;
  char buffer[128];
  DWORD got = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    text.append(buffer, got);
  }
  CloseHandle(readEnd);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  unsigned long long peakBytes = 0;
  long long at[kMarks] = {};
  if (exitCode != 0 || std::sscanf(text.c_str(), "%llu %lld %lld %lld %lld %lld", &peakBytes,
                                   &at[0], &at[1], &at[2], &at[3], &at[4]) != 1 + kMarks) {
    return false;
  }
  run.peakKiB = static_cast<double>(peakBytes) / 1024;
  for (int mark = 0; mark < kMarks; ++mark) run.at[mark] = static_cast<double>(at[mark]) / 1e3;
  return true;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: %ls N PROGRAM...\n", argv[0]);
    return 2;
  }
  const int rounds = std::max(1, _wtoi(argv[1]));
  const int programs = argc - 2;
  const auto done = korvanel::bench::RunRounds<Run>(
      rounds, programs, [argv](int program, Run& run) { return RunOnce(argv[program + 2], run); });
  if (done.failed >= 0) {
    std::fwprintf(stderr, L"%ls failed\n", argv[done.failed + 2]);
    return 1;
  }

  std::printf("%-30s %9s %8s %11s %6s %6s  median ms of:", "program", "median ms", "min ms",
              "peak WS KiB", "time x", "WS x");
  for (const char* phase : kPhases) std::printf(" %9s", phase);
  std::printf("\n");
  using korvanel::bench::Median;
  const auto total = [](const Run& run) { return run.Total(); };
  const auto peakOf = [](const Run& run) { return run.peakKiB; };
  const double baseTime = Median(done.runs.front(), total);
  const double basePeak = Median(done.runs.front(), peakOf);
  for (int p = 0; p < programs; ++p) {
    const std::vector<Run>& mine = done.runs[static_cast<std::size_t>(p)];
    const double time = Median(mine, total);
    const double peak = Median(mine, peakOf);
    const double fastest = korvanel::bench::Least(mine, total);
    const wchar_t* name = argv[p + 2];
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
      if (*c == L'\\' || *c == L'/') name = c + 1;
    }
    std::printf("%-30ls %9.1f %8.1f %11.0f %6.2f %6.2f %14s", name, time, fastest, peak,
                time / baseTime, peak / basePeak, "");
    for (int mark = 0; mark < kMarks; ++mark) {
      std::printf(" %9.1f", Median(mine, [mark](const Run& run) { return run.Phase(mark); }));
    }
    std::printf("\n");
  }
  return 0;
}
