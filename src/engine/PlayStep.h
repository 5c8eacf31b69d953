// The engine of the game: one call plays out everything up to the next
// moment the human must play a card.
#pragma once

#include "engine/Game.h"

namespace belote {

// Plays the human's chosen card (CurRow) or starts a new game when that slot
// is empty, then the computer seats, trick closes, deal ends and new deals,
// until the human is to play again or the program ends.
void PlayStep(Game& g);

// A click on hand image 1..8 (Image1Click .. Image8Click): refused cards
// change nothing; an accepted card starts its glide (animation on) or is
// played at once. Returns whether the click was accepted.
bool HandImageClick(Game& g, int slot);

// Whether a click on hand image `slot` would be accepted now: outside the
// play step, on a card the rules let the human play.
bool HandCardPlayable(const Game& g, int slot);

}  // namespace belote
