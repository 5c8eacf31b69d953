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

  // Below the table pictures: the chooser, the about box and the small
  // ones, in rows as wide as the sheet.
  struct Placed {
    size_t index;
    QPoint at;
  };
  std::vector<Placed> extras;
  int x = kGap;
  int y = tableHeight;
  int rowHeight = 0;
  for (size_t i = kTablePictureCount; i < pictures.size(); ++i) {
    const int w = std::max(pictures[i].image.width(), 90);
    if (x + w > width - kGap) {
      x = kGap;
      y += rowHeight + kLabel + kGap;
      rowHeight = 0;
    }
    extras.push_back({i, QPoint(x, y)});
    x += w + kGap;
    rowHeight = std::max(rowHeight, pictures[i].image.height());
  }
  QImage sheet(width, y + rowHeight + kLabel + kGap, QImage::Format_RGB32);
  sheet.fill(kTeal);
  QPainter p(&sheet);
  QFont font = p.font();
  font.setPixelSize(10);
  p.setFont(font);
  p.setPen(Qt::white);
  for (int i = 0; i < kTablePictureCount && i < static_cast<int>(pictures.size()); ++i) {
    const int px = kGap + (i % kPerRow) * cellW;
    const int py = kGap + (i / kPerRow) * cellH;
    p.drawImage(px, py, pictures[i].image);
    p.drawText(QRect(px, py + kCardHeight, kCardWidth, kLabel), Qt::AlignCenter,
               pictures[i].file.mid(3));
  }
  for (const Placed& e : extras) {
    const QImage& image = pictures[e.index].image;
    p.drawImage(e.at, image);
    p.drawText(QRect(e.at.x(), e.at.y() + image.height(), std::max(image.width(), 90), kLabel),
               Qt::AlignLeft | Qt::AlignVCenter, pictures[e.index].file.mid(3));
  }
  p.end();
  return sheet;
}

}  // namespace artgen
