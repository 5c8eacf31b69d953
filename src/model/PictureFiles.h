// Every picture the game reads from its Im folder, listed once: the table's
// layout, the about box, the loader, the start-up check of missing pictures
// and the art generator all read this one list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace belote {

// The pictures that are neither cards, suit signs nor empty places.
inline constexpr char kChooserPicture[] = "Im/Choix.Bmp";
inline constexpr char kAboutPicture[] = "Im/Apropos.Bmp";
inline constexpr char kAboutButtonPicture[] = "Im/Oui.Bmp";
inline constexpr char kIconPicture[] = "Im/Icone.png";
inline constexpr char kTapisButtonPicture[] = "Im/Tapis.Bmp";
inline constexpr char kAideButtonPicture[] = "Im/Aide.Bmp";
inline constexpr char kQuitterButtonPicture[] = "Im/Quitter.Bmp";
inline constexpr char kSonButtonPicture[] = "Im/Son.Bmp";
inline constexpr char kAnimationButtonPicture[] = "Im/Animation.Bmp";

enum class PictureKind {
  EmptyPlace,   // the three spellings of an empty place (see Cards.h)
  Card,         // picture numbers 1..32
  SuitSign,     // picture numbers 33..36
  Chooser,      // the suit chooser of the second round
  About,        // the about box's artwork
  AboutButton,  // the face of its button
  PanelButton,  // the small pictures of the control panel's buttons
  Icon,         // the window's icon
};

struct GamePictureFile {
  std::string file;  // relative to the game folder, "Im/7.Bmp"
  PictureKind kind;
  int number;  // picture number of a card or a suit sign, else 0
};

// Every picture file, the table's pictures first (the 32 cards, the empty
// places, the four suit signs, all 102 x 154), then the others; the box of
// missing pictures names them in this order.
const std::vector<GamePictureFile>& GamePictureFiles();

// Where the twice-sized copy of a picture lies, for high-density screens:
// beside its original, under the "@2x" suffix, as PNG. "Im/7.Bmp" gives
// "Im/7@2x.png"; both spellings of the played place give the same copy, as
// they name the same picture.
std::string HighDensityFile(std::string_view file);

// The cards and the suit signs share one shape: a white rounded rectangle of
// kCardWidth x kCardHeight table pixels whose one-pixel rim is centred half
// a pixel inside the picture, with corners of this radius.
inline constexpr int kCardWidth = 102;
inline constexpr int kCardHeight = 154;
inline constexpr double kCardCornerRadius = 7.0;

// The colour the cards, suit signs and empty places are drawn on. The game
// makes it see-through around their rims and corners, so that they lie on
// whatever cloth the player chooses; it need not be the cloth's colour.
inline constexpr unsigned kArtBackdropRgb = 0x008080;

}  // namespace belote
