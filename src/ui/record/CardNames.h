// What a screen reader says for the pictures on the table: the French name
// of a card, of a suit sign, or of an empty place (UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace belote {

inline constexpr char kEmptyPlaceName[] = "Emplacement vide";

// A suit's name as a screen reader should say it: "Coeur", "Carreau",
// "Pique", "Trèfle" (the table's own texts write it without its accent).
std::string SpokenSuitName(int suit);

// "As", "Roi" ... "Sept" for the rank of picture number 1..32.
std::string RankName(int picture);

// "As de Coeur", "Dix de Pique" ... for picture numbers 1..32, "Atout Coeur"
// ... for the suit signs 33..36; an empty text for any other number.
std::string PictureName(int picture);

// The name of what a picture file shows: "Im/7.Bmp" is "Huit de Coeur", the
// three empty-place files are "Emplacement vide". A file the game does not
// know gets an empty name rather than a wrong one.
std::string PictureFileName(std::string_view file);

}  // namespace belote
