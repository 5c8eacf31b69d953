// Every order a player gives from the keyboard, declared once: where the
// keyboard must be, the keys that give it, and the words that name it. The
// table, the suit chooser and the boxes ask here what a key means; the
// README, the help page and the table's description list the same keys.
#pragma once

#include <QtCore/qnamespace.h>

#include <string>

namespace belote {

enum class Command {
  None,
  PlayCard,         // the card of hand slot `arg` 1..8
  PreviousCard,     // the keyboard to the card on the left, wrapping round
  NextCard,         // ... on the right
  PlayFocusedCard,  // the card that has the keyboard
  ChooseTile,       // the suit chooser's tile of suit `arg` 1..4, 0 the pass tile
  PreviousTile,
  NextTile,
  PressFocusedTile,
  Accept,       // the options panel: DACCORD, or the panel's button that has the keyboard
  PressButton,  // a button of the table that has the keyboard
  ReviewHand,   // hear again: the hand
  ReviewTrick,  // the trick being played
  ReviewLastTrick,
  ReviewScores,
  ReviewTrump,     // the trump and the taker, or the bidding so far
  ReviewPlayable,  // the cards the rules let the player play now
  RepeatNews,      // the last news again
  NextHeading,     // the help page: to the next heading
  PreviousHeading,
  CloseWindow,  // the help page's window
};

// Orders that only speak: they change nothing in the game, and the table
// takes them even while the computer players think.
bool OnlySpeaks(Command c);

struct Order {
  Command command = Command::None;
  int arg = 0;
  bool operator==(const Order&) const = default;
};

// Where the keyboard is when a key is pressed.
enum class KeyPlace {
  Table,         // the table itself, a card not in hand, nothing of its own
  Card,          // one of the hand's cards
  Button,        // a button of the table's control panel
  Field,         // a text field of the table: its keys are its own
  OptionsPanel,  // the options panel shown at start (not its name or points field)
  Chooser,       // the suit chooser of the second round
  HelpPage,      // the game's own window showing the help page
};

// Reads the keys one after the other. The keys a screen reader keeps for
// itself never give an order: the number pad's Enter and arrows, the whole
// number pad while a screen reader listens (its review keys, which a stray
// key can slip past it), and any key pressed while Insert or Caps Lock, the
// reader's own modifier, is held down.
class KeyReader {
 public:
  // Whether a screen reader listens to the game now.
  void SetReaderListening(bool listening) { readerListening_ = listening; }

  // The order of a key pressed at `place`; Command::None when it gives none
  // there. A key held down gives its order once.
  Order Press(KeyPlace place, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
  // A key let go.
  void Release(int key);
  // The keyboard went elsewhere: no key is held any more.
  void Forget() { readerKeyHeld_ = false; }

 private:
  bool readerKeyHeld_ = false;
  bool readerListening_ = false;
};

// The place 1..8 of a key on a French keyboard's top row without Shift
// (& é " ' ( - è _), 0 for any other key.
int FrenchTopRowPlace(int qtKey);

// The captions of the boxes' buttons; the letter after "&" is the key that
// presses the button with Alt.
inline constexpr char kYesCaption[] = "&Oui";
inline constexpr char kNoCaption[] = "&Non";
inline constexpr char kOkCaption[] = "OK";

// The keys of the table in words, for its accessible description.
std::string TableKeysDescription();
// The suit chooser's keys in words, for its accessible description.
std::string ChooserKeysDescription();

}  // namespace belote
