#include "engine/Game.h"

#include <chrono>

namespace belote {

int ShowBox(Game& g, const std::string& text, Buttons buttons, std::optional<ScreenPos> pos) {
  const int answer = g.w.MessageBox(text, buttons, pos);
  if (g.w.Closing()) throw ProgramEnds{};
  return answer;
}

std::int64_t SystemSecondsClock::Now() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace belote
