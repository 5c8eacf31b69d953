// What the screen reader says of the game, in French, put together from the
// record of the deal: the news as it happens, the descriptions of the boxes
// and the answers of the review keys. Nothing here changes the game.
#pragma once

#include <string>
#include <vector>

#include "engine/CardRules.h"
#include "engine/TableWindow.h"
#include "ui/record/DealRecord.h"

namespace belote {

// A text of the table as it should be heard: "M°" is read "Maître",
// "Trefle" with its accent, "2eme" in words, and its lines as one.
std::string Spoken(std::string text);

// A seat's name as it should be heard.
std::string SpokenSeat(const DealRecord& r, int seat);

// --- News, said as it happens ---
std::string BidNews(const DealRecord& r, const RecordedBid& bid);
// Said once the first round is over without a taker; empty otherwise.
std::string SecondRoundNews(const DealRecord& r);
std::string CardNews(const DealRecord& r, const RecordedCard& card);
std::string BeloteNews(const DealRecord& r, int seat, bool rebelote);
// The eight cards are dealt and sorted: who leads, and each announcement as
// the seat panels show it.
std::string HandDealtNews(const DealRecord& r);
std::string TurnNews(int playableCards);
std::string RefusedNews(const DealRecord& r, int slot, Refusal why);
std::string EmptySlotNews(int slot);
std::string TurnedSuitRefusedNews(int suit);

// --- What a box tells beyond its words ---
// `forecast` is the record as it will be once the deal is scored; only the
// last trick's box reads it.
std::string DescribeBox(const DealRecord& r, Box box, const DealRecord& forecast);
// What the second round's suit chooser tells beyond its banner: the card
// refused in the first round and the player's hand.
std::string DescribeChooser(const DealRecord& r);

// --- The review keys ---
std::string HandWords(const DealRecord& r);
std::string TrickWords(const DealRecord& r);
std::string LastTrickWords(const DealRecord& r);
std::string ScoreWords(const DealRecord& r);
std::string TrumpWords(const DealRecord& r);
// `playable` lists the slots the rules accept now; `myTurn` whether the
// player is to play.
std::string PlayableWords(const DealRecord& r, bool myTurn, const std::vector<int>& playable);

}  // namespace belote
