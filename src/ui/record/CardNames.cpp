#include "ui/record/CardNames.h"

#include <charconv>

#include "model/Cards.h"

namespace belote {

namespace {

// By rank number: ace 1 down to seven 8.
const char* const kRankWords[9] = {"", "As", "Roi", "Dame", "Valet", "Dix", "Neuf", "Huit", "Sept"};

bool EndsWithBmp(std::string_view name) {
  if (name.size() < 4) return false;
  const std::string_view ext = name.substr(name.size() - 4);
  constexpr std::string_view kBmp = ".bmp";
  for (size_t i = 0; i < kBmp.size(); ++i) {
    const char c = ext[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != kBmp[i]) return false;
  }
  return true;
}

}  // namespace

std::string SpokenSuitName(int suit) {
  if (suit == kTrefle) return "Trèfle";
  return suit >= 1 && suit <= 3 ? kSuitNames[suit] : "";
}

std::string RankName(int picture) {
  return picture >= 1 && picture <= 32 ? kRankWords[RankOfPicture(picture)] : "";
}

std::string PictureName(int picture) {
  if (picture >= 1 && picture <= 32)
    return RankName(picture) + " de " + SpokenSuitName(SuitOfPicture(picture));
  if (const int suit = SuitOfSign(picture)) return "Atout " + SpokenSuitName(suit);
  return {};
}

std::string PictureFileName(std::string_view file) {
  // Only the last part counts, whichever way the folder is written.
  const size_t slash = file.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? file : file.substr(slash + 1);
  if (!EndsWithBmp(name)) return {};
  name.remove_suffix(4);
  if (name == "0" || name == "00") return kEmptyPlaceName;
  // A card is written without a leading zero; anything else is not ours.
  if (name.empty() || name.front() == '0') return {};
  int picture = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), picture);
  if (error != std::errc() || end != name.data() + name.size()) return {};
  return PictureName(picture);
}

}  // namespace belote
