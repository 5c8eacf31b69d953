// Pictures shown on the table besides the cards: the empty places and the
// suit signs of the trump box. All 102 x 154, like the cards.
#pragma once

#include <QColor>
#include <QImage>

namespace artgen {

// An empty place on the cloth: the table colour with a faint rounded
// outline where a card would lie.
QImage DrawEmptyPlace(const QColor& table);

// The trump box picture of a suit (1 Coeur, 2 Carreau, 3 Pique, 4 Trefle):
// a large suit sign with the word ATOUT and the suit's name.
QImage DrawSuitSign(int suit, const QColor& table);

// Name of the suit as printed on the trump box picture.
QString SuitTitle(int suit);

}  // namespace artgen
