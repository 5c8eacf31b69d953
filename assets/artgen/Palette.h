// Colours shared by every picture of the game, so that cards, places and
// panels sit together on the table.
#pragma once

#include <QColor>

#include "model/PictureFiles.h"

namespace artgen {

// What the cards, suit signs and empty places are drawn on; the game makes
// it see-through around them.
inline const QColor kBackdrop = QColor::fromRgb(belote::kArtBackdropRgb);
// The table's own colours, for the about box and the contact sheet.
inline const QColor kTeal(0, 128, 128);

inline const QColor kCardWhite(255, 255, 255);
inline const QColor kCardBorder(64, 64, 72);
inline const QColor kSuitRed(204, 22, 36);
inline const QColor kSuitBlack(22, 22, 30);

// Court figures: a small, fixed set of inks like printed cards.
inline const QColor kInkRed(196, 32, 40);
inline const QColor kInkBlue(34, 64, 156);
inline const QColor kInkGold(232, 180, 40);
inline const QColor kInkGoldDark(170, 120, 20);
inline const QColor kInkGreen(40, 128, 64);
inline const QColor kInkPurple(112, 48, 136);
inline const QColor kInkSkin(252, 216, 182);
inline const QColor kInkHairBrown(120, 72, 32);
inline const QColor kInkHairBlond(236, 196, 92);
inline const QColor kInkGrey(150, 150, 160);
inline const QColor kInkBlack(24, 24, 30);
// Each rank's panel has its own faint tint, a second cue besides the
// head-dress for telling king, queen and jack apart.
inline const QColor kKingPanel(255, 246, 214);
inline const QColor kQueenPanel(255, 238, 242);
inline const QColor kJackPanel(234, 244, 255);

// Suit colour: hearts and diamonds red, spades and clubs black.
inline QColor SuitColour(int suit) {
  return (suit == 1 || suit == 2) ? kSuitRed : kSuitBlack;
}

}  // namespace artgen
