#include "GlideClock.h"

#include <algorithm>

namespace belote::bench {

Spread SpreadOf(std::vector<std::int64_t> nanoseconds) {
  Spread spread;
  spread.count = static_cast<int>(nanoseconds.size());
  if (nanoseconds.empty()) return spread;
  std::sort(nanoseconds.begin(), nanoseconds.end());
  const std::size_t n = nanoseconds.size();
  const double middle =
      n % 2 == 1 ? static_cast<double>(nanoseconds[n / 2])
                 : (static_cast<double>(nanoseconds[n / 2 - 1]) + nanoseconds[n / 2]) / 2;
  spread.medianMs = middle / 1e6;
  spread.worstMs = static_cast<double>(nanoseconds.back()) / 1e6;
  return spread;
}

void GlideClock::TickBegins(std::int64_t nowNs, GlideKind kind) {
  // A tick that comes while a glide of the other kind is running belongs
  // to a new glide: the human's card has arrived and the computer seats
  // have started theirs.
  if (glideRunning_ && kind != glideKind_) GlideStops();
  if (glideRunning_) {
    intervals_[Index(kind)].push_back(nowNs - lastBegin_);
  } else {
    glideRunning_ = true;
    glideKind_ = kind;
    glideTicks_ = 0;
  }
  ++glideTicks_;
  lastBegin_ = nowNs;
  open_.push_back({nowNs, 0, 0, kind});
}

void GlideClock::PlayStepBegins(std::int64_t nowNs, bool timerRunning) {
  if (!timerRunning) GlideStops();
  ++playStepsOpen_;
  if (!open_.empty()) open_.back().playStepBegin = nowNs;
}

void GlideClock::PlayStepEnds(std::int64_t nowNs) {
  if (playStepsOpen_ > 0) --playStepsOpen_;
  if (!open_.empty()) {
    OpenTick& tick = open_.back();
    tick.excluded += nowNs - tick.playStepBegin;
  }
}

void GlideClock::TickEnds(std::int64_t nowNs, bool timerRunning) {
  if (open_.empty()) return;
  const OpenTick tick = open_.back();
  open_.pop_back();
  work_[Index(tick.kind)].push_back(nowNs - tick.begin - tick.excluded);
  if (!timerRunning) GlideStops();
}

void GlideClock::GlideStops() {
  if (!glideRunning_) return;
  glideRunning_ = false;
  lengths_[Index(glideKind_)].push_back(glideTicks_);
}

}  // namespace belote::bench
