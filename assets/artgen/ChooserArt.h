// The suit chooser of the second bidding round, 350 x 98 in 16 colours:
// four suit tiles, a pass tile and a banner telling the player what to do.
#pragma once

#include <QImage>

#include "engine/ChooserBands.h"

namespace artgen {

// Every tile is drawn wholly inside the band the game answers to, so that a
// click on what the player sees is the choice he meant.
using belote::kChooserHeight;
using belote::kChooserWidth;

QImage DrawChooser();

}  // namespace artgen
