// The game's modal message boxes: plain boxes without icon under the
// application's title, placed by their top-left corner when the game asks
// for a place, and the confirmation box with its question mark.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "engine/TableWindow.h"

class QWidget;

namespace belote {

// Where a box opens: its corner at a place over the table, in the middle of
// the table, or in the middle of the screen. Always kept on the screen.
struct BoxSpot {
  enum class Kind { AtPlace, TableMiddle, ScreenMiddle };
  Kind kind = Kind::ScreenMiddle;
  BoxPlace place{0, 0};

  // In the middle of the screen.
  BoxSpot() = default;
  BoxSpot(std::nullopt_t) {}  // NOLINT(google-explicit-constructor): a place or none
  // Its corner at `place` over the table.
  BoxSpot(BoxPlace at) : kind(Kind::AtPlace), place(at) {}  // NOLINT(google-explicit-constructor)

  // At `place` over the table, or in the middle of the screen without one.
  static BoxSpot At(std::optional<BoxPlace> at) { return at ? BoxSpot(*at) : BoxSpot(); }
  static BoxSpot TableMiddle() {
    BoxSpot spot;
    spot.kind = Kind::TableMiddle;
    return spot;
  }
  static BoxSpot ScreenMiddle() { return {}; }
};

// Shows one modal box over the `parent` table window and returns its answer
// (kAnswerYes, kAnswerNo, kAnswerOk, or kAnswerClosed when it was closed
// without a button). `spokenText` is the box's words as a screen reader
// should say them, and `description` what it says beyond them: what is on
// the table that the player needs to answer.
int ShowTableMessage(QWidget* parent, const std::string& utf8Text, Buttons buttons, BoxSpot spot,
                     const QString& spokenText = QString(), const QString& description = QString());

// Stands in for the player at a table's boxes (tests, automation): given
// the box's text and buttons, it returns the answer a shown box would have.
// The table is built with it (TForm1Options) and then shows no box at all.
using MessageAnswerer = std::function<int(const std::string& text, Buttons)>;

}  // namespace belote
