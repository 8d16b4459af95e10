// The rounds and the figures that both start-up drivers share.
#include "bench/StartupRounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvanel::bench {
namespace {

TEST(StartupRoundsTest, EachRoundStartsEveryProgramInTurn) {
  std::string started;
  const Rounds<int> done = RunRounds<int>(3, 2, [&started](int program, int& run) {
    started += static_cast<char>('a' + program);
    run = static_cast<int>(started.size());
    return true;
  });
  EXPECT_EQ(started, "ababab");
  EXPECT_EQ(done.failed, -1);
  EXPECT_EQ(done.runs, (std::vector<std::vector<int>>{{1, 3, 5}, {2, 4, 6}}));
}

TEST(StartupRoundsTest, AFailedRunEndsTheRoundsAndNamesItsProgram) {
  int starts = 0;
  const Rounds<int> done = RunRounds<int>(3, 3, [&starts](int, int&) { return ++starts != 5; });
  EXPECT_EQ(starts, 5);
  EXPECT_EQ(done.failed, 1);
}

TEST(StartupRoundsTest, TheMedianIsTheMiddleRunAndTheLeastTheSmallest) {
  const std::vector<int> runs = {30, 10, 20, 50, 40};
  const auto value = [](int run) { return run; };
  EXPECT_EQ(Median(runs, value), 30);
  EXPECT_EQ(Least(runs, value), 10);
}

}  // namespace
}  // namespace korvanel::bench
