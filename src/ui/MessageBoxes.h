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

// Answer of a box closed without any of its buttons (Escape, window close).
constexpr int kAnswerClosed = 2;
// Answer of the "OK" box; nobody reads it.
constexpr int kAnswerOk = 1;

// Shows one modal box and returns 6 for "&Oui", 7 for "&Non", 1 for "OK",
// 2 when the box was closed without a button. `pos` is the screen position of
// the box's top-left corner; without it the box is centred on the screen.
// `description` is what a screen reader says about the box beyond its words:
// what is on the table that the player needs to answer it.
int ShowTableMessage(QWidget* parent, const std::string& utf8Text, Buttons buttons,
                     std::optional<ScreenPos> pos, const QString& description = QString());

// Lets tests and automation answer boxes without showing them. While an
// answerer is set, ShowTableMessage returns its value and shows nothing;
// nullptr brings the real boxes back.
using MessageAnswerer = std::function<int(const std::string& text, Buttons)>;
void SetMessageAnswerer(MessageAnswerer answerer);

// The text shown when a points field does not hold a whole number.
std::string NotAWholeNumberText(const std::string& fieldText);

}  // namespace belote
