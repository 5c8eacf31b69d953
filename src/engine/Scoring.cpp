#include "engine/Scoring.h"

#include <cstdint>
#include <string>

#include "engine/TextLine.h"
#include "model/Cards.h"

namespace belote {

namespace {

bool IsSeat(int s) {
  return s >= 1 && s <= 4;
}

// " 3 : Total = " and the points: the deal total line beside a seat's panel.
void ShowDealTotal(Game& g, int seat, std::int64_t points) {
  g.w.SetText(ETControl(18 + seat), TextLine(" ") << seat << " : Total = " << points);
}

int AnnounceSum(const TableState& s, int seat) {
  int sum = 0;
  for (int kind = 1; kind <= 6; ++kind) sum += s.AnnouncePoints[kind][seat];
  return sum;
}

// A seat's points beat those of both seats that are neither it nor the taker.
bool AboveTheOtherTwo(const TableState& s, int seat, int taker) {
  for (int other = 1; other <= 4; ++other) {
    if (other == seat || other == taker) continue;
    if (s.DealPoints[seat] <= s.DealPoints[other]) return false;
  }
  return true;
}

// How a contract was settled, and who took the failed taker's points.
struct Settlement {
  Contract result;
  int beneficiary;
};

// Settles the taker's contract once the deal points hold the announcements
// of every seat that won a trick.
Settlement SettleContract(TableState& s, int taker) {
  const std::int64_t A = AnnounceSum(s, taker);
  const std::int64_t B = s.BelotePoints[taker];
  // A taker who won no trick never had his announcements and belote joined
  // to his deal points, so there is nothing of them to take out of what he
  // hands over, and nothing to put back.
  const bool joined = s.TrickFlag[taker] == 1;
  const std::int64_t joinedA = joined ? A : 0;
  const std::int64_t joinedB = joined ? B : 0;

  int above = 0;  // other seats with more points than the taker
  int level = 0;  // other seats with as many
  for (int other = 1; other <= 4; ++other) {
    if (other == taker) continue;
    if (s.DealPoints[other] > s.DealPoints[taker]) ++above;
    if (s.DealPoints[other] == s.DealPoints[taker]) ++level;
  }

  if (above == 0 && level == 1) {
    // Level with exactly one seat at the top: his points wait in the pot
    // for the next taker who makes it; he keeps only his belote.
    s.Pot += s.DealPoints[taker] - joinedB;
    s.DealPoints[taker] = 0;
    s.TrickFlag[taker] = 2;
    return {Contract::Level, 0};
  }
  if (above == 0 && level == 0) {
    s.DealPoints[taker] += s.Pot;
    s.Pot = 0;
    return {Contract::Made, 0};
  }

  // He failed: the best of the others, if one stands alone at the top, takes
  // his trick points and the pot. The seats are tried starting after him.
  int beneficiary = 0;
  for (int step = 1; step <= 3; ++step) {
    const int x = (taker + step - 1) % 4 + 1;
    if (!AboveTheOtherTwo(s, x, taker)) continue;
    s.DealPoints[x] += s.DealPoints[taker] + s.Pot - joinedA - joinedB;
    s.DealPoints[taker] = 0;
    for (int kind = 1; kind <= 6; ++kind) s.AnnouncePoints[kind][taker] = 0;
    s.Pot = 0;
    beneficiary = x;
  }
  // He keeps his belote. When nobody stood alone above him nothing left his
  // points, so it is still there and must not be counted twice.
  if (beneficiary != 0) s.DealPoints[taker] += joinedB;
  return {Contract::Failed, beneficiary};
}

void AddCapotBonus(TableState& s) {
  int capot = 0;
  for (int seat = 1; seat <= 4; ++seat) {
    if (s.TrickFlag[seat] == 0) ++capot;
  }
  int bonus = 0;
  if (capot == 3) bonus = 88;
  if (capot == 2) bonus = 50;
  if (capot == 1) bonus = 30;
  if (bonus == 0) return;
  for (int seat = 1; seat <= 4; ++seat) {
    if (s.TrickFlag[seat] != 0) s.DealPoints[seat] += bonus;
  }
}

// A seat that won no trick is capot: " CAPOT" on its bid label for one
// pause, while the last trick's holder sees his total with the last ten,
// which nobody gets in a deal with a capot seat.
void ShowCapotMarks(Game& g) {
  TableState& s = g.s;
  for (int seat = 1; seat <= 4; ++seat) {
    if (s.TrickFlag[seat] == 0) {
      g.w.SetText(BidLabel(seat), " CAPOT");
      s.CapotSeen = 10;
    }
  }
  const int k = s.TrickHolder;
  if (IsSeat(k)) ShowDealTotal(g, k, s.DealPoints[k] + (s.CapotSeen == 0 ? 10 : 0));
  OnePause(g);
  SetBidLabels(g.w, " ");
}

// The last trick is worth ten more to its holder, unless some seat is capot.
void AddLastTen(TableState& s) {
  if (s.CapotSeen == 0 && IsSeat(s.TrickHolder)) s.DealPoints[s.TrickHolder] += 10;
  s.CapotSeen = 0;
}

// " DEDANS" on the taker's bid label when some seat made more than him; the
// table waits two pauses either way.
void ShowFailureMark(Game& g, int taker) {
  const TableState& s = g.s;
  bool dedans = false;
  for (int other = 1; other <= 4; ++other) {
    if (other != taker && s.DealPoints[taker] < s.DealPoints[other]) dedans = true;
  }
  if (dedans) g.w.SetText(BidLabel(taker), " DEDANS");
  OnePause(g);
  OnePause(g);
  SetBidLabels(g.w, " ");
}

// A taker left with exactly 30, all a lone capot bonus can give him, does
// not keep it.
void CancelLoneThirty(TableState& s, int taker) {
  if (s.DealPoints[taker] == 30) s.DealPoints[taker] = 0;
}

void CreditScores(TableState& s) {
  for (int seat = 1; seat <= 4; ++seat) {
    const std::int64_t B = s.BelotePoints[seat];
    if (s.TrickFlag[seat] == 1 && s.DealPoints[seat] >= 0) {
      s.GameScore[seat] += s.DealPoints[seat] + AnnounceSum(s, seat) + B;
      s.DealPoints[seat] = 0;
    } else {
      // Points left over wait for the next deal, but the belote belongs to
      // its holder whatever happens, so it is never held back with them.
      s.GameScore[seat] += B;
    }
  }
}

void ShowScores(Game& g) {
  const TableState& s = g.s;
  for (int seat = 1; seat <= 4; ++seat)
    g.w.SetText(ScoreLabel(seat), ScoreLine(s, seat, std::to_string(s.GameScore[seat])));
}

int FindWinner(const TableState& s) {
  int winner = 0;
  for (int seat = 1; seat <= 4; ++seat) {
    if (s.GameScore[seat] < s.TargetScore) continue;
    bool alone = true;
    for (int other = 1; other <= 4; ++other) {
      if (other != seat && s.GameScore[other] >= s.GameScore[seat]) alone = false;
    }
    if (alone) winner = seat;
  }
  return winner;
}

}  // namespace

std::string ScoreLine(const TableState& s, int seat, std::string_view score) {
  const std::string_view name = seat == 1 ? std::string_view(s.HumanName) : kSeatNames[seat];
  return (TextLine(" ") << seat << " - SCORE de " << name << " = " << score).ToString();
}

void CloseTrick(Game& g) {
  Notify(g, [](PlayObserver& o) { o.TrickClosing(); });
  TableState& s = g.s;
  const int k = s.TrickHolder;
  if (IsSeat(k)) {
    s.TrickFlag[k] = 1;
    s.DealPoints[k] += s.TrickPoints;
  }
  s.TrickPoints = 0;
  s.TrickPos = 1;
  ++s.TrickNo;
  s.BestCard = 0;
  s.LedBest = 0;
  if (IsSeat(k)) ShowDealTotal(g, k, s.DealPoints[k]);
  Notify(g, [](PlayObserver& o) { o.TrickTaken(); });

  ShowBox(g, Box::ConfirmTrick, "Validez cette main", Buttons::Oui, kTrickBoxPlace);

  s.HighCard = 0;
  s.LedCard = 0;
  g.w.SetText(Control::Meilleur, " ");
  SetBidLabels(g.w, " ");
  for (int seat = 1; seat <= 4; ++seat) g.w.LoadPicture(PlaceControl(seat), kClearedPlaceFile);
}

void EndDeal(Game& g) {
  TableState& s = g.s;
  const int T = s.Taker;

  ShowCapotMarks(g);
  s.BeloteSeat = 0;
  s.BeloteStage = 0;
  AddLastTen(s);

  // The contract is judged on trick points and announcements together.
  for (int seat = 1; seat <= 4; ++seat) {
    if (s.TrickFlag[seat] == 1) s.DealPoints[seat] += AnnounceSum(s, seat) + s.BelotePoints[seat];
  }
  if (IsSeat(T)) {
    ShowFailureMark(g, T);
    const Settlement settled = SettleContract(s, T);
    Notify(g, [&](PlayObserver& o) { o.ContractSettled(settled.result, settled.beneficiary); });
  }
  // Announcements are credited apart from the deal points, below.
  for (int seat = 1; seat <= 4; ++seat) {
    if (s.TrickFlag[seat] == 1) s.DealPoints[seat] -= AnnounceSum(s, seat) + s.BelotePoints[seat];
  }

  AddCapotBonus(s);
  if (IsSeat(T)) CancelLoneThirty(s, T);

  Notify(g, [](PlayObserver& o) { o.Crediting(); });
  CreditScores(s);
  ShowScores(g);

  s.TrumpsPlayed = 0;
  s.GameWinner = FindWinner(s);
  Notify(g, [](PlayObserver& o) { o.DealScored(); });
  if (s.GameWinner == 0) return;

  g.w.SetText(Control::ET14, TextLine("LE JOUEUR ") << s.GameWinner << " EST LE MEILLEUR");
  for (int seat = 1; seat <= 4; ++seat) s.GameScore[seat] = 0;
  if (s.SoundOn == 1) g.w.PlaySound("So/E.wav");
  s.DialogResult =
      ShowBox(g, Box::AnotherGame, " On s'en fait une autre ?->", Buttons::Confirmation);
  if (s.DialogResult == kAnswerNo) {
    s.SoundOn = 0;
    g.w.Quit();
    throw ProgramEnds{};
  }
}

}  // namespace belote
