// The keys a player may use, and above all those he must not play a card
// with by accident: the screen reader's own keys, the number pad's signs.
#include <gtest/gtest.h>

#include "ui/commands/Commands.h"

namespace belote {
namespace {

struct Case {
  KeyPlace place;
  int key;
  Qt::KeyboardModifiers modifiers;
  Order order;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

TEST(Keys, EachKeyOrdersWhatTheReadmeSays) {
  const Case cases[] = {
      // The hand's cards: top row digits (with Shift on a French keyboard),
      // the number pad, the French top row without Shift.
      {KeyPlace::Table, Qt::Key_1, kNone, {Command::PlayCard, 1}},
      {KeyPlace::Card, Qt::Key_8, Qt::ShiftModifier, {Command::PlayCard, 8}},
      {KeyPlace::Button, Qt::Key_6, kPad, {Command::PlayCard, 6}},
      {KeyPlace::Table, Qt::Key_Ampersand, kNone, {Command::PlayCard, 1}},
      {KeyPlace::Table, Qt::Key_Minus, kNone, {Command::PlayCard, 6}},
      {KeyPlace::Table, Qt::Key_Underscore, kNone, {Command::PlayCard, 8}},
      {KeyPlace::Card, Qt::Key_Left, kNone, {Command::PreviousCard, 0}},
      {KeyPlace::Card, Qt::Key_Down, kNone, {Command::NextCard, 0}},
      {KeyPlace::Card, Qt::Key_Return, kNone, {Command::PlayFocusedCard, 0}},
      {KeyPlace::Card, Qt::Key_Space, kNone, {Command::PlayFocusedCard, 0}},
      {KeyPlace::Button, Qt::Key_Return, kNone, {Command::PressButton, 0}},
      {KeyPlace::OptionsPanel, Qt::Key_Return, kNone, {Command::Accept, 0}},
      // The review keys, from the hand or the table.
      {KeyPlace::Card, Qt::Key_M, kNone, {Command::ReviewHand, 0}},
      {KeyPlace::Table, Qt::Key_P, kNone, {Command::ReviewTrick, 0}},
      {KeyPlace::Table, Qt::Key_D, kNone, {Command::ReviewLastTrick, 0}},
      {KeyPlace::Table, Qt::Key_S, kNone, {Command::ReviewScores, 0}},
      {KeyPlace::Table, Qt::Key_A, kNone, {Command::ReviewTrump, 0}},
      {KeyPlace::Table, Qt::Key_J, kNone, {Command::ReviewPlayable, 0}},
      {KeyPlace::Table, Qt::Key_R, kNone, {Command::RepeatNews, 0}},
      // The suit chooser: 1 to 4 however typed, the arrows, Escape passes.
      {KeyPlace::Chooser, Qt::Key_3, kPad, {Command::ChooseTile, 3}},
      {KeyPlace::Chooser, Qt::Key_Eacute, kNone, {Command::ChooseTile, 2}},
      {KeyPlace::Chooser, Qt::Key_Escape, kNone, {Command::ChooseTile, 0}},
      {KeyPlace::Chooser, Qt::Key_Right, kNone, {Command::NextTile, 0}},
      {KeyPlace::Chooser, Qt::Key_Space, kNone, {Command::PressFocusedTile, 0}},
  };
  for (const Case& c : cases) {
    KeyReader keys;
    EXPECT_EQ(keys.Press(c.place, c.key, c.modifiers, false), c.order)
        << "key " << std::hex << c.key << " at place " << static_cast<int>(c.place);
  }
}

TEST(Keys, NothingElsePlaysACard) {
  const Case cases[] = {
      // The number pad's minus is not the top row's: it is not card 6.
      {KeyPlace::Table, Qt::Key_Minus, kPad, {}},
      // The number pad's Enter is the screen reader's "where am I".
      {KeyPlace::Card, Qt::Key_Enter, kPad, {}},
      {KeyPlace::Chooser, Qt::Key_Enter, kPad, {}},
      {KeyPlace::OptionsPanel, Qt::Key_Enter, kPad, {}},
      // With Num Lock off the pad's digits are the reader's review keys.
      {KeyPlace::Card, Qt::Key_Left, kPad, {}},
      {KeyPlace::Chooser, Qt::Key_Up, kPad, {}},
      // The desktop's and the reader's modifiers.
      {KeyPlace::Table, Qt::Key_1, Qt::ControlModifier, {}},
      {KeyPlace::Table, Qt::Key_1, Qt::AltModifier, {}},
      {KeyPlace::Chooser, Qt::Key_1, Qt::MetaModifier, {}},
      {KeyPlace::Table, Qt::Key_M, Qt::ControlModifier, {}},
      // Digits beyond the hand or the chooser, and keys of a field.
      {KeyPlace::Table, Qt::Key_9, kNone, {}},
      {KeyPlace::Chooser, Qt::Key_5, kNone, {}},
      {KeyPlace::Field, Qt::Key_1, kNone, {}},
      {KeyPlace::Field, Qt::Key_M, kNone, {}},
      {KeyPlace::OptionsPanel, Qt::Key_1, kNone, {}},
      // Arrows and Return away from a card do not play one.
      {KeyPlace::Table, Qt::Key_Return, kNone, {}},
      {KeyPlace::Table, Qt::Key_Left, kNone, {}},
  };
  for (const Case& c : cases) {
    KeyReader keys;
    EXPECT_EQ(keys.Press(c.place, c.key, c.modifiers, false).command, Command::None)
        << "key " << std::hex << c.key << " at place " << static_cast<int>(c.place);
  }
}

TEST(Keys, ScreenReaderModifierAndHeldKeysPlayNothing) {
  for (int modifier : {Qt::Key_Insert, Qt::Key_CapsLock}) {
    KeyReader keys;
    EXPECT_EQ(keys.Press(KeyPlace::Card, modifier, kNone, false).command, Command::None);
    EXPECT_EQ(keys.Press(KeyPlace::Card, Qt::Key_2, kNone, false).command, Command::None);
    EXPECT_EQ(keys.Press(KeyPlace::Card, Qt::Key_Space, kNone, false).command, Command::None);
    keys.Release(modifier);
    EXPECT_EQ(keys.Press(KeyPlace::Card, Qt::Key_2, kNone, false), (Order{Command::PlayCard, 2}));
  }
  // While a screen reader listens the number pad is its own, digits too.
  KeyReader listened;
  listened.SetReaderListening(true);
  EXPECT_EQ(listened.Press(KeyPlace::Card, Qt::Key_3, kPad, false).command, Command::None);
  EXPECT_EQ(listened.Press(KeyPlace::Chooser, Qt::Key_2, kPad, false).command, Command::None);
  EXPECT_EQ(listened.Press(KeyPlace::Card, Qt::Key_3, kNone, false), (Order{Command::PlayCard, 3}));
  // A key held down plays its card once; the arrows go on walking.
  KeyReader keys;
  EXPECT_EQ(keys.Press(KeyPlace::Card, Qt::Key_3, kNone, true).command, Command::None);
  EXPECT_EQ(keys.Press(KeyPlace::Chooser, Qt::Key_1, kNone, true).command, Command::None);
  EXPECT_EQ(keys.Press(KeyPlace::Card, Qt::Key_Right, kNone, true).command, Command::NextCard);
  EXPECT_TRUE(OnlySpeaks(Command::ReviewScores));
  EXPECT_FALSE(OnlySpeaks(Command::PlayCard));
}

}  // namespace
}  // namespace belote
