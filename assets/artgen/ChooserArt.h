// The suit chooser of the second bidding round, 350 x 98 in 16 colours:
// four suit tiles, a pass tile and a banner telling the player what to do.
#pragma once

#include <QImage>

namespace artgen {

constexpr int kChooserWidth = 350;
constexpr int kChooserHeight = 98;

// Horizontal bands (in pixels) that the window answers to; every tile is
// drawn wholly inside its band so that a click on what the player sees is
// the choice he meant.
struct Band {
  int first;
  int last;
};
inline constexpr Band kCoeurBand{0, 67};
inline constexpr Band kCarreauBand{68, 136};
inline constexpr Band kPiqueBand{139, 204};
inline constexpr Band kTrefleBand{205, 271};
inline constexpr Band kPassBand{275, 349};

QImage DrawChooser();

}  // namespace artgen
