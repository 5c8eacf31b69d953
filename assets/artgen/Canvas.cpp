#include "Canvas.h"

namespace artgen {

namespace {
int drawScale = 1;
}  // namespace

void SetDrawScale(int scale) {
  drawScale = scale < 1 ? 1 : scale;
}

int DrawScale() {
  return drawScale;
}

QImage NewCanvas(int width, int height, QImage::Format format) {
  QImage image(width * drawScale, height * drawScale, format);
  image.setDevicePixelRatio(drawScale);
  return image;
}

}  // namespace artgen
