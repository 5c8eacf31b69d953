#include "ui/commands/Commands.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace belote {

namespace {

// Whether a key must come from the number pad.
enum class Pad { Either, Never };

struct Binding {
  KeyPlace place;
  int key;
  Pad pad;
  Command command;
  int arg;
};

// The review keys: single letters, heard from the hand or the table.
struct ReviewKey {
  int key;
  Command command;
  const char* words;
};
constexpr ReviewKey kReviewKeys[] = {
    {Qt::Key_M, Command::ReviewHand, "M votre main"},
    {Qt::Key_P, Command::ReviewTrick, "P le pli en cours"},
    {Qt::Key_D, Command::ReviewLastTrick, "D le dernier pli"},
    {Qt::Key_S, Command::ReviewScores, "S les scores"},
    {Qt::Key_A, Command::ReviewTrump, "A l'atout et les enchères"},
    {Qt::Key_J, Command::ReviewPlayable, "J les cartes jouables"},
    {Qt::Key_R, Command::RepeatNews, "R répéter la dernière nouvelle"},
};

constexpr int kFrenchTopRow[8] = {Qt::Key_Ampersand,  Qt::Key_Eacute,    Qt::Key_QuoteDbl,
                                  Qt::Key_Apostrophe, Qt::Key_ParenLeft, Qt::Key_Minus,
                                  Qt::Key_Egrave,     Qt::Key_Underscore};

std::vector<Binding> MakeBindings() {
  std::vector<Binding> b;
  // The hand's cards from the table and from a card: the digits of the top
  // row (with Shift on a French keyboard) or of the number pad, and the top
  // row of a French keyboard without Shift.
  for (KeyPlace place : {KeyPlace::Table, KeyPlace::Card, KeyPlace::Button}) {
    for (int slot = 1; slot <= 8; ++slot) {
      b.push_back({place, Qt::Key_1 + slot - 1, Pad::Either, Command::PlayCard, slot});
      b.push_back({place, kFrenchTopRow[slot - 1], Pad::Never, Command::PlayCard, slot});
    }
    for (const ReviewKey& r : kReviewKeys) b.push_back({place, r.key, Pad::Never, r.command, 0});
  }
  for (int key : {Qt::Key_Left, Qt::Key_Up})
    b.push_back({KeyPlace::Card, key, Pad::Never, Command::PreviousCard, 0});
  for (int key : {Qt::Key_Right, Qt::Key_Down})
    b.push_back({KeyPlace::Card, key, Pad::Never, Command::NextCard, 0});
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
    b.push_back({KeyPlace::Card, key, Pad::Never, Command::PlayFocusedCard, 0});

  for (int key : {Qt::Key_Return, Qt::Key_Enter})
    b.push_back({KeyPlace::Button, key, Pad::Never, Command::PressButton, 0});
  for (int key : {Qt::Key_Return, Qt::Key_Enter})
    b.push_back({KeyPlace::OptionsPanel, key, Pad::Never, Command::Accept, 0});

  // The chooser's tiles, left to right: Coeur, Carreau, Pique, Trefle.
  for (int suit = 1; suit <= 4; ++suit) {
    b.push_back({KeyPlace::Chooser, Qt::Key_1 + suit - 1, Pad::Either, Command::ChooseTile, suit});
    b.push_back(
        {KeyPlace::Chooser, kFrenchTopRow[suit - 1], Pad::Never, Command::ChooseTile, suit});
  }
  b.push_back({KeyPlace::Chooser, Qt::Key_Escape, Pad::Never, Command::ChooseTile, 0});
  for (int key : {Qt::Key_Left, Qt::Key_Up})
    b.push_back({KeyPlace::Chooser, key, Pad::Never, Command::PreviousTile, 0});
  for (int key : {Qt::Key_Right, Qt::Key_Down})
    b.push_back({KeyPlace::Chooser, key, Pad::Never, Command::NextTile, 0});
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
    b.push_back({KeyPlace::Chooser, key, Pad::Never, Command::PressFocusedTile, 0});

  // The help page, read line by line with the arrows; H and Shift+H go from
  // heading to heading, Escape closes it.
  b.push_back({KeyPlace::HelpPage, Qt::Key_H, Pad::Never, Command::NextHeading, 0});
  b.push_back({KeyPlace::HelpPage, Qt::Key_Escape, Pad::Never, Command::CloseWindow, 0});
  return b;
}

const std::vector<Binding>& Bindings() {
  static const std::vector<Binding> bindings = MakeBindings();
  return bindings;
}

bool IsReaderModifier(int key) {
  return key == Qt::Key_Insert || key == Qt::Key_CapsLock;
}

// Orders a key held down may repeat: walking along the cards or the tiles.
bool Repeats(Command c) {
  return c == Command::PreviousCard || c == Command::NextCard || c == Command::PreviousTile ||
         c == Command::NextTile || c == Command::NextHeading;
}

}  // namespace

bool OnlySpeaks(Command c) {
  return std::any_of(std::begin(kReviewKeys), std::end(kReviewKeys),
                     [c](const ReviewKey& r) { return r.command == c; });
}

int FrenchTopRowPlace(int qtKey) {
  const int* at = std::find(std::begin(kFrenchTopRow), std::end(kFrenchTopRow), qtKey);
  return at == std::end(kFrenchTopRow) ? 0 : static_cast<int>(at - std::begin(kFrenchTopRow)) + 1;
}

Order KeyReader::Press(KeyPlace place, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
  if (IsReaderModifier(key)) {
    readerKeyHeld_ = true;
    return {};
  }
  if (readerKeyHeld_) return {};
  // Shift is needed for the digits of a French keyboard's top row; Ctrl,
  // Alt and Meta belong to the desktop and the screen reader.
  if ((modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier) return {};
  const bool pad = (modifiers & Qt::KeypadModifier) != 0;
  if (pad && readerListening_) return {};
  for (const Binding& b : Bindings()) {
    if (b.place != place || b.key != key || (pad && b.pad == Pad::Never)) continue;
    if (autoRepeat && !Repeats(b.command)) return {};
    // Shift turns the way through the headings back.
    if (b.command == Command::NextHeading && (modifiers & Qt::ShiftModifier))
      return {Command::PreviousHeading, 0};
    return {b.command, b.arg};
  }
  return {};
}

void KeyReader::Release(int key) {
  if (IsReaderModifier(key)) readerKeyHeld_ = false;
}

std::string ChooserKeysDescription() {
  return "Touches : 1 Coeur, 2 Carreau, 3 Pique, 4 Trèfle, Échap pour passer ; ou les flèches "
         "puis Entrée.";
}

std::string TableKeysDescription() {
  std::string words =
      "Touches : 1 à 8 jouent vos cartes de gauche à droite, les flèches passent d'une carte à "
      "l'autre, Entrée ou Espace joue la carte choisie. Pour réentendre : ";
  for (const ReviewKey& r : kReviewKeys) {
    words += r.words;
    words += r.command == Command::RepeatNews ? "." : ", ";
  }
  return words;
}

}  // namespace belote
