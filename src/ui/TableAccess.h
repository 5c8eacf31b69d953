// The table for players who do not use the mouse or do not see the screen:
// every picture, button and field carries a French name for screen readers,
// the keys 1 to 8 play the cards of the hand, the arrows walk along it and
// Return plays the card that has the keyboard.
#pragma once

#include <QString>

#include "engine/TableWindow.h"

class QKeyEvent;
class QWidget;

namespace belote {

class TForm1;

// Names the controls of the table and of its options panel, and lets the
// keyboard play the hand's cards exactly as clicks on them would.
void MakeTableAccessible(TForm1& form);

// Lets go of the table's keys and announcements before its widgets are
// taken down: the watchers ask the table for its cards, which a table
// half destroyed no longer has.
void ForgetTableAccess(TForm1& form);

// The image now shows a picture called `name` (see CardNames.h). A hand
// card's name starts with the key that plays it ("1, As de Coeur"). The
// human's table place also says again whose card it is.
void NamePicture(TForm1& form, Control image, const QString& name);

// The plain name of what an image shows, without the key of a hand card.
QString CardNameOf(TForm1& form, Control image);

// Gives the keyboard to the hand when it is elsewhere than on a card: to
// the card it was on, or the nearest card still in the hand.
void FocusHand(TForm1& form);

// The hand slot a key press plays, 0 for none: the digits 1 to 8 of the top
// row or of the keypad, with Shift allowed (French keyboards need it for
// the top row) but not Ctrl, Alt or Meta, and the unshifted keys of a
// French keyboard's top row.
int HandSlotOfKey(const QKeyEvent& key);

// The place 1..8 of a key on a French keyboard's top row without Shift
// (& é " ' ( - è _), 0 for any other key.
int FrenchTopRowSlot(int qtKey);

}  // namespace belote
