// The table for players who do not use the mouse or do not see the screen:
// every picture, button and field carries a French name for screen readers,
// and the keys 1 to 8 play the cards of the hand.
#pragma once

#include <QString>

#include "engine/TableWindow.h"

class QKeyEvent;

namespace belote {

class TForm1;

// Names the controls of the table and of its options panel, and lets the
// keys 1 to 8 play the hand's cards exactly as clicks on them would.
void MakeTableAccessible(TForm1& form);

// The image now shows a picture called `name` (see CardNames.h). The human's
// table place also says again whose card it is, his name being known only
// once the options panel is accepted.
void NamePicture(TForm1& form, Control image, const QString& name);

// The hand slot a key press plays, 0 for none: the digits 1 to 8 of the top
// row or of the keypad, with Shift allowed (French keyboards need it for
// the top row) but not Ctrl, Alt or Meta.
int HandSlotOfKey(const QKeyEvent& key);

}  // namespace belote
