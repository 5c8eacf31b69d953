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

// Shows one modal box and returns its answer (kAnswerYes, kAnswerNo,
// kAnswerOk, or kAnswerClosed when it was closed without a button). `place`
// is where the box's corner goes over the `parent` table window; the box is
// then kept on the screen. Without it the box is centred on the screen.
// `spokenText` is the box's words as a screen reader should say them, and
// `description` what it says beyond them: what is on the table that the
// player needs to answer.
int ShowTableMessage(QWidget* parent, const std::string& utf8Text, Buttons buttons,
                     std::optional<BoxPlace> place, const QString& spokenText = QString(),
                     const QString& description = QString());

// Stands in for the player at a table's boxes (tests, automation): given
// the box's text and buttons, it returns the answer a shown box would have.
// The table is built with it (TForm1Options) and then shows no box at all.
using MessageAnswerer = std::function<int(const std::string& text, Buttons)>;

}  // namespace belote
