// The window's record of the game: what the engine has told it so far of the
// deal under way and of the game, kept as facts rather than as the texts and
// pictures on the table. The screen reader's news, the boxes' descriptions
// and the review keys read it; nothing needs to read the table's widgets
// back. It follows the play as one of the game's observers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Game.h"
#include "model/TableState.h"

namespace belote {

struct RecordedBid {
  int round;  // 1 or 2
  int seat;
  std::string words;  // as its bid label showed them; "" for a box closed without answer
  int suit;           // the suit taken, 0 for a pass
};

struct RecordedCard {
  int seat;
  int picture;
};

struct RecordedTrick {
  int number = 0;                   // 1..8
  std::vector<RecordedCard> cards;  // in the order played, the leader's first
  int holder = 0;                   // who holds it now, then who took it
  bool taken = false;               // closed and credited
  int Leader() const { return cards.empty() ? 0 : cards.front().seat; }
};

// What a seat declared before the first trick.
struct RecordedAnnouncement {
  std::string text;   // "Tierce: au Roi de Coeur", empty when none
  int points = 0;     // what it is worth
  bool best = false;  // the best of the table, the only one that counts
};

// How the last deal scored ended.
struct DealResult {
  bool settled = false;  // false until a deal of this game has been scored
  int taker = 0;
  Contract contract = Contract::Made;
  int beneficiary = 0;                   // took a failed taker's points
  std::array<bool, 5> capot{};           // seats that won no trick
  std::array<std::int64_t, 5> gained{};  // what the deal added to each score
  std::int64_t potBefore = 0;
};

class DealRecord : public PlayObserver {
 public:
  explicit DealRecord(const TableState& state) : s_(&state) {}

  // Reads the engine's facts from `state` from now on (a copy of the table).
  void Follow(const TableState& state) { s_ = &state; }

  // --- The game ---
  std::string humanName;
  int target = kDefaultTargetScore;
  std::array<std::int64_t, 5> scores{};
  std::int64_t pot = 0;
  int winner = 0;  // set when a game is won, until the next one starts
  DealResult last;

  // --- The deal under way ---
  int dealNumber = 0;  // deals of this game dealt so far, redeals included
  int turnedCard = 0;  // picture number of the card turned up, 0 once gone
  std::vector<RecordedBid> bids;
  int biddingRound = 0;  // 1 or 2 while bidding, 0 once over
  int taker = 0;
  int trumpSuit = 0;
  std::array<int, 9> hand{};  // the human's pictures by slot, 0 when empty
  bool handComplete = false;  // the eight cards are dealt and sorted
  std::array<RecordedAnnouncement, 5> announcements;
  int beloteSeat = 0;   // who holds the trump king and queen
  int beloteCalls = 0;  // 1 once belote is called, 2 after rebelote
  std::vector<RecordedTrick> tricks;
  std::array<std::int64_t, 5> dealTotals{};  // trick points won so far

  // The trick being played, or the last one while its box is up; null
  // before the first card.
  const RecordedTrick* CurrentTrick() const;
  // The last trick taken, null before the first.
  const RecordedTrick* LastTakenTrick() const;
  // The seat to play now, 0 outside the play of the cards.
  int SeatToPlay() const;

  // The name a seat goes by: the player's own, or the computer's.
  std::string SeatName(int seat) const;

  // --- Told by the engine ---
  void DealStarting() override;
  void Shuffled(std::int64_t seedSeconds) override;
  void BidSpoken(int round, int seat, const std::string& text, int suit) override;
  void BiddingOver(bool redeal) override;
  void HandsReady() override;
  void CardPlayed(int seat, int slot, int code, int points, bool takesLead) override;
  void BeloteCalled(int seat, bool rebelote) override;
  void TrickTaken() override;
  void Crediting() override;
  void ContractSettled(Contract result, int beneficiary) override;
  void DealScored() override;

 private:
  const TableState* s_;
  int seatToPlay_ = 0;
  std::array<std::int64_t, 5> scoresBeforeCredit_{};
};

}  // namespace belote
