// Times the ticks of the table's animation timer during card glides: the
// interval from one tick to the next within a glide, the time each tick
// spends on its own work, and how many ticks each glide took. The end of
// the human's glide starts the play step from inside its tick; that time,
// and the computer cards' ticks nested in it, are not counted against the
// tick that started it.
#pragma once

#include <cstdint>
#include <vector>

namespace belote::bench {

// Whose card a tick moves: the human's rising card or a computer seat's
// sliding one.
enum class GlideKind { Human, Computer };

struct Spread {
  int count = 0;
  double medianMs = 0;
  double worstMs = 0;
};

// Median and worst of durations in nanoseconds, in milliseconds.
Spread SpreadOf(std::vector<std::int64_t> nanoseconds);

class GlideClock {
 public:
  // `timerRunning` is whether the animation timer is still on at that
  // moment: a glide ends with the tick that stops it.
  void TickBegins(std::int64_t nowNs, GlideKind kind);
  void PlayStepBegins(std::int64_t nowNs, bool timerRunning);
  void PlayStepEnds(std::int64_t nowNs);
  void TickEnds(std::int64_t nowNs, bool timerRunning);

  // Intervals between consecutive ticks of the same glide, by the kind of
  // the later tick.
  const std::vector<std::int64_t>& Intervals(GlideKind kind) const {
    return intervals_[Index(kind)];
  }
  // Time each tick of that kind spent on its own work.
  const std::vector<std::int64_t>& TickWork(GlideKind kind) const { return work_[Index(kind)]; }
  // Ticks each finished glide of that kind took.
  const std::vector<int>& GlideLengths(GlideKind kind) const { return lengths_[Index(kind)]; }
  // Ticks begun and not yet ended, play steps still running: both 0 once
  // the table is waiting for the human.
  int OpenTicks() const { return static_cast<int>(open_.size()); }
  int OpenPlaySteps() const { return playStepsOpen_; }

 private:
  static int Index(GlideKind kind) { return kind == GlideKind::Human ? 0 : 1; }
  void GlideStops();

  struct OpenTick {
    std::int64_t begin;
    std::int64_t playStepBegin = 0;
    std::int64_t excluded = 0;
    GlideKind kind;
  };
  std::vector<OpenTick> open_;
  int playStepsOpen_ = 0;
  bool glideRunning_ = false;
  GlideKind glideKind_ = GlideKind::Human;
  int glideTicks_ = 0;
  std::int64_t lastBegin_ = 0;
  std::vector<std::int64_t> intervals_[2];
  std::vector<std::int64_t> work_[2];
  std::vector<int> lengths_[2];
};

}  // namespace belote::bench
