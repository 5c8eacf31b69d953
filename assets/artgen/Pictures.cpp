#include "Pictures.h"

#include "AboutArt.h"
#include "ButtonArt.h"
#include "Canvas.h"
#include "CardArt.h"
#include "ChooserArt.h"
#include "Palette.h"
#include "TablePictures.h"
#include "ui/HighDensity.h"

namespace artgen {

namespace {

// The whole set at one scale, under the names of the originals.
std::vector<Picture> DrawAll(int scale) {
  SetDrawScale(scale);
  std::vector<Picture> all;
  // The game asks for the empty place under three spellings; all three
  // files must exist since file names are case-sensitive here.
  const QImage empty = DrawEmptyPlace(kTeal);
  all.push_back({QStringLiteral("Im/0.Bmp"), empty});
  all.push_back({QStringLiteral("Im/00.Bmp"), empty});
  all.push_back({QStringLiteral("Im/00.bmp"), empty});
  for (int picture = 1; picture <= 32; ++picture)
    all.push_back({QStringLiteral("Im/%1.Bmp").arg(picture), DrawCard(picture, kTeal)});
  // 33 Coeur, 34 Pique, 35 Carreau, 36 Trefle.
  const int signSuits[4] = {1, 3, 2, 4};
  for (int i = 0; i < 4; ++i)
    all.push_back({QStringLiteral("Im/%1.Bmp").arg(33 + i), DrawSuitSign(signSuits[i], kTeal)});

  all.push_back({QStringLiteral("Im/Choix.Bmp"), DrawChooser()});
  all.push_back({QStringLiteral("Im/Apropos.Bmp"), DrawAbout()});
  all.push_back({QStringLiteral("Im/Oui.Bmp"), DrawOuiButton()});
  all.push_back({QStringLiteral("Im/Tapis.Bmp"), DrawTapisButton()});
  all.push_back({QStringLiteral("Im/Aide.Bmp"), DrawAideButton()});
  all.push_back({QStringLiteral("Im/Quitter.Bmp"), DrawQuitterButton()});
  all.push_back({QStringLiteral("Im/Son.Bmp"), DrawSonButton()});
  all.push_back({QStringLiteral("Im/Animation.Bmp"), DrawAnimationButton()});
  all.push_back({QStringLiteral("Im/Icone.png"), DrawIcon(32 * scale)});
  SetDrawScale(1);
  return all;
}

}  // namespace

std::vector<Picture> AllPictures() {
  return DrawAll(1);
}

std::vector<Picture> HighDensityPictures() {
  // The two spellings of the played place share one copy.
  std::vector<Picture> sharp;
  for (Picture& picture : DrawAll(2)) {
    picture.file = belote::HighDensityFile(picture.file);
    if (sharp.empty() || sharp.back().file != picture.file) sharp.push_back(std::move(picture));
  }
  return sharp;
}

}  // namespace artgen
