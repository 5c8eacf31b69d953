#include "DealChecker.h"

#include <set>
#include <utility>

#include "engine/CardRules.h"
#include "model/Cards.h"

namespace belote::selfplay {

namespace {

int AnnounceSum(const TableState& s, int seat) {
  int sum = 0;
  for (int kind = 1; kind <= 6; ++kind) sum += s.AnnouncePoints[kind][seat];
  return sum;
}

}  // namespace

DealChecker::DealChecker(const TableState& s, SelfPlayTable& table, HumanMode human,
                         PlayObserver& next)
    : DealChecker(
          s, [&table] { table.Stop(); }, human, next) {}

DealChecker::DealChecker(const TableState& s, std::function<void()> stop, HumanMode human,
                         PlayObserver& next)
    : s_(s), stop_(std::move(stop)), human_(human), next_(next) {}

void DealChecker::Fail(const std::string& what) {
  if (!breach_.empty()) return;
  breach_ = "deal " + std::to_string(deal_) + " (seed " + std::to_string(seed_) + "): " + what;
  stop_();
}

void DealChecker::DealStarting() {
  ++deal_;
  inPlay_ = false;
  for (int seat = 1; seat <= 4; ++seat) {
    scoreAtStart_[seat] = s_.GameScore[seat];
    dealPointsAtStart_[seat] = s_.DealPoints[seat];
  }
  potAtStart_ = s_.Pot;
  if (carriedKnown_) {
    for (int seat = 1; seat <= 4; ++seat) {
      if (s_.DealPoints[seat] != carried_[seat]) {
        Fail("seat " + std::to_string(seat) + " starts the deal with " +
             std::to_string(s_.DealPoints[seat]) + " deal points, the last deal left " +
             std::to_string(carried_[seat]));
      }
    }
  }
  next_.DealStarting();
}

void DealChecker::Shuffled(std::int64_t seedSeconds) {
  seed_ = seedSeconds;
  std::set<int> dealt;
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 5; ++slot) dealt.insert(s_.SlotPicture[seat][slot]);
    for (int slot = 6; slot <= 8; ++slot) dealt.insert(s_.SlotPoints[seat][slot]);
  }
  if (dealt.size() != 32 || *dealt.begin() != 1 || *dealt.rbegin() != 32) {
    Fail("the shuffle did not deal the 32 cards once each");
  }
  if (s_.TurnedCard != s_.SlotPoints[4][8]) Fail("the turned card is not seat 4's last card");
  next_.Shuffled(seedSeconds);
}

void DealChecker::BidSpoken(int round, int seat, const std::string& text, int suit) {
  next_.BidSpoken(round, seat, text, suit);
}

void DealChecker::BiddingOver(bool redeal) {
  next_.BiddingOver(redeal);
}

void DealChecker::HandsReady() {
  inPlay_ = true;
  tricks_ = 0;
  dealPoints_ = 0;
  trickCards_ = 0;
  nextSeat_ = s_.Opener;
  for (int seat = 1; seat <= 4; ++seat) {
    tricksWon_[seat] = 0;
    announced_[seat] = AnnounceSum(s_, seat);
    belote_[seat] = s_.BelotePoints[seat];
  }
  std::set<int> codes;
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 8; ++slot) codes.insert(s_.SlotCard[seat][slot]);
  }
  if (codes.size() != 32 || *codes.begin() != 1)
    Fail("the hands do not hold the 32 codes once each");
  next_.HandsReady();
}

std::string DealChecker::ComputerCardFault(int seat, int code) const {
  bool hasLedSuit = false, hasTrump = false, hasTrumpAbove = false;
  for (int slot = 1; slot <= 8; ++slot) {
    const int c = s_.SlotCard[seat][slot];
    if (c == 0) continue;
    hasLedSuit = hasLedSuit || SameSuit(c, led_);
    hasTrump = hasTrump || IsTrump(c);
    hasTrumpAbove = hasTrumpAbove || (IsTrump(c) && IsTrump(best_) && c > best_);
  }
  if (!IsTrump(led_) && hasLedSuit) {
    return SameSuit(code, led_) ? "" : "did not follow the led suit";
  }
  if (!hasTrump) return "";
  if (!IsTrump(code)) return "did not trump";
  if (hasTrumpAbove && code < best_) return "did not over-trump";
  return "";
}

void DealChecker::CardPlayed(int seat, int slot, int code, int points, bool takesLead) {
  const std::string who = "seat " + std::to_string(seat) + " ";
  if (!inPlay_) Fail(who + "played a card before the hands were ready");
  if (seat != nextSeat_) Fail(who + "played out of turn");
  if (slot < 1 || slot > 8 || code == 0) {
    Fail(who + "played an empty slot");
  } else {
    if (s_.SlotCard[seat][slot] != code) Fail(who + "played a card it does not hold");
    if (s_.SlotPoints[seat][slot] != points) Fail(who + "played a card with the wrong points");
    if (trickCards_ > 0) {
      const bool humanRules = seat == 1 && human_ == HumanMode::Random;
      if (humanRules && !IsLegalHumanCard(s_, slot)) Fail(who + "played a card the rules refuse");
      if (!humanRules) {
        const std::string fault = ComputerCardFault(seat, code);
        if (!fault.empty()) Fail(who + fault);
      }
    }
    if (takesLead != TakesLead(code, best_)) Fail(who + "was wrongly judged to take the lead");
  }
  if (trickCards_ == 0) led_ = code;
  if (TakesLead(code, best_)) {
    best_ = code;
    holder_ = seat;
  }
  trickPoints_ += points;
  ++trickCards_;
  nextSeat_ = seat % 4 + 1;
  next_.CardPlayed(seat, slot, code, points, takesLead);
}

void DealChecker::TrickClosing() {
  if (trickCards_ != 4) Fail("a trick closed with " + std::to_string(trickCards_) + " cards");
  if (s_.TrickHolder != holder_) Fail("the trick went to the wrong seat");
  if (s_.TrickPoints != trickPoints_) Fail("the trick's points do not add up");
  dealPoints_ += trickPoints_;
  ++tricks_;
  if (holder_ >= 1 && holder_ <= 4) ++tricksWon_[holder_];
  nextSeat_ = holder_;
  trickCards_ = 0;
  led_ = best_ = holder_ = trickPoints_ = 0;
  next_.TrickClosing();
}

void DealChecker::Crediting() {
  if (tricks_ != 8) Fail("the deal ended after " + std::to_string(tricks_) + " tricks");
  if (dealPoints_ != 152) Fail("the tricks hold " + std::to_string(dealPoints_) + " points");
  for (int seat = 1; seat <= 4; ++seat) announcedAtCrediting_[seat] = AnnounceSum(s_, seat);
  TotalsInRange();
  next_.Crediting();
}

bool DealChecker::TotalsInRange() {
  // Far beyond any game, and far enough inside 64 bits that the sums below
  // cannot overflow.
  constexpr std::int64_t kLargest = std::int64_t{1} << 58;
  const auto inRange = [](std::int64_t total) { return total >= -kLargest && total <= kLargest; };
  bool ok = inRange(s_.Pot);
  if (!ok) Fail("the pot went out of range: " + std::to_string(s_.Pot));
  for (int seat = 1; seat <= 4; ++seat) {
    const std::string who = "seat " + std::to_string(seat) + "'s ";
    if (!inRange(s_.GameScore[seat])) {
      Fail(who + "score went out of range: " + std::to_string(s_.GameScore[seat]));
      ok = false;
    }
    if (!inRange(s_.DealPoints[seat])) {
      Fail(who + "deal points went out of range: " + std::to_string(s_.DealPoints[seat]));
      ok = false;
    }
  }
  return ok;
}

void DealChecker::CheckPointsKept() {
  std::int64_t gained = s_.Pot - potAtStart_;
  for (int seat = 1; seat <= 4; ++seat) {
    gained += s_.GameScore[seat] - scoreAtStart_[seat];
    gained += s_.DealPoints[seat] - dealPointsAtStart_[seat];
  }

  // What the deal brings in: its tricks, the last ten unless a seat won no
  // trick, the announcements of the seats that won a trick, every belote,
  // and the capot bonus.
  int capotSeats = 0;
  std::int64_t brought = dealPoints_;
  for (int seat = 1; seat <= 4; ++seat) {
    if (tricksWon_[seat] == 0) {
      ++capotSeats;
    } else {
      brought += announced_[seat];
    }
    brought += belote_[seat];
  }
  static constexpr int kCapotBonus[4] = {0, 3 * 30, 2 * 50, 88};
  brought += capotSeats == 0 ? 10 : kCapotBonus[capotSeats];

  // A failed taker loses his announcements, all of them; nobody else does.
  const int taker = s_.Taker;
  for (int seat = 1; seat <= 4; ++seat) {
    const int lost = announced_[seat] - announcedAtCrediting_[seat];
    if (lost == 0 || tricksWon_[seat] == 0) continue;
    if (seat != taker || announcedAtCrediting_[seat] != 0) {
      Fail("seat " + std::to_string(seat) + " lost " + std::to_string(lost) +
           " points of announcements");
    }
    brought -= lost;
  }

  // A taker left with exactly 30 has them taken away: allowed only when he
  // was credited no deal points at all.
  const std::int64_t missing = brought - gained;
  if (missing == 0) return;
  const bool thirtyCancelled =
      missing == 30 && taker >= 1 && taker <= 4 && s_.DealPoints[taker] == 0 &&
      s_.GameScore[taker] - scoreAtStart_[taker] <= announcedAtCrediting_[taker] + belote_[taker];
  if (!thirtyCancelled) {
    Fail("the deal brought in " + std::to_string(brought) + " points but scores, deal points " +
         "and pot gained " + std::to_string(gained));
  }
}

void DealChecker::DealScored() {
  if (TotalsInRange()) CheckPointsKept();
  for (int seat = 1; seat <= 4; ++seat) carried_[seat] = s_.DealPoints[seat];
  carriedKnown_ = true;
  inPlay_ = false;
  next_.DealScored();
}

}  // namespace belote::selfplay
