// King, queen and jack: two-headed figures in a framed panel. Each has its
// own head-dress and emblem (crown and sceptre, tiara and rose, feathered
// cap and halberd) so the three are told apart at a glance.
#pragma once

#include <QPainter>
#include <QRectF>

namespace artgen {

// Paints the court card of the suit (1..4) and rank (2 king, 3 queen,
// 4 jack) into the panel.
void PaintCourt(QPainter& p, int suit, int rank, const QRectF& panel);

}  // namespace artgen
