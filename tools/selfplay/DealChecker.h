// Watches every deal of a self-play run as it is played and stops the run
// at the first card, trick or score that breaks the rules of the game.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "HumanSeat.h"
#include "SelfPlayTable.h"
#include "engine/Game.h"

namespace belote::selfplay {

class DealChecker : public PlayObserver {
 public:
  // `next` sees every hook after the check (the deal counter or transcript).
  DealChecker(const TableState& s, SelfPlayTable& table, HumanMode human, PlayObserver& next);
  // The same for any table: `stop` makes the engine stop at its next wait.
  DealChecker(const TableState& s, std::function<void()> stop, HumanMode human, PlayObserver& next);

  // Empty while every rule holds; else "deal D (seed S): what broke".
  const std::string& Breach() const { return breach_; }

  void DealStarting() override;
  void Shuffled(std::int64_t seedSeconds) override;
  void BidSpoken(int round, int seat, const std::string& text, int suit) override;
  void BiddingOver(bool redeal) override;
  void HandsReady() override;
  void CardPlayed(int seat, int slot, int code, int points, bool takesLead) override;
  void TrickClosing() override;
  void Crediting() override;
  void DealScored() override;

 private:
  void Fail(const std::string& what);
  // The follow rules every computer seat obeys: follow the led suit, else
  // trump, over-trumping when it can.
  std::string ComputerCardFault(int seat, int code) const;
  // Every running total stays well inside the range of its type.
  bool TotalsInRange();
  // The points a deal brings in are all found again in the scores, the
  // carried deal points and the pot.
  void CheckPointsKept();

  const TableState& s_;
  std::function<void()> stop_;
  HumanMode human_;
  PlayObserver& next_;
  std::string breach_;

  std::int64_t deal_ = 0;
  std::int64_t seed_ = 0;
  bool inPlay_ = false;
  // The trick as the checker sees it.
  int trickCards_ = 0;
  int nextSeat_ = 0;
  int led_ = 0;
  int best_ = 0;
  int holder_ = 0;
  int trickPoints_ = 0;
  int tricks_ = 0;
  int dealPoints_ = 0;
  int tricksWon_[5] = {};
  // What the deal started with, and the announcements it was dealt.
  std::int64_t scoreAtStart_[5] = {};
  std::int64_t dealPointsAtStart_[5] = {};
  std::int64_t potAtStart_ = 0;
  int announced_[5] = {};
  int belote_[5] = {};
  // The announcements left to each seat when the deal points are credited.
  int announcedAtCrediting_[5] = {};
  // Deal points carried into the next deal.
  std::int64_t carried_[5] = {};
  bool carriedKnown_ = false;
};

}  // namespace belote::selfplay
