#include "Transcript.h"

namespace belote::selfplay {

using Json = nlohmann::ordered_json;

namespace {

// A per-seat table as a four-element array.
template <typename T>
Json Seats(const T (&table)[5]) {
  Json a = Json::array();
  for (int seat = 1; seat <= 4; ++seat) a.push_back(table[seat]);
  return a;
}

// Slots first..last of every seat's row in a card plane.
Json Slots(const int (&plane)[5][9], int first, int last) {
  Json a = Json::array();
  for (int seat = 1; seat <= 4; ++seat) {
    Json row = Json::array();
    for (int slot = first; slot <= last; ++slot) row.push_back(plane[seat][slot]);
    a.push_back(std::move(row));
  }
  return a;
}

}  // namespace

TranscriptWriter::TranscriptWriter(const TableState& s, SelfPlayTable& table,
                                   std::int64_t dealsWanted, std::ostream& out)
    : DealCounter(table, dealsWanted), s_(s), out_(out) {}

void TranscriptWriter::DealStarting() {
  // The engine deals once more before it notices the run is over.
  if (table_.Closing()) return;
  if (gameWon_) {
    ++game_;
    gameWon_ = false;
  }
  table_.Texts().StartDeal();
  openerKnown_ = false;
  deal_ = Json::object();
  deal_["game"] = game_;
  deal_["deal"] = ++dealNo_;
  // Filled in as soon as they are known; set now to keep the field order.
  deal_["seed"] = 0;
  deal_["opener"] = 0;
  deal_["before"] = {
      {"game_score", Seats(s_.GameScore)}, {"deal_points", Seats(s_.DealPoints)}, {"pot", s_.Pot}};
}

void TranscriptWriter::Shuffled(std::int64_t seedSeconds) {
  if (table_.Closing()) return;
  deal_["seed"] = seedSeconds;
  deal_["first_five"] = Slots(s_.SlotPicture, 1, 5);
  // Until the rest of the deal, the reserved cards wait in the points plane.
  deal_["reserved"] = Slots(s_.SlotPoints, 6, 8);
  deal_["turned"] = s_.TurnedCard;
  deal_["bids"] = Json::array();
}

void TranscriptWriter::BidSpoken(int round, int seat, const std::string& text, int suit) {
  if (table_.Closing()) return;
  if (round == 1 && !openerKnown_) {
    deal_["opener"] = s_.Opener;
    openerKnown_ = true;
  }
  deal_["bids"].push_back({{"round", round}, {"seat", seat}, {"text", text}, {"suit", suit}});
}

void TranscriptWriter::BiddingOver(bool redeal) {
  if (table_.Closing()) return;
  deal_["human_presses"] = table_.Texts().presses;
  deal_["taker"] = s_.Taker;
  deal_["trump"] = s_.TrumpSuit;
  deal_["redeal"] = redeal;
  if (redeal) WriteDeal();
}

void TranscriptWriter::HandsReady() {
  if (table_.Closing()) return;
  const TableTexts& t = table_.Texts();
  deal_["hands"] = Slots(s_.SlotCard, 1, 8);
  bool anyAnnouncement = false;
  for (int seat = 1; seat <= 4; ++seat) anyAnnouncement |= !s_.SeatAnnounceText[seat].empty();
  Json points = Json::array();
  for (int seat = 1; seat <= 4; ++seat) {
    Json kinds = Json::array();
    for (int kind = 1; kind <= 6; ++kind) kinds.push_back(s_.AnnouncePoints[kind][seat]);
    points.push_back(std::move(kinds));
  }
  deal_["announce"] = {
      {"boxes", Seats(t.announceBoxes)},
      {"et8", t.beloteLine},
      {"et9", t.bestLine},
      {"belote_seat", s_.BeloteSeat},
      // The best announcer is left over from an earlier deal when nobody
      // announced anything.
      {"best", anyAnnouncement ? s_.BestAnnouncer : 0},
      {"points", std::move(points)},
      {"belote_points", Seats(s_.BelotePoints)},
  };
  deal_["tricks"] = Json::array();
  trick_ = Json();
  table_.Texts().callouts.clear();
}

void TranscriptWriter::CardPlayed(int seat, int slot, int code, int points, bool takesLead) {
  DealCounter::CardPlayed(seat, slot, code, points, takesLead);
  if (table_.Closing()) return;
  if (trick_.is_null()) trick_ = {{"leader", seat}, {"cards", Json::array()}};
  trick_["cards"].push_back({{"seat", seat},
                             {"slot", slot},
                             {"code", code},
                             {"points", points},
                             {"takes_lead", takesLead}});
}

void TranscriptWriter::TrickClosing() {
  if (table_.Closing()) return;
  std::vector<std::string>& callouts = table_.Texts().callouts;
  if (trick_.is_null()) trick_ = {{"leader", 0}, {"cards", Json::array()}};
  trick_["holder"] = s_.TrickHolder;
  trick_["points"] = s_.TrickPoints;
  trick_["callouts"] = callouts;
  callouts.clear();
  deal_["tricks"].push_back(std::move(trick_));
  trick_ = Json();
}

void TranscriptWriter::DealScored() {
  if (table_.Closing()) return;
  const TableTexts& t = table_.Texts();
  Json marks = Json::array();
  for (int seat = 1; seat <= 4; ++seat) marks.push_back(t.marks[seat]);
  deal_["after"] = {
      {"deal_points", Seats(s_.DealPoints)},
      {"game_score", Seats(s_.GameScore)},
      {"pot", s_.Pot},
      {"trick_flag", Seats(s_.TrickFlag)},
      {"marks", std::move(marks)},
      {"winner", s_.GameWinner},
  };
  gameWon_ = s_.GameWinner != 0;
  WriteDeal();
  DealCounter::DealScored();
}

void TranscriptWriter::WriteDeal() {
  // Texts are UTF-8; a stray byte must not end the run.
  out_ << deal_.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
  deal_ = Json();
  // Playing on would only fill a transcript nobody gets.
  if (!out_) {
    writeFailed_ = true;
    table_.Stop();
  }
}

}  // namespace belote::selfplay
