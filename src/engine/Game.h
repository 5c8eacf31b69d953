// What every rule of the deal cycle works with: the table state, the window
// it writes to, the clock the shuffle is seeded from, and those who follow
// the play: the window's record of the deal, the tools' transcripts and
// checks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/TableWindow.h"
#include "model/TableState.h"

namespace belote {

// How the taker's contract ended: he made strictly more points than each
// other seat; he stood level at the top with exactly one seat, and his points
// went to the pot; or some seat made more than him.
enum class Contract { Made, Level, Failed };

// Follows the deal cycle without taking part in it (the window's record of
// the deal, the self-play transcript, invariant checks). Every hook is called
// after the state it names is set.
class PlayObserver {
 public:
  virtual ~PlayObserver() = default;
  // A deal is about to be shuffled (redeals included); scores as they stand.
  virtual void DealStarting() {}
  // The shuffle is done and the first five cards are sorted and shown.
  virtual void Shuffled(std::int64_t seedSeconds) { (void)seedSeconds; }
  // A seat spoke: round 1 or 2, its words ("" for a human box closed without
  // an answer) and the suit it took (0 for a pass). Its words have just
  // appeared on its bid label.
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
  // The belote holder has just shown his trump queen or king: the first of
  // the two (belote) or the second (rebelote).
  virtual void BeloteCalled(int seat, bool rebelote) { (void)seat, (void)rebelote; }
  // Four cards are down: TrickHolder and TrickPoints are those of the trick.
  virtual void TrickClosing() {}
  // The trick is credited to its holder, who now leads (TrickNo counts it),
  // just before the player is asked to confirm it.
  virtual void TrickTaken() {}
  // The taker's contract is settled; when he failed, `beneficiary` is the
  // seat that stood alone above him and took his points, 0 for none.
  virtual void ContractSettled(Contract result, int beneficiary) {
    (void)result, (void)beneficiary;
  }
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
  std::vector<PlayObserver*> observers = {};
  bool inPlayStep = false;  // the play step is never entered twice at once
};

// One 500 ms pause; stops the play step if the program is ending meanwhile.
inline void OnePause(Game& g) {
  g.w.Pause();
  if (g.w.Closing()) throw ProgramEnds{};
}

// A message box whose answer the caller needs; same stop rule as OnePause.
inline int ShowBox(Game& g, Box box, const std::string& text, Buttons buttons,
                   std::optional<BoxPlace> place = std::nullopt) {
  const int answer = g.w.MessageBox(box, text, buttons, place);
  if (g.w.Closing()) throw ProgramEnds{};
  return answer;
}

// Calls the hook of every observer, in the order they were added.
template <typename F>
void Notify(Game& g, F&& hook) {
  for (PlayObserver* o : g.observers) hook(*o);
}

}  // namespace belote
