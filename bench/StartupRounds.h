#pragma once

// What the start-up drivers of both runtimes share: the rounds, each of
// which starts every program once in the order given, so that a slow spell
// of the machine falls on all of them alike, and the figures of their runs.
#include <algorithm>
#include <vector>

namespace korvanel::bench {

template <class Run>
struct Rounds {
  // The runs of each program, in the order of the command line.
  std::vector<std::vector<Run>> runs;
  // The program whose run failed, which ended the rounds; -1 when none.
  int failed = -1;
};

// Starts each of `programs` programs once a round, `rounds` times, through
// `runOnce(program, run)`, which fills `run` and tells whether it succeeded.
template <class Run, class RunOnce>
Rounds<Run> RunRounds(int rounds, int programs, RunOnce runOnce) {
  Rounds<Run> done;
  done.runs.resize(static_cast<std::size_t>(programs));
  for (int round = 0; round < rounds; ++round) {
    for (int program = 0; program < programs; ++program) {
      Run run{};
      if (!runOnce(program, run)) {
        done.failed = program;
        return done;
      }
      done.runs[static_cast<std::size_t>(program)].push_back(run);
    }
  }
  return done;
}

// The median of `value(run)` over `runs`, which are not empty.
template <class Run, class Value>
double Median(const std::vector<Run>& runs, Value value) {
  std::vector<double> values;
  for (const Run& run : runs) values.push_back(static_cast<double>(value(run)));
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The least `value(run)` over `runs`, which are not empty.
template <class Run, class Value>
double Least(const std::vector<Run>& runs, Value value) {
  double least = static_cast<double>(value(runs.front()));
  for (const Run& run : runs) least = std::min(least, static_cast<double>(value(run)));
  return least;
}

}  // namespace korvanel::bench
