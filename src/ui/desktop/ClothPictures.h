// The pictures that lie on the table's cloth (cards, suit signs, empty
// places) as the table shows them: read once, then shared by every image,
// with the backdrop they were drawn on made see-through, so that they sit on
// whatever cloth the player chooses.
#pragma once

#include <QPixmap>
#include <QString>

namespace belote {

// The picture of `file` ("Im/7.Bmp") for a screen of the given pixel ratio
// (above 1: the twice-sized copy). A missing file gives a null picture,
// remembered so that the disk is not asked again for every card.
QPixmap ClothPicture(const QString& file, qreal pixelRatio);

// Whether `file` is one of the empty-place pictures.
bool IsEmptyPlaceFile(const QString& file);

// A wholly see-through picture of the size of `like`.
QPixmap BarePicture(const QPixmap& like);

}  // namespace belote
