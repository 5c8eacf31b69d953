#include "model/PictureFiles.h"

#include "model/Cards.h"

namespace belote {

const std::vector<GamePictureFile>& GamePictureFiles() {
  static const std::vector<GamePictureFile> files = [] {
    std::vector<GamePictureFile> list;
    for (int picture = 1; picture <= 32; ++picture)
      list.push_back({PictureFile(picture), PictureKind::Card, picture});
    // The two played-place spellings differ only by the case of their
    // extension, which matters on this system: both files are needed.
    for (const char* empty : {kBlankHandFile, kPlayedSlotFile, kClearedPlaceFile})
      list.push_back({empty, PictureKind::EmptyPlace, 0});
    for (int sign = 33; sign <= 36; ++sign)
      list.push_back({PictureFile(sign), PictureKind::SuitSign, sign});
    list.push_back({kChooserPicture, PictureKind::Chooser, 0});
    list.push_back({kAboutPicture, PictureKind::About, 0});
    list.push_back({kAboutButtonPicture, PictureKind::AboutButton, 0});
    list.push_back({kIconPicture, PictureKind::Icon, 0});
    for (const char* button : {kTapisButtonPicture, kAideButtonPicture, kQuitterButtonPicture,
                               kSonButtonPicture, kAnimationButtonPicture})
      list.push_back({button, PictureKind::PanelButton, 0});
    return list;
  }();
  return files;
}

std::string HighDensityFile(std::string_view file) {
  const std::size_t slash = file.find_last_of('/');
  const std::size_t dot = file.find_last_of('.');
  const bool hasExtension =
      dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  return std::string(hasExtension ? file.substr(0, dot) : file) + "@2x.png";
}

}  // namespace belote
