// The news of the game as it happens, in words for the screen reader: each
// bid, each card put down, the belote calls, the eight cards dealt with the
// announcements. It follows the play right after the record of the deal,
// from which it takes its words.
#pragma once

#include <functional>
#include <string>

#include "engine/Game.h"
#include "ui/record/DealRecord.h"

namespace belote {

class TableNews : public PlayObserver {
 public:
  using Say = std::function<void(const std::string& words)>;
  TableNews(const DealRecord& record, Say say) : record_(record), say_(std::move(say)) {}

  // Whether the play has moved on since the player's turn was last said.
  bool TurnDue() const { return turnDue_; }
  void TurnSaid() { turnDue_ = false; }

  void BidSpoken(int round, int seat, const std::string& text, int suit) override;
  void HandsReady() override;
  void CardPlayed(int seat, int slot, int code, int points, bool takesLead) override;
  void BeloteCalled(int seat, bool rebelote) override;
  void TrickTaken() override;

 private:
  const DealRecord& record_;
  Say say_;
  bool turnDue_ = false;
};

}  // namespace belote
