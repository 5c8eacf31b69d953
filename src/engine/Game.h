// What every rule of the deal cycle works with: the table state, the window
// it writes to, the clock the shuffle is seeded from, and an optional
// observer that tools use to follow the play.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/TableWindow.h"
#include "model/TableState.h"

namespace belote {

// Follows the deal cycle without taking part in it (self-play transcript,
// invariant checks). Every hook is called after the state it names is set.
class PlayObserver {
 public:
  virtual ~PlayObserver() = default;
  // A deal is about to be shuffled (redeals included); scores as they stand.
  virtual void DealStarting() {}
  // The shuffle is done and the first five cards are sorted and shown.
  virtual void Shuffled(std::int64_t seedSeconds) { (void)seedSeconds; }
  // A seat spoke: round 1 or 2, its words ("" for a human box closed without
  // an answer) and the suit it took (0 for a pass).
  virtual void BidSpoken(int round, int seat, const std::string& text, int suit) {
    (void)round, (void)seat, (void)text, (void)suit;
  }
  // The bidding is over: Taker and TrumpSuit are final; redeal when nobody took.
  virtual void BiddingOver(bool redeal) { (void)redeal; }
  // Hands sorted and announcements scored: the play is about to begin.
  virtual void HandsReady() {}
  // A card was played; state still shows it in its slot.
  virtual void CardPlayed(int seat, int slot, int code, int points, bool takesLead) {
    (void)seat, (void)slot, (void)code, (void)points, (void)takesLead;
  }
  // Four cards are down: TrickHolder and TrickPoints are those of the trick.
  virtual void TrickClosing() {}
  // The deal points are final and about to be credited to the scores.
  virtual void Crediting() {}
  // The deal is credited and the winner test made, before a won game's reset.
  virtual void DealScored() {}
};

// Thrown when the window is closing, to unwind the play step from whatever
// wait it is in; PlayStep catches it and returns.
struct ProgramEnds {};

struct Game {
  TableState& s;
  TableWindow& w;
  SecondsClock& clock;
  PlayObserver* observer = nullptr;
  bool inPlayStep = false;  // the play step is never entered twice at once
};

// One 500 ms pause; stops the play step if the program is ending meanwhile.
inline void OnePause(Game& g) {
  g.w.Pause();
  if (g.w.Closing()) throw ProgramEnds{};
}

// A message box whose answer the caller needs; same stop rule as OnePause.
inline int ShowBox(Game& g, Box box, const std::string& text, Buttons buttons,
                   std::optional<ScreenPos> pos = std::nullopt) {
  const int answer = g.w.MessageBox(box, text, buttons, pos);
  if (g.w.Closing()) throw ProgramEnds{};
  return answer;
}

// Calls the observer hook if there is an observer.
template <typename F>
void Notify(Game& g, F&& hook) {
  if (g.observer != nullptr) hook(*g.observer);
}

}  // namespace belote
