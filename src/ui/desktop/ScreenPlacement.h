// Where windows go on the screen: the table in the middle, each box over the
// part of the table it belongs to, and never off the screen.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "engine/TableGeometry.h"

class QWidget;
class QScreen;

namespace belote {

// Whether the window manager's frame around the top-level `window` is known:
// while it is being put around the window, Qt may report a frame smaller
// than the window itself.
bool FrameKnown(const QWidget* window);

// The width of the window manager's frame on each side of the top-level
// `window`, as Qt knows it now.
QMargins FrameMargins(const QWidget* window);

// Moves the top-level `window` so that its frame's corner is at `corner`,
// unless it is there already.
void MoveFrameTo(QWidget* window, QPoint corner);

// The top-left corner for a window of outer size `frame` that belongs at
// `place` over the table: the table window's frame corner plus the place,
// then moved as little as needed to lie inside the available area of the
// table's screen. Without a table the corner is the screen's origin.
QPoint PlaceOverTable(const QWidget* table, BoxPlace place, QSize frame);

// The top-left corner that puts a window of outer size `frame` in the middle
// of the table window's frame, kept inside the available area of its screen.
QPoint CentredOverTable(const QWidget* table, QSize frame);

// The top-left corner that puts a window of outer size `frame` in the
// middle of the available area of `screen` (the primary screen when null),
// kept inside it.
QPoint CentredOnScreen(const QScreen* screen, QSize frame);

// Where a window of outer size `wanted` goes beside the table `table` (its
// frame) on the screen area `available`: to the table's right or left when
// there is room, else at a top corner of the screen, made shorter if it must,
// so that it leaves `keepVisible` (the player's hand) uncovered; when nothing
// leaves it uncovered, to the table's right, kept on the screen.
QRect PlaceBesideTable(QRect available, QRect table, QRect keepVisible, QSize wanted);

// The corner of `frame` moved as little as needed to lie inside `area`;
// when it is larger than the area its top-left corner stays in it.
QPoint KeptInside(QRect frame, QRect area);

}  // namespace belote
