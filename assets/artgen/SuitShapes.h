// Outlines of the four suit signs, shared by pips, indices, the trump box,
// the suit chooser and the icons.
#pragma once

#include <QPainterPath>
#include <QRectF>

namespace artgen {

// The suit sign filling the given box (suits 1 Coeur, 2 Carreau, 3 Pique,
// 4 Trefle). Hearts and spades are about as wide as tall, diamonds narrower.
QPainterPath SuitPath(int suit, const QRectF& box);

// Width over height that looks right for the sign, to size boxes with.
double SuitAspect(int suit);

}  // namespace artgen
