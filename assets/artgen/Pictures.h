// Every picture file of the game, by its file name under the game folder.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace artgen {

struct Picture {
  QString file;  // relative to the game folder, e.g. "Im/7.Bmp"
  QImage image;
};

// The pictures of the Im folder, in the order the contact sheet shows them:
// the three empty places, the 32 cards, the four suit signs, then the rest.
std::vector<Picture> AllPictures();

// The same pictures drawn at twice the size for high-density screens, each
// under its original's name with the "@2x" suffix, as PNG.
std::vector<Picture> HighDensityPictures();

// Number of leading entries of AllPictures() that lie on the table
// (places, cards and suit signs), all 102 x 154.
constexpr int kTablePictureCount = 39;

}  // namespace artgen
