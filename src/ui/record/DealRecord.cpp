#include "ui/record/DealRecord.h"

#include <charconv>

#include "model/Cards.h"

namespace belote {

const RecordedTrick* DealRecord::CurrentTrick() const {
  return tricks.empty() ? nullptr : &tricks.back();
}

const RecordedTrick* DealRecord::LastTakenTrick() const {
  for (auto it = tricks.rbegin(); it != tricks.rend(); ++it)
    if (it->taken) return &*it;
  return nullptr;
}

int DealRecord::SeatToPlay() const {
  return seatToPlay_;
}

std::string DealRecord::SeatName(int seat) const {
  if (seat >= 2 && seat <= 4) return kSeatNames[seat];
  if (seat != 1) return {};
  return humanName.empty() ? std::string(kDefaultHumanName) : humanName;
}

void DealRecord::DealStarting() {
  // A new game has cleared the scores and the pot by now.
  humanName = s_->HumanName;
  target = s_->TargetScore;
  for (int seat = 1; seat <= 4; ++seat) scores[seat] = s_->GameScore[seat];
  pot = s_->Pot;
  winner = s_->GameWinner;
  ++dealNumber;
  turnedCard = 0;
  bids.clear();
  biddingRound = 0;
  taker = 0;
  trumpSuit = 0;
  hand = {};
  handComplete = false;
  announcements = {};
  beloteSeat = 0;
  beloteCalls = 0;
  tricks.clear();
  dealTotals = {};
  seatToPlay_ = 0;
}

void DealRecord::Shuffled(std::int64_t) {
  turnedCard = s_->TurnedCard;
  // The first five, sorted by picture; the other three are dealt later.
  hand = {};
  for (int slot = 1; slot <= 5; ++slot) hand[slot] = s_->SlotPicture[1][slot];
  biddingRound = 1;
}

void DealRecord::BidSpoken(int round, int seat, const std::string& text, int suit) {
  biddingRound = round;
  bids.push_back({round, seat, text, suit});
}

void DealRecord::BiddingOver(bool redeal) {
  biddingRound = 0;
  if (redeal) return;
  taker = s_->Taker;
  trumpSuit = s_->TrumpSuit;
}

void DealRecord::HandsReady() {
  // Sorted by strength for the play: the pictures follow their codes.
  for (int slot = 1; slot <= 8; ++slot) {
    const int code = s_->SlotCard[1][slot];
    hand[slot] = code >= 1 && code <= 32 ? s_->PictureOf[code] : 0;
  }
  handComplete = true;
  for (int seat = 1; seat <= 4; ++seat) {
    RecordedAnnouncement& a = announcements[seat];
    a.text = s_->SeatAnnounceText[seat];
    const std::string& value = s_->AnnounceValueText[seat];
    a.points = 0;
    std::from_chars(value.data(), value.data() + value.size(), a.points);
    a.best = seat == s_->BestAnnouncer && a.points > 0;
  }
  beloteSeat = s_->BeloteSeat;
  for (int seat = 1; seat <= 4; ++seat) dealTotals[seat] = s_->DealPoints[seat];
  seatToPlay_ = s_->Opener;
}

void DealRecord::CardPlayed(int seat, int slot, int code, int, bool takesLead) {
  if (tricks.empty() || tricks.back().taken) {
    RecordedTrick trick;
    trick.number = static_cast<int>(tricks.size()) + 1;
    tricks.push_back(trick);
  }
  RecordedTrick& trick = tricks.back();
  trick.cards.push_back({seat, code >= 1 && code <= 32 ? s_->PictureOf[code] : 0});
  if (takesLead) trick.holder = seat;
  if (seat == 1 && slot >= 1 && slot <= 8) hand[slot] = 0;
  seatToPlay_ = trick.cards.size() < 4 ? seat % 4 + 1 : 0;
}

void DealRecord::BeloteCalled(int seat, bool rebelote) {
  if (seat == beloteSeat) beloteCalls = rebelote ? 2 : 1;
}

void DealRecord::TrickTaken() {
  if (tricks.empty()) return;
  RecordedTrick& trick = tricks.back();
  trick.taken = true;
  trick.holder = s_->TrickHolder;
  for (int seat = 1; seat <= 4; ++seat) dealTotals[seat] = s_->DealPoints[seat];
  seatToPlay_ = s_->TrickNo <= 8 ? trick.holder : 0;
  if (s_->TrickNo <= 8) return;
  // The last trick: the deal is scored once its box is closed.
  last = {};
  last.taker = taker;
  last.potBefore = s_->Pot;
  for (int seat = 1; seat <= 4; ++seat) last.capot[seat] = s_->TrickFlag[seat] == 0;
}

void DealRecord::Crediting() {
  for (int seat = 1; seat <= 4; ++seat) scoresBeforeCredit_[seat] = s_->GameScore[seat];
}

void DealRecord::ContractSettled(Contract result, int beneficiary) {
  last.contract = result;
  last.beneficiary = beneficiary;
}

void DealRecord::DealScored() {
  for (int seat = 1; seat <= 4; ++seat) {
    last.gained[seat] = s_->GameScore[seat] - scoresBeforeCredit_[seat];
    scores[seat] = s_->GameScore[seat];
  }
  last.settled = true;
  pot = s_->Pot;
  winner = s_->GameWinner;
}

}  // namespace belote
