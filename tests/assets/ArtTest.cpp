// The pictures must read right on the table: cards in their suit colours,
// corners in the cloth colour, empty places that look empty, the chooser's
// tiles inside the bands the window answers to, and room left on the about
// picture for the figures the window writes over it.
#include <gtest/gtest.h>

#include <QColor>
#include <QSet>
#include <cstdlib>
#include <vector>

#include "GameFolder.h"
#include "engine/ChooserBands.h"

namespace {

const QRgb kTeal = qRgb(0, 128, 128);

bool IsRed(QRgb c) {
  return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool IsNearWhite(QRgb c) {
  return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
}
bool IsDark(QRgb c) {
  return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}

int Count(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
  return n;
}

TEST(Cards, SitOnTheClothWithAWhiteFaceAndAreAllDifferent) {
  QSet<QByteArray> seen;
  for (int picture = 1; picture <= 36; ++picture) {
    SCOPED_TRACE(picture);
    const QImage card = LoadGameImage(CardFile(picture));
    ASSERT_EQ(card.size(), QSize(102, 154));
    for (QPoint corner : {QPoint(0, 0), QPoint(101, 0), QPoint(0, 153), QPoint(101, 153)})
      EXPECT_EQ(card.pixel(corner), kTeal);
    // Just inside the border the face is white all round.
    for (QPoint edge : {QPoint(51, 2), QPoint(51, 151), QPoint(2, 77), QPoint(99, 77)})
      EXPECT_TRUE(IsNearWhite(card.pixel(edge)));
    seen.insert(QByteArray(reinterpret_cast<const char*>(card.constBits()), card.sizeInBytes()));
  }
  EXPECT_EQ(seen.size(), 36);
}

TEST(Cards, HeartsAndDiamondsAreRedSpadesAndClubsBlack) {
  // Number cards and aces only: the court figures wear red on every suit.
  for (int picture = 1; picture <= 32; ++picture) {
    const int rank = (picture - 1) % 8 + 1;
    if (rank >= 2 && rank <= 4) continue;
    SCOPED_TRACE(picture);
    const QImage card = LoadGameImage(CardFile(picture));
    const int red = Count(card, card.rect(), IsRed);
    const int dark = Count(card, card.rect().adjusted(3, 3, -3, -3), IsDark);
    if (picture <= 16) {
      EXPECT_GT(red, 300);
      EXPECT_LT(dark, 60);  // the thin border and a little shading only
    } else {
      EXPECT_EQ(red, 0);
      EXPECT_GT(dark, 300);
    }
  }
}

TEST(Cards, SuitSignsFollowTheTrumpBoxNumbering) {
  // 33 Coeur and 35 Carreau are red, 34 Pique and 36 Trefle black.
  for (int picture : {33, 35})
    EXPECT_GT(Count(LoadGameImage(CardFile(picture)), QRect(20, 40, 62, 76), IsRed), 500)
        << picture;
  for (int picture : {34, 36})
    EXPECT_GT(Count(LoadGameImage(CardFile(picture)), QRect(20, 40, 62, 76), IsDark), 500)
        << picture;
}

// Separate blobs of suit ink in the middle of the card, ignoring specks.
int CountPips(const QImage& card) {
  const QRect area(20, 8, 63, 139);  // between the two index columns
  auto ink = [&](int x, int y) {
    const QRgb c = card.pixel(x, y);
    return IsRed(c) || IsDark(c);
  };
  std::vector<bool> seen(area.width() * area.height(), false);
  auto at = [&](int x, int y) { return (y - area.top()) * area.width() + (x - area.left()); };
  int pips = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      if (seen[at(x, y)] || !ink(x, y)) continue;
      int size = 0;
      std::vector<QPoint> todo = {{x, y}};
      seen[at(x, y)] = true;
      while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        ++size;
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint q = p + d;
          if (!area.contains(q) || seen[at(q.x(), q.y())] || !ink(q.x(), q.y())) continue;
          seen[at(q.x(), q.y())] = true;
          todo.push_back(q);
        }
      }
      pips += size >= 40 ? 1 : 0;
    }
  return pips;
}

TEST(Cards, NumberCardsShowTheirPipsApartAndAcesOneSign) {
  // Rank numbers 1 ace, 5 ten, 6 nine, 7 eight, 8 seven: pips that touched
  // or fell off the face would make the card miscounted at a glance.
  const int expected[9] = {0, 1, 0, 0, 0, 10, 9, 8, 7};
  for (int picture = 1; picture <= 32; ++picture) {
    const int rank = (picture - 1) % 8 + 1;
    if (expected[rank] == 0) continue;
    EXPECT_EQ(CountPips(LoadGameImage(CardFile(picture))), expected[rank]) << picture;
  }
}

TEST(Cards, KingQueenAndJackDifferAtTheHead) {
  // The top of the figure panel (head-dress and face) must look different
  // for the three court cards of a suit, not just the corner letter.
  const QRect head(22, 12, 58, 36);
  for (int suit = 1; suit <= 4; ++suit) {
    const int base = 8 * (suit - 1);
    const QImage king = LoadGameImage(CardFile(base + 2));
    const QImage queen = LoadGameImage(CardFile(base + 3));
    const QImage jack = LoadGameImage(CardFile(base + 4));
    auto differing = [&](const QImage& a, const QImage& b) {
      int n = 0;
      for (int y = head.top(); y <= head.bottom(); ++y)
        for (int x = head.left(); x <= head.right(); ++x) {
          const QColor ca(a.pixel(x, y));
          const QColor cb(b.pixel(x, y));
          n += std::abs(ca.red() - cb.red()) + std::abs(ca.green() - cb.green()) +
                           std::abs(ca.blue() - cb.blue()) >
                       90
                   ? 1
                   : 0;
        }
      return n;
    };
    const int area = head.width() * head.height();
    EXPECT_GT(differing(king, queen), area / 5) << suit;
    EXPECT_GT(differing(king, jack), area / 5) << suit;
    EXPECT_GT(differing(queen, jack), area / 5) << suit;
  }
}

TEST(EmptyPlaces, LookLikeClothNotLikeACard) {
  for (const char* name : {"Im/0.Bmp", "Im/00.Bmp", "Im/00.bmp"}) {
    SCOPED_TRACE(name);
    const QImage place = LoadGameImage(QString::fromLatin1(name));
    EXPECT_EQ(Count(place, place.rect(), IsNearWhite), 0);
    int cloth = 0;
    for (int y = 0; y < place.height(); ++y)
      for (int x = 0; x < place.width(); ++x) {
        const QRgb c = place.pixel(x, y);
        cloth += qRed(c) < 40 && qGreen(c) > 90 && qGreen(c) < 170 && qBlue(c) > 90 ? 1 : 0;
      }
    EXPECT_GT(cloth, place.width() * place.height() * 9 / 10);
  }
}

TEST(EmptyPlaces, AreClothAndOneRimColourOnly) {
  // The table makes the cloth colour see-through and the rim faint; any
  // other shade, from smoothing or shadow, would stay as a stain on a cloth
  // of another colour.
  for (const char* name : {"Im/0.Bmp", "Im/00.Bmp", "Im/00.bmp", "Im/0@2x.png", "Im/00@2x.png"}) {
    SCOPED_TRACE(name);
    const QImage place = LoadGameImage(QString::fromLatin1(name));
    QSet<QRgb> colours;
    for (int y = 0; y < place.height(); ++y)
      for (int x = 0; x < place.width(); ++x) colours.insert(place.pixel(x, y) & 0xFFFFFF);
    EXPECT_TRUE(colours.contains(qRgb(0, 128, 128) & 0xFFFFFF));
    EXPECT_EQ(colours.size(), 2);
  }
}

TEST(Chooser, TilesLieInsideTheirBandsAndTheGapsAreBackground) {
  const QImage chooser = LoadGameImage(QStringLiteral("Im/Choix.Bmp"));
  const QRgb background = chooser.pixel(137, 40);
  // The window answers a press by its x: a tile that spilled over a band's
  // edge would send a click on it to the neighbouring choice.
  for (const belote::ChooserBand& band : belote::kChooserBands) {
    SCOPED_TRACE(band.first);
    const int mid = (band.first + band.last) / 2;
    EXPECT_NE(chooser.pixel(mid, 10), background);  // the tile is there
    for (int y = 0; y < 75; ++y) {
      EXPECT_EQ(chooser.pixel(band.first, y), background) << y;
      EXPECT_EQ(chooser.pixel(band.last, y), background) << y;
    }
  }
  for (int x : {137, 138, 272, 273, 274})
    for (int y = 0; y < 75; ++y) EXPECT_EQ(chooser.pixel(x, y), background) << x << "," << y;
  // The tiles: white for the four suits, cyan for the pass.
  EXPECT_TRUE(IsNearWhite(chooser.pixel(8, 10)));
  const QColor pass = QColor(chooser.pixel(282, 10));
  EXPECT_TRUE(pass.blue() > 200 && pass.green() > 200 && pass.red() < 150);
}

TEST(Chooser, BannerIsDarkBlueWithYellowLettering) {
  const QImage chooser = LoadGameImage(QStringLiteral("Im/Choix.Bmp"));
  int blue = 0;
  int yellow = 0;
  for (int x = 0; x < 350; ++x)
    for (int y = 80; y < 96; ++y) {
      const QColor c(chooser.pixel(x, y));
      blue += c.blue() > 90 && c.red() < 60 && c.green() < 60 ? 1 : 0;
      yellow += c.red() > 200 && c.green() > 200 && c.blue() < 80 ? 1 : 0;
    }
  EXPECT_GT(blue, 350 * 16 / 2);
  EXPECT_GT(yellow, 300);
}

TEST(About, LeavesRoomForTheFiguresTheVersionLineAndTheButton) {
  const QImage about = LoadGameImage(QStringLiteral("Im/Apropos.Bmp"));
  // The window writes black figures from x = 268 on the four caption lines,
  // a navy version line at (144, 48) and puts its button at (152, 176):
  // those places must be plain, light paper so the text stays legible.
  const QRect figures(268, 74, 337 - 268 - 4, 122 + 11 - 74);
  const QRect version(144, 48, 337 - 144 - 4, 12);
  for (const QRect& area : {figures, version}) {
    EXPECT_EQ(Count(about, area, IsDark), 0);
    EXPECT_GT(Count(about, area, [](QRgb c) { return qGray(c) > 200; }),
              area.width() * area.height() * 95 / 100);
  }
  // Each caption has its ink on its own line, ending before the figure.
  for (int top : {74, 90, 106, 122}) {
    SCOPED_TRACE(top);
    EXPECT_GT(Count(about, QRect(140, top, 120, 11), IsDark), 40);
    EXPECT_EQ(Count(about, QRect(266, top, 2, 11), IsDark), 0);
  }
}

}  // namespace
