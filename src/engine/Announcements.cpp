#include "engine/Announcements.h"

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/TextLine.h"
#include "model/Cards.h"

namespace belote {

namespace {

// Carré ranks in the order they are found and compared, strongest first,
// with the flag each one leaves and its two texts.
struct CarreRank {
  int rank;
  int flag;
  const char* firstText;
  const char* secondText;
};
// A carré of Jacks is always found first, so its second text never shows.
const CarreRank kCarreOrder[6] = {
    {kJack, 32, "Carré de valets", " + Carré de valets"},
    {kNine, 16, "Carré de Neufs", " + Carré de Neufs"},
    {kAce, 8, "Carré d'As", " + Carré d'As"},
    {kTen, 4, "Carré de Dix", " + Carré de Dix"},
    {kKing, 2, "Carré de Rois", " + Carré de Rois"},
    {kQueen, 1, "Carré de Dames", " + Carré de Dames"},
};

// Lengths of the three sequences and the codes they leave until scoring.
constexpr int kCentLength = 5;
constexpr int kCinquanteLength = 4;
constexpr int kTierceLength = 3;
constexpr int kCentCode = 5;
constexpr int kCinquanteCode = 4;
constexpr int kTierceCode = 3;

// Which pictures a seat can still use for a sequence, by picture number.
// One bit per picture (bit picture - 1). A suit's pictures run from its ace
// down to its seven, so a run of cards in a suit is a run of bits.
struct Cards {
  std::uint32_t bits = 0;
  bool Has(int picture) const { return (bits >> (picture - 1) & 1u) != 0; }
  void Take(int picture) { bits &= ~(1u << (picture - 1)); }
};

Cards HandOf(const TableState& s, int seat) {
  Cards c;
  for (int slot = 1; slot <= 8; ++slot) {
    const int picture = s.SlotPicture[seat][slot];
    if (picture >= 1 && picture <= 32) c.bits |= 1u << (picture - 1);
  }
  return c;
}

// The run of `length` cards with the highest top card, the lower suit number
// first at equal rank; returns its top picture, 0 if none. A longer run is
// found from its top card, since the tops are tried from the Ace down.
int FindRun(const Cards& c, int length) {
  // Every held card that tops a held run inside its suit, one bit each:
  // most hands have none, and then there is nothing to look through.
  std::uint32_t tops = c.bits;
  for (int i = 1; i < length; ++i) tops &= c.bits >> i;
  const std::uint32_t topRanks = (1u << (kSeven - length + 1)) - 1;  // ace down to the lowest top
  tops &= topRanks * 0x01010101u;
  if (tops == 0) return 0;
  for (int rank = kAce; rank + length - 1 <= kSeven; ++rank) {
    for (int suit = 1; suit <= 4; ++suit) {
      const int top = PictureNumber(suit, rank);
      if ((tops >> (top - 1) & 1u) != 0) return top;
    }
  }
  return 0;
}

void Remove(Cards& c, int top, int length) {
  for (int i = 0; i < length; ++i) c.Take(top + i);
}

int SequenceKey(const TableState& s, int picture) {
  return RecodePicture(picture, s.TrumpSuit).sequenceKey;
}

void AppendSequenceName(int top, std::string& text) {
  static const char* const kRankWords[7] = {"",         "à l'As", "au Roi", "à la Dame",
                                            "au Valet", "au Dix", "au Neuf"};
  static const char* const kSuitWords[5] = {"", " de Coeur", " de Carreau", " de Pique",
                                            " de Trefle"};
  const int rank = RankOfPicture(top);
  if (top < 1 || top > 32 || rank > kNine) return;
  text += kRankWords[rank];
  text += kSuitWords[SuitOfPicture(top)];
}

// The second sequence of a seat that already holds one announcement, among
// the cards that announcement leaves free: a cinquante if allowed and held,
// else a tierce. Sets its code, its top and its text; returns the kind found
// (0 if none).
int FindSecondSequence(TableState& s, int seat, const Cards& rest, bool cinquanteAllowed) {
  if (cinquanteAllowed) {
    const int top = FindRun(rest, kCinquanteLength);
    if (top != 0) {
      s.AnnouncePoints[kKindSecondCinquante][seat] = kCinquanteCode;
      s.SequenceTop[2] = top;
      s.AnnounceText2 = " + Cinquante: ";
      AppendSequenceName2(s);
      return kKindSecondCinquante;
    }
  }
  const int top = FindRun(rest, kTierceLength);
  if (top == 0) return 0;
  s.AnnouncePoints[kKindSecondTierce][seat] = kTierceCode;
  s.SequenceTop[2] = top;
  s.AnnounceText2 = " + Tierce: ";
  AppendSequenceName2(s);
  return kKindSecondTierce;
}

// A seat without carré: its best sequence, then a second one among the cards
// the first leaves free.
void DetectSequences(TableState& s, int seat, Cards hand) {
  struct Search {
    int kind;
    int length;
    int code;
    const char* text;
  };
  static const Search kSearches[3] = {
      {kKindCent, kCentLength, kCentCode, "Cent: "},
      {kKindCinquante, kCinquanteLength, kCinquanteCode, "Cinquante: "},
      {kKindTierce, kTierceLength, kTierceCode, "Tierce: "},
  };
  for (const Search& search : kSearches) {
    const int top = FindRun(hand, search.length);
    if (top == 0) continue;
    s.AnnouncePoints[search.kind][seat] = search.code;
    s.SequenceHeight[search.kind][seat] = SequenceKey(s, top);
    s.SequenceTop[1] = top;
    s.AnnounceText1 = search.text;
    AppendSequenceName1(s);

    // The second sequence may not reuse a card of the first. Two tierces are
    // looked for among all five other cards, whatever suit either one is in.
    Remove(hand, top, search.length);
    const int second = FindSecondSequence(s, seat, hand, search.kind == kKindCinquante);
    // Two sequences of one kind count as strong as the better of the two.
    if ((search.kind == kKindCinquante && second == kKindSecondCinquante) ||
        (search.kind == kKindTierce && second == kKindSecondTierce)) {
      const int key = SequenceKey(s, s.SequenceTop[2]);
      if (key > s.SequenceHeight[search.kind][seat]) s.SequenceHeight[search.kind][seat] = key;
    }
    return;
  }
}

void DetectSeat(TableState& s, TableWindow& w, int seat) {
  s.AnnounceText1.clear();
  s.AnnounceText2.clear();
  s.SequenceTop[1] = s.SequenceTop[2] = 0;
  s.CarreCount = 0;
  for (int kind = 1; kind <= 6; ++kind) {
    s.AnnouncePoints[kind][seat] = 0;
    s.SequenceHeight[kind][seat] = 0;
    s.CarreFlag[kind][seat] = 0;
  }

  const Cards hand = HandOf(s, seat);
  const bool belote = s.TrumpSuit >= 1 && s.TrumpSuit <= 4 &&
                      hand.Has(PictureNumber(s.TrumpSuit, kKing)) &&
                      hand.Has(PictureNumber(s.TrumpSuit, kQueen));
  s.BelotePoints[seat] = belote ? 20 : 0;

  // Eights and sevens make no carré, so only the six high ranks are counted.
  // A rank's four pictures lie eight apart, one in each suit.
  for (int rank = kAce; rank <= kNine; ++rank) {
    const std::uint32_t suits = hand.bits >> (rank - 1) & 0x01010101u;
    s.RankCount[rank] = std::popcount(suits);
  }

  int carreRank = 0;
  for (const CarreRank& c : kCarreOrder) {
    if (s.RankCount[c.rank] != 4) continue;
    s.CarreFlag[c.rank][seat] = c.flag;
    ++s.CarreCount;
    if (s.CarreCount == 1) {
      s.AnnounceText1 = c.firstText;
      carreRank = c.rank;
    } else {
      s.AnnounceText2 = c.secondText;
    }
  }
  for (int rank = kAce; rank <= kNine; ++rank)
    s.AnnouncePoints[kKindCarre][seat] += s.CarreFlag[rank][seat];

  if (s.CarreCount == 1) {
    // One carré leaves four cards, which may hold a cinquante or a tierce.
    Cards rest = hand;
    for (int suit = 1; suit <= 4; ++suit) rest.Take(PictureNumber(suit, carreRank));
    FindSecondSequence(s, seat, rest, true);
  } else if (s.CarreCount == 0) {
    DetectSequences(s, seat, hand);
  }

  // Assigned and appended in place: the seat's text keeps its room from
  // one deal to the next.
  s.SeatAnnounceText[seat] = s.AnnounceText1;
  s.SeatAnnounceText[seat] += s.AnnounceText2;
  // Every announcement shows as too weak until the scoring names the best.
  w.SetText(ETControl(3 + seat), TextLine(" ANNONCE : ")
                                     << TooWeakVerdict(s.SeatAnnounceText[seat]));
  s.CarreCount = 0;
}

// Points of one seat's announcements, kind by kind, from the detection codes.
void ValueSeat(TableState& s, int seat) {
  const bool jacks = s.CarreFlag[kJack][seat] != 0;
  const bool nines = s.CarreFlag[kNine][seat] != 0;
  const int others = (s.CarreFlag[kAce][seat] != 0) + (s.CarreFlag[kTen][seat] != 0) +
                     (s.CarreFlag[kKing][seat] != 0) + (s.CarreFlag[kQueen][seat] != 0);
  const bool cent = s.AnnouncePoints[kKindCent][seat] != 0;
  const bool cinquante = s.AnnouncePoints[kKindCinquante][seat] != 0;
  const bool tierce = s.AnnouncePoints[kKindTierce][seat] != 0;
  const bool secondCinquante = s.AnnouncePoints[kKindSecondCinquante][seat] != 0;
  const bool secondTierce = s.AnnouncePoints[kKindSecondTierce][seat] != 0;

  int points[7] = {};
  const int carreCount = jacks + nines + others;
  if (carreCount >= 2) {
    points[kKindCarre] = jacks && nines ? 350 : jacks ? 300 : nines ? 250 : 200;
  } else if (carreCount == 1) {
    points[kKindCarre] = jacks ? 200 : nines ? 150 : 100;
  } else if (cent) {
    points[kKindCent] = 100;
  } else if (cinquante) {
    points[kKindCinquante] = 50;
  } else if (tierce) {
    points[kKindTierce] = 20;
  }
  // Two carrés leave no room for a second announcement.
  if (carreCount < 2) {
    if (secondCinquante) {
      points[kKindSecondCinquante] = 50;
    } else if (secondTierce) {
      points[kKindSecondTierce] = 20;
    }
  }

  int total = 0;
  for (int kind = 1; kind <= 6; ++kind) {
    s.AnnouncePoints[kind][seat] = points[kind];
    total += points[kind];
  }
  s.AnnounceValueText[seat] = (TextLine() << total).View();
}

// The seat whose sequence of one kind is stronger than every other seat's,
// 0 if no seat holds that kind.
int StrongestSequence(const TableState& s, int kind) {
  for (int seat = 1; seat <= 4; ++seat) {
    bool above = true;
    for (int other = 1; other <= 4 && above; ++other) {
      if (other != seat) above = s.SequenceHeight[kind][seat] > s.SequenceHeight[kind][other];
    }
    if (above) return seat;
  }
  return 0;
}

int FindBestAnnouncer(const TableState& s) {
  for (const CarreRank& c : kCarreOrder) {
    for (int seat = 1; seat <= 4; ++seat) {
      if (s.AnnouncePoints[kKindCarre][seat] != 0 && s.CarreFlag[c.rank][seat] != 0) return seat;
    }
  }
  for (int kind : {kKindCent, kKindCinquante, kKindTierce}) {
    const int seat = StrongestSequence(s, kind);
    if (seat != 0) return seat;
  }
  return 0;
}

}  // namespace

std::string_view TooWeakVerdict(std::string_view announceText) {
  const std::string_view head = announceText.substr(0, 3);
  if (head == "Car") return "Carré trop faible";
  if (head == "Cen") return "Cent trop faible";
  if (head == "Cin") return "Cinquante trop faible";
  if (head == "Tie") return "Tierce trop faible";
  return {};
}

void AppendSequenceName1(TableState& s) {
  AppendSequenceName(s.SequenceTop[1], s.AnnounceText1);
}

void AppendSequenceName2(TableState& s) {
  AppendSequenceName(s.SequenceTop[2], s.AnnounceText2);
}

void DetectAnnouncements(TableState& s, TableWindow& w) {
  for (int seat = 1; seat <= 4; ++seat) DetectSeat(s, w, seat);
  w.SetText(Control::ET14, "");
}

void ScoreAnnouncements(TableState& s, TableWindow& w) {
  // Every seat's value text is written here, "0" for a seat without
  // announcement.
  for (int seat = 1; seat <= 4; ++seat) ValueSeat(s, seat);

  // The belote is the holder's whatever the other announcements give; a new
  // deal starts with neither of its cards called yet.
  s.BeloteSeat = 0;
  s.BeloteStage = 0;
  for (int seat = 1; seat <= 4; ++seat) {
    if (s.BelotePoints[seat] <= 0) continue;
    w.SetText(Control::ET8, TextLine("BELOTE au Joueur N° ")
                                << seat << "    " << s.BelotePoints[seat]);
    s.BeloteSeat = seat;
  }

  s.BestAnnouncer = FindBestAnnouncer(s);
  if (s.BestAnnouncer == 0) {
    w.SetText(Control::ET9, "Meilleure ANNONCE: Joueur N° ");
    return;
  }
  const int best = s.BestAnnouncer;
  for (int seat = 1; seat <= 4; ++seat) {
    if (seat == best) continue;
    for (int kind = 1; kind <= 6; ++kind) s.AnnouncePoints[kind][seat] = 0;
  }
  if (s.AnnounceValueText[best] != "0") {
    w.SetText(ETControl(3 + best), TextLine(" ANNONCES: ") << s.SeatAnnounceText[best] << " = "
                                                           << s.AnnounceValueText[best] << " pts");
  }
  int total = 0;
  for (int kind = 1; kind <= 6; ++kind) total += s.AnnouncePoints[kind][best];
  if (total == 0) {
    w.SetText(Control::ET9, "Meilleure ANNONCE: Joueur N° ");
  } else {
    w.SetText(Control::ET9, TextLine("Meilleure ANNONCE Joueur N° ") << best << "   " << total);
  }
}

BeloteCall CallBelote(TableState& s, TableWindow& w, int seat, int code) {
  if (seat == 0 || seat != s.BeloteSeat) return BeloteCall::None;
  if (code == kTrumpQueenCode && s.BeloteStage == 0) {
    w.SetText(Control::Meilleur, TextLine("   BELOTE      joueur ") << seat);
    s.BeloteStage = 1;
    return BeloteCall::Belote;
  }
  if (code == kTrumpKingCode && s.BeloteStage == 0) {
    w.SetText(Control::Meilleur, TextLine("   BELOTE      joueur ") << seat);
    s.BeloteStage = 2;
    return BeloteCall::Belote;
  }
  if ((code == kTrumpKingCode && s.BeloteStage == 1) ||
      (code == kTrumpQueenCode && s.BeloteStage == 2)) {
    w.SetText(Control::Meilleur, TextLine("RE-BELOTE    joueur ") << seat);
    return BeloteCall::Rebelote;
  }
  return BeloteCall::None;
}

}  // namespace belote
