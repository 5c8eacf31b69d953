// The suit chooser of the second bidding round is one picture, 350 x 98: four
// suit tiles and the pass tile "NON, PAS CETTE FOIS", left to right. A press
// is judged by its x alone, in the picture's own pixels. The picture is drawn
// from these bands, the rules judge presses by them, and every player that
// presses a tile (the keyboard, the self-play) aims inside them.
#pragma once

namespace belote {

constexpr int kChooserWidth = 350;
constexpr int kChooserHeight = 98;
// The tiles fill the picture down to the banner that runs along its bottom.
constexpr int kChooserBannerTop = 78;

struct ChooserBand {
  int suit;   // 1..4, or 0 for the pass tile
  int first;  // first x of the band
  int last;   // last x of the band
};

// Presses in the two gaps (137..138 and 272..274) land on no tile and
// record nothing; the pass band takes every press from its first x on.
inline constexpr ChooserBand kChooserBands[5] = {
    {1, 0, 67}, {2, 68, 136}, {3, 139, 204}, {4, 205, 271}, {0, 275, kChooserWidth - 1}};
inline constexpr const ChooserBand& kPassBand = kChooserBands[4];

// The band of suit 1..4, or of the pass tile for 0.
constexpr const ChooserBand& ChooserBandOf(int suit) {
  return suit >= 1 && suit <= 4 ? kChooserBands[suit - 1] : kPassBand;
}

// The tile a press at x lands on: a suit 1..4, 0 for the pass tile, -1 for a
// gap between the tiles.
constexpr int ChooserTileAt(int x) {
  int suit = -1;
  for (const ChooserBand& band : kChooserBands) {
    if (x >= band.first && (x <= band.last || band.suit == 0)) suit = band.suit;
  }
  return suit;
}

// The middle of a band: a press there is on the tile whatever its margins.
constexpr int BandMiddle(const ChooserBand& band) {
  return (band.first + band.last) / 2;
}

}  // namespace belote
