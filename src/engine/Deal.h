// Shuffle and deal: the 32 cards into the four hands around the bidding,
// re-coded for the trump suit and sorted.
#pragma once

#include "engine/Game.h"

namespace belote {

// Empty hand and trump pictures, score lines at " = 0000" (new game).
void ResetTableDisplay(TableState& s, TableWindow& w);
// Draws the 32 pictures into first-five slots and reserved cards; turns up
// the card of draw position 32. Returns the whole second it was seeded with.
std::int64_t Shuffle(Game& g);
// Sorts every seat's first five cards, shows the human's and the turned card.
void ShowFirstFive(TableState& s, TableWindow& w);
// The taker gets the turned card; every reserved card goes into its hand.
void GiveTurnedCard(TableState& s, int taker);
// Sorts the eight cards by picture, trump sound and sign, shows the hand.
void CompleteDeal(TableState& s, TableWindow& w);
// Fills SlotCard, SlotPoints, SlotSequence and PictureOf for TrumpSuit.
void RecodeCards(TableState& s);
// Sorts every hand by descending code, shows the human's, counts trumps.
void SortHands(TableState& s, TableWindow& w);

}  // namespace belote
