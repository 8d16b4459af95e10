// Starts each program given on the command line N times, alternating, and
// reports the time from just before the start to its first fully painted
// window and its peak working set, as the program itself reports them (see
// QuitAfterFirstPaint.cpp), with the medians of the two parts of that time.
// Usage: startup_driver N PROGRAM...   (the first program is the yardstick)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run {
  double milliseconds = 0;
  double peakKiB = 0;
  double toHookMs = 0;
  double toFirstPaintMs = 0;
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

  long long microseconds = 0;
  unsigned long long peakBytes = 0;
  long long toHook = 0;
  long long toFirstPaint = 0;
  if (exitCode != 0 || std::sscanf(text.c_str(), "%lld %llu %lld %lld", &microseconds, &peakBytes,
                                   &toHook, &toFirstPaint) != 4) {
    return false;
  }
  run.milliseconds = static_cast<double>(microseconds) / 1e3;
  run.peakKiB = static_cast<double>(peakBytes) / 1024;
  run.toHookMs = static_cast<double>(toHook) / 1e3;
  run.toFirstPaintMs = static_cast<double>(toFirstPaint) / 1e3;
  return true;
}

double Median(const std::vector<Run>& runs, double Run::*field) {
  std::vector<double> values;
  for (const Run& run : runs) values.push_back(run.*field);
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Minimum(const std::vector<Run>& runs, double Run::*field) {
  double least = runs.front().*field;
  for (const Run& run : runs) least = std::min(least, run.*field);
  return least;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: %ls N PROGRAM...\n", argv[0]);
    return 2;
  }
  const int rounds = std::max(1, _wtoi(argv[1]));
  const int programs = argc - 2;
  std::vector<std::vector<Run>> runs(static_cast<std::size_t>(programs));
  for (int round = 0; round < rounds; ++round) {
    for (int p = 0; p < programs; ++p) {
      Run run;
      if (!RunOnce(argv[p + 2], run)) {
        std::fwprintf(stderr, L"%ls failed\n", argv[p + 2]);
        return 1;
      }
      runs[static_cast<std::size_t>(p)].push_back(run);
    }
  }

  std::printf("%-24s %10s %8s %12s %7s %7s %12s %12s\n", "program", "median ms", "min ms",
              "peak WS KiB", "time x", "WS x", "to hook ms", "to paint ms");
  double baseTime = 0;
  double basePeak = 0;
  for (int p = 0; p < programs; ++p) {
    const std::vector<Run>& mine = runs[static_cast<std::size_t>(p)];
    const double time = Median(mine, &Run::milliseconds);
    const double peak = Median(mine, &Run::peakKiB);
    if (p == 0) {
      baseTime = time;
      basePeak = peak;
    }
    const wchar_t* name = argv[p + 2];
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
      if (*c == L'\\' || *c == L'/') name = c + 1;
    }
    std::printf("%-24ls %10.1f %8.1f %12.0f %7.2f %7.2f %12.1f %12.1f\n", name, time,
                Minimum(mine, &Run::milliseconds), peak, time / baseTime, peak / basePeak,
                Median(mine, &Run::toHookMs), Median(mine, &Run::toFirstPaintMs));
  }
  return 0;
}
