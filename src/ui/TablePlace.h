// Where the game's boxes and the suit chooser go on the screen. Their places
// were chosen for a table that filled a small screen from its top-left
// corner; on any other screen they are taken from the table's own corner, so
// that each box covers the same part of the table wherever the table is.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace belote {

// The top-left corner for a window of outer size `frame` that belongs at
// (x, y) of the table: the table window's frame corner plus `at`, then moved
// as little as needed to lie inside the available area of the table's
// screen. Without a table the corner is the screen's origin.
QPoint PlaceOverTable(const QWidget* table, QPoint at, QSize frame);

// The corner of `frame` moved as little as needed to lie inside `area`;
// when it is larger than the area its top-left corner stays in it.
QPoint KeptInside(QRect frame, QRect area);

}  // namespace belote
