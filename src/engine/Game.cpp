#include "engine/Game.h"

#include <chrono>

namespace belote {

std::int64_t SystemSecondsClock::Now() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace belote
