// Where the cards stand and move on the table, and where the boxes open over
// it, in the window's pixels. The rules place the cards and the boxes by
// these numbers and the window's glides stop on them, so each is written
// here once.
#pragma once

namespace belote {

// Resting place of each hand image, slots 1..8 (index 0 unused): the hand
// fans out along a gentle arc, its middle cards highest.
inline constexpr int kHandLeft[9] = {0, 236, 300, 364, 428, 492, 556, 620, 680};
inline constexpr int kHandTop[9] = {0, 412, 396, 388, 380, 380, 388, 396, 412};

// Left of each seat's table place, seats 1..4, and its top.
inline constexpr int kPlaceLeft[5] = {0, 345, 240, 345, 450};
inline constexpr int kPlaceTop[5] = {0, 220, 112, 2, 112};

// A computer seat's card starts its glide here, seats 2..4, and slides
// kComputerGlideStep pixels a tick towards its place.
inline constexpr int kGlideStartLeft[5] = {0, 0, 180, 285, 510};
inline constexpr int kComputerGlideStep = 5;

// The human's clicked card is first lifted to this top, then rises
// kHumanGlideRise a tick and moves kHumanGlideStep[slot] to the side until
// its top reaches the human's place, ten ticks later.
inline constexpr int kClickedCardTop = 420;
inline constexpr int kHumanGlideRise = 20;
inline constexpr int kHumanGlideStep[9] = {0, 10, 5, -1, -9, -16, -23, -30, -37};
static_assert(kClickedCardTop - 10 * kHumanGlideRise == kPlaceTop[1]);

// Where a box's top-left corner goes, counted from the top-left corner of the
// table window's frame: each box covers the same part of the table wherever
// the table is on the screen.
struct BoxPlace {
  int x;
  int y;
};
// The bidding question, over the human's cards.
inline constexpr BoxPlace kBidBoxPlace{310, 450};
// "Validez cette main", who took and the redeal, beside the human's cards.
inline constexpr BoxPlace kTrickBoxPlace{345, 450};
// The answers of the sound and animation switches, below the control panel.
inline constexpr BoxPlace kSwitchBoxPlace{605, 120};
// The question before leaving, below Quitter.
inline constexpr BoxPlace kQuitBoxPlace{580, 120};
// The suit chooser of the second round, over the deal panel and the first
// cards of the hand.
inline constexpr BoxPlace kChooserPlace{234, 466};

}  // namespace belote
