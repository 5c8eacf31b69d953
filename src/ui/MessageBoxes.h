// The game's modal message boxes: plain boxes without icon under the
// application's title, placed by their top-left corner when the game asks
// for a place, and the confirmation box with its question mark.
#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "engine/TableWindow.h"

class QWidget;

namespace belote {

// Answer of a box closed without any of its buttons (Escape, window close).
constexpr int kAnswerClosed = 2;
// Answer of the "OK" box; nobody reads it.
constexpr int kAnswerOk = 1;

// Shows one modal box and returns 6 for "&Oui", 7 for "&Non", 1 for "OK",
// 2 when the box was closed without a button. `pos` is where the box's
// top-left corner goes, counted from the top-left corner of the `parent`
// table window, whose boxes were placed for a table at the screen's corner;
// the box is then kept on the screen. Without it the box is centred on the
// screen.
// `description` is what a screen reader says about the box beyond its words:
// what is on the table that the player needs to answer it.
int ShowTableMessage(QWidget* parent, const std::string& utf8Text, Buttons buttons,
                     std::optional<ScreenPos> pos, const QString& description = QString());

// Stands in for the player at a table's boxes (tests, automation): given
// the box's text and buttons, it returns the answer a shown box would have.
// The table is built with it (TForm1Options) and then shows no box at all.
using MessageAnswerer = std::function<int(const std::string& text, Buttons)>;

// The text shown when a points field does not hold a whole number. It
// quotes at most `quoted` characters of the field (kQuotedCharacters unless
// the screen is too narrow even for those), so that the box fits on the
// screen whatever was pasted into it.
inline constexpr std::size_t kQuotedCharacters = 60;
std::string NotAWholeNumberText(const std::string& fieldText,
                                std::size_t quoted = kQuotedCharacters);

}  // namespace belote
