// The two bidding rounds for the trump suit.
#pragma once

#include "engine/Game.h"

namespace belote {

// Trump suit from the turned card, its text, and every seat's high cards
// (ace to nine) of that suit among its first five.
void CountTurnedSuit(TableState& s);
// The computer seats' bids. Round 1: a seat takes the turned suit with two
// or more of its high cards. Round 2: a seat names the first suit, in the
// order 1..4, in which it counts three or more; 0 when it passes.
bool TakesInRound1(const TableState& s, int seat);
int NamesInRound2(const TableState& s, int seat);
// Round 1 on the turned card's suit, from Speaker.
void FirstBidRound(Game& g);
// Round 2, any suit, from Speaker; the human answers on the suit chooser.
void SecondBidRound(Game& g);
// A press on the suit chooser's picture at x (Image14MouseDown): records a
// suit or a pass and shows the sign in the trump box. Returns true when the
// chooser closes, false when it stays open for another press.
bool SuitChooserPress(TableState& s, TableWindow& w, int x);

}  // namespace belote
