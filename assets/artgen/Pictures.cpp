#include "Pictures.h"

#include "AboutArt.h"
#include "ButtonArt.h"
#include "Canvas.h"
#include "CardArt.h"
#include "ChooserArt.h"
#include "Palette.h"
#include "TablePictures.h"
#include "model/Cards.h"
#include "model/PictureFiles.h"

namespace artgen {

namespace {

QImage Draw(const belote::GamePictureFile& picture, int scale) {
  switch (picture.kind) {
    case belote::PictureKind::EmptyPlace:
      return DrawEmptyPlace(kBackdrop);
    case belote::PictureKind::Card:
      return DrawCard(picture.number, kBackdrop);
    case belote::PictureKind::SuitSign:
      return DrawSuitSign(belote::SuitOfSign(picture.number), kBackdrop);
    case belote::PictureKind::Chooser:
      return DrawChooser();
    case belote::PictureKind::About:
      return DrawAbout();
    case belote::PictureKind::AboutButton:
      return DrawOuiButton();
    case belote::PictureKind::Icon:
      return DrawIcon(32 * scale);
    case belote::PictureKind::PanelButton:
      break;
  }
  const std::string& f = picture.file;
  if (f == belote::kTapisButtonPicture) return DrawTapisButton();
  if (f == belote::kAideButtonPicture) return DrawAideButton();
  if (f == belote::kQuitterButtonPicture) return DrawQuitterButton();
  if (f == belote::kSonButtonPicture) return DrawSonButton();
  return DrawAnimationButton();
}

// The whole set at one scale, under the names of the originals.
std::vector<Picture> DrawAll(int scale) {
  SetDrawScale(scale);
  std::vector<Picture> all;
  for (const belote::GamePictureFile& picture : belote::GamePictureFiles())
    all.push_back({QString::fromStdString(picture.file), Draw(picture, scale)});
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
    picture.file = QString::fromStdString(belote::HighDensityFile(picture.file.toStdString()));
    if (sharp.empty() || sharp.back().file != picture.file) sharp.push_back(std::move(picture));
  }
  return sharp;
}

}  // namespace artgen
