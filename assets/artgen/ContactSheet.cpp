#include "ContactSheet.h"

#include <QPainter>

#include "CardArt.h"
#include "Palette.h"

namespace artgen {

QImage DrawContactSheet(const std::vector<Picture>& pictures) {
  constexpr int kPerRow = 10;
  constexpr int kGap = 8;
  constexpr int kLabel = 14;
  const int cellW = kCardWidth + kGap;
  const int cellH = kCardHeight + kLabel + kGap;
  const int rows = (kTablePictureCount + kPerRow - 1) / kPerRow;
  const int width = kGap + kPerRow * cellW;
  const int tableHeight = kGap + rows * cellH;

  // Below the table pictures: the chooser, the about box and the small ones.
  int extraHeight = 0;
  for (size_t i = kTablePictureCount; i < pictures.size(); ++i)
    extraHeight = std::max(extraHeight, pictures[i].image.height());
  QImage sheet(width, tableHeight + extraHeight + kLabel + 2 * kGap, QImage::Format_RGB32);
  sheet.fill(kTeal);
  QPainter p(&sheet);
  QFont font = p.font();
  font.setPixelSize(10);
  p.setFont(font);
  p.setPen(Qt::white);
  for (int i = 0; i < kTablePictureCount && i < static_cast<int>(pictures.size()); ++i) {
    const int x = kGap + (i % kPerRow) * cellW;
    const int y = kGap + (i / kPerRow) * cellH;
    p.drawImage(x, y, pictures[i].image);
    p.drawText(QRect(x, y + kCardHeight, kCardWidth, kLabel), Qt::AlignCenter,
               pictures[i].file.mid(3));
  }
  int x = kGap;
  for (size_t i = kTablePictureCount; i < pictures.size(); ++i) {
    const QImage& image = pictures[i].image;
    p.drawImage(x, tableHeight, image);
    p.drawText(QRect(x, tableHeight + image.height(), std::max(image.width(), 60), kLabel),
               Qt::AlignLeft | Qt::AlignVCenter, pictures[i].file.mid(3));
    x += std::max(image.width(), 60) + kGap;
  }
  p.end();
  return sheet;
}

}  // namespace artgen
