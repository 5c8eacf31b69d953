// The 32 cards of the game, 102 x 154, and the pieces they are made of.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include "model/PictureFiles.h"

namespace artgen {

using belote::kCardHeight;
using belote::kCardWidth;

// A card by its picture number 1..32: 8 * (suit - 1) + rank, ace 1, king 2,
// queen 3, jack 4, ten 5, nine 6, eight 7, seven 8. The corners outside the
// rounded face take the table colour.
QImage DrawCard(int picture, const QColor& table);

// The rounded white face with its thin border, on the table colour; the game
// finds the face's outline again from the same numbers (PictureFiles.h).
void PaintCardFace(QPainter& p, const QColor& table);

// One pip, centred, of the given height; upside down for the lower half of
// the card, as on printed cards.
void PaintPip(QPainter& p, int suit, QPointF centre, double height, bool upsideDown);

// French index letter of a rank number: A, R, D, V, 10, 9, 8, 7.
QString IndexText(int rank);

}  // namespace artgen
