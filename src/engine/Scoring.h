// Close of each trick, scoring of each deal, end of the game.
#pragma once

#include <string>
#include <string_view>

#include "engine/Game.h"

namespace belote {

// A seat's score line as its panel shows it, " 2 - SCORE de ARNAL = " and
// then `score` (a number, or "0000" at a new game).
std::string ScoreLine(const TableState& s, int seat, std::string_view score);

// Credits the trick to TrickHolder, asks "Validez cette main", clears the
// table places and resets the trick fields.
void CloseTrick(Game& g);
// After the eighth trick: capot marks, last ten, the taker's contract, the
// pot, capot bonuses, crediting and the winner test. When a game is won the
// player is asked for another; on Non the window is told to quit and
// ProgramEnds unwinds the play step.
void EndDeal(Game& g);

}  // namespace belote
