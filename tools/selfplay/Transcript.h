// Following the deals of a self-play run: counting them to stop the run,
// and, when asked, writing one JSON line per deal.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <ostream>

#include "SelfPlayTable.h"
#include "engine/Game.h"

namespace belote::selfplay {

// Counts the deals played to their end (redeals do not count) and stops the
// table once the last one has been scored.
class DealCounter : public PlayObserver {
 public:
  DealCounter(SelfPlayTable& table, std::int64_t dealsWanted)
      : table_(table), wanted_(dealsWanted) {}

  std::int64_t DealsPlayed() const { return played_; }
  std::int64_t CardsPlayed() const { return cards_; }

  void CardPlayed(int, int, int, int, bool) override { ++cards_; }
  void DealScored() override {
    if (table_.Closing()) return;
    if (++played_ >= wanted_) table_.Stop();
  }

 protected:
  SelfPlayTable& table_;

 private:
  std::int64_t wanted_;
  std::int64_t played_ = 0;
  std::int64_t cards_ = 0;
};

// One JSON object per deal, redeals included, in the order they are played.
// Seats 1..4 are written as array positions 0..3.
class TranscriptWriter : public DealCounter {
 public:
  TranscriptWriter(const TableState& s, SelfPlayTable& table, std::int64_t dealsWanted,
                   std::ostream& out);

  void DealStarting() override;
  void Shuffled(std::int64_t seedSeconds) override;
  void BidSpoken(int round, int seat, const std::string& text, int suit) override;
  void BiddingOver(bool redeal) override;
  void HandsReady() override;
  void CardPlayed(int seat, int slot, int code, int points, bool takesLead) override;
  void TrickClosing() override;
  void DealScored() override;

  // A line could not be written (a full disk, a closed pipe): the run was
  // stopped there.
  bool WriteFailed() const { return writeFailed_; }

 private:
  void WriteDeal();

  const TableState& s_;
  std::ostream& out_;
  nlohmann::ordered_json deal_;
  nlohmann::ordered_json trick_;
  int game_ = 1;
  int dealNo_ = 0;
  bool gameWon_ = false;
  bool openerKnown_ = false;
  bool writeFailed_ = false;
};

}  // namespace belote::selfplay
