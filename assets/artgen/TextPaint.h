// Text drawn as outlines fitted to a box: the art keeps its proportions
// whatever the font's own metrics, and a long caption is narrowed rather
// than cut.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "Fonts.h"

namespace artgen {

// Fills the text so that its ink is exactly capHeight tall (measured on a
// capital letter, so lines of capitals and digits line up), narrowed when it
// would be wider than the box, and placed in the box by the alignment.
void FillText(QPainter& p, const QString& text, Face face, const QRectF& box, double capHeight,
              const QColor& colour, Qt::Alignment align = Qt::AlignCenter);

// Same placement, drawn with an outline around the letters for text over
// busy backgrounds.
void FillTextOutlined(QPainter& p, const QString& text, Face face, const QRectF& box,
                      double capHeight, const QColor& colour, const QColor& outline,
                      double outlineWidth, Qt::Alignment align = Qt::AlignCenter);

// Width the text takes at that cap height, before any narrowing.
double TextWidth(const QString& text, Face face, double capHeight);

}  // namespace artgen
