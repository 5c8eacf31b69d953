// The glide clock must tell glides apart, keep the play step out of the
// tick that starts it, and count nested ticks on their own.
#include <gtest/gtest.h>

#include "GlideClock.h"

using belote::bench::GlideClock;
using belote::bench::GlideKind;
using belote::bench::SpreadOf;

namespace {

constexpr std::int64_t kMs = 1000000;

// One tick at `at` ms lasting `work` ms, the timer still on or not after it.
void Tick(GlideClock& clock, std::int64_t at, GlideKind kind, bool timerOn, std::int64_t work = 1) {
  clock.TickBegins(at * kMs, kind);
  clock.TickEnds((at + work) * kMs, timerOn);
}

TEST(GlideClockTest, IntervalsStayWithinOneGlide) {
  GlideClock clock;
  Tick(clock, 0, GlideKind::Computer, true);
  Tick(clock, 10, GlideKind::Computer, true);
  Tick(clock, 21, GlideKind::Computer, false);
  // The next card's glide starts half a second later: not a 500 ms stutter.
  Tick(clock, 521, GlideKind::Computer, true);
  Tick(clock, 531, GlideKind::Computer, false);

  const auto& intervals = clock.Intervals(GlideKind::Computer);
  ASSERT_EQ(intervals.size(), 3u);
  EXPECT_EQ(intervals[0], 10 * kMs);
  EXPECT_EQ(intervals[1], 11 * kMs);
  EXPECT_EQ(intervals[2], 10 * kMs);
  EXPECT_EQ(clock.GlideLengths(GlideKind::Computer), (std::vector<int>{3, 2}));
  EXPECT_TRUE(clock.Intervals(GlideKind::Human).empty());
}

TEST(GlideClockTest, PlayStepAndNestedTicksAreNotTheHumanTicksWork) {
  GlideClock clock;
  Tick(clock, 0, GlideKind::Human, true, 2);
  // The arrival tick stops the timer and plays the turn out: two computer
  // cards glide inside it, half a second apart.
  clock.TickBegins(10 * kMs, GlideKind::Human);
  clock.PlayStepBegins(11 * kMs, false);
  Tick(clock, 100, GlideKind::Computer, true, 3);
  Tick(clock, 110, GlideKind::Computer, false, 4);
  Tick(clock, 600, GlideKind::Computer, true);
  Tick(clock, 610, GlideKind::Computer, false);
  clock.PlayStepEnds(1500 * kMs);
  clock.TickEnds(1502 * kMs, false);

  // 1 ms before the play step and 2 ms after it.
  EXPECT_EQ(clock.TickWork(GlideKind::Human), (std::vector<std::int64_t>{2 * kMs, 3 * kMs}));
  EXPECT_EQ(clock.TickWork(GlideKind::Computer).size(), 4u);
  EXPECT_EQ(clock.TickWork(GlideKind::Computer)[1], 4 * kMs);
  EXPECT_EQ(clock.Intervals(GlideKind::Human), (std::vector<std::int64_t>{10 * kMs}));
  EXPECT_EQ(clock.Intervals(GlideKind::Computer), (std::vector<std::int64_t>{10 * kMs, 10 * kMs}));
  EXPECT_EQ(clock.GlideLengths(GlideKind::Human), (std::vector<int>{2}));
  EXPECT_EQ(clock.GlideLengths(GlideKind::Computer), (std::vector<int>{2, 2}));
  EXPECT_EQ(clock.OpenTicks(), 0);
  EXPECT_EQ(clock.OpenPlaySteps(), 0);
}

TEST(GlideClockTest, ComputerGlideStillRunningWhenThePlayStepReturns) {
  GlideClock clock;
  clock.TickBegins(0, GlideKind::Human);
  clock.PlayStepBegins(0, false);
  Tick(clock, 10, GlideKind::Computer, true);
  clock.PlayStepEnds(15 * kMs);
  clock.TickEnds(15 * kMs, true);
  // The slide carries on after the outer tick: still the same glide.
  Tick(clock, 20, GlideKind::Computer, false);
  EXPECT_EQ(clock.Intervals(GlideKind::Computer), (std::vector<std::int64_t>{10 * kMs}));
  EXPECT_EQ(clock.GlideLengths(GlideKind::Computer), (std::vector<int>{2}));
}

TEST(GlideClockTest, SpreadGivesMedianAndWorstInMilliseconds) {
  EXPECT_EQ(SpreadOf({}).count, 0);
  const auto odd = SpreadOf({12 * kMs, 10 * kMs, 30 * kMs});
  EXPECT_EQ(odd.count, 3);
  EXPECT_DOUBLE_EQ(odd.medianMs, 12.0);
  EXPECT_DOUBLE_EQ(odd.worstMs, 30.0);
  EXPECT_DOUBLE_EQ(SpreadOf({10 * kMs, 11 * kMs}).medianMs, 10.5);
}

}  // namespace
