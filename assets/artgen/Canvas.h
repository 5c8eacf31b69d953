// The size every picture is drawn at. Each picture is designed in table
// pixels; at scale 2 its canvas has twice the pixels each way and the same
// design is painted on them, for the copies shown on high-density screens.
#pragma once

#include <QImage>

namespace artgen {

// 1 (the default) or 2; applies to every canvas made afterwards.
void SetDrawScale(int scale);
int DrawScale();

// A blank picture of width x height table pixels at the current scale:
// painting on it is in table pixels whatever the scale.
QImage NewCanvas(int width, int height, QImage::Format format);

}  // namespace artgen
