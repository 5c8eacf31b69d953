// Whole games played from a stream of bytes, as a player at the table could
// play them: clicks on any of the eight hand images (refused cards and
// emptied slots included), glides ended by the timer, answers to every box,
// presses anywhere on the suit chooser, the sound and animation switched
// between cards and odd points targets set between deals. Every deal is
// checked against the rules as it is played, and the table is checked after
// every action; the first fault stops the run with its reason on stderr.
//
// The bytes are read from the front, one action or answer at a time:
//   action byte a, by a % 16:
//     0..7   click hand image a % 16 + 1
//     8      click the slot given by the next byte, read as a signed number
//     9, 10  the timer ends the glide in progress (if any)
//     11     switch the animation (its box lets a glide in progress end first)
//     12     switch the sound
//     13     points target from the next three bytes, -10..100000, between deals
//     14, 15 click the first card the rules accept, from slot (next byte % 8) + 1
//   a box answer: one byte, b % 8: 0..3 Oui (6), 4, 5 Non (7), 6, 7 closed (0)
//   a press on the suit chooser: two bytes, x from -10 to 400
//   the shuffle's clock: the first two bytes of the input; then the human's
//   name: a length byte (n % 24 letters) and one byte for each letter
// When the bytes run out the window closes and the engine unwinds.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "DealChecker.h"
#include "engine/Bidding.h"
#include "engine/CardRules.h"
#include "engine/PlayStep.h"
#include "engine/TableWindow.h"
#include "model/TableState.h"

namespace {

using namespace belote;

// Bounds on one input, so that every run ends quickly whatever the bytes say.
constexpr int kMaxActions = 300;
constexpr int kMaxShuffles = 8;
constexpr int kMaxPressesPerChooser = 64;
// Far more waits than the shuffles above can ask for: beyond this the engine
// is running on without ever coming back to the player.
constexpr long kMaxWaits = 20000;

[[noreturn]] void Breach(const std::string& what) {
  std::fprintf(stderr, "belote_fuzz_game: %s\n", what.c_str());
  __builtin_trap();
}

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::optional<std::uint8_t> Next() {
    if (pos_ >= size_) return std::nullopt;
    return data_[pos_++];
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// The card table with nothing on screen: boxes and the suit chooser are
// answered from the bytes, and running out of them closes the window.
class FuzzTable : public HeadlessTable {
 public:
  FuzzTable(TableState& s, Bytes& bytes) : s_(s), bytes_(bytes) {}

  void Close() { closing_ = true; }
  bool QuitCalled() const { return quit_; }

  void Pause() override { CountWait(); }
  int MessageBox(Box, const std::string&, Buttons, std::optional<BoxPlace>) override {
    CountWait();
    const auto b = bytes_.Next();
    if (!b) {
      closing_ = true;
      return 0;
    }
    switch (*b % 8) {
      case 4:
      case 5:
        return kAnswerNo;
      case 6:
      case 7:
        return 0;  // the box closed without a button
      default:
        return kAnswerYes;
    }
  }
  void RunSuitChooser() override {
    CountWait();
    for (int n = 0; n < kMaxPressesPerChooser; ++n) {
      const auto hi = bytes_.Next();
      const auto lo = bytes_.Next();
      if (!hi || !lo) break;
      const int x = (*hi << 8 | *lo) % 411 - 10;
      if (SuitChooserPress(s_, *this, x)) return;
    }
    closing_ = true;
  }
  void Quit() override {
    quit_ = true;
    closing_ = true;
  }
  bool Closing() const override { return closing_; }

 private:
  void CountWait() {
    if (++waits_ > kMaxWaits) Breach("the engine never came back to the player");
  }

  TableState& s_;
  Bytes& bytes_;
  bool closing_ = false;
  bool quit_ = false;
  long waits_ = 0;
};

class InputClock : public SecondsClock {
 public:
  explicit InputClock(std::int64_t start) : next_(start) {}
  std::int64_t Now() override { return next_++; }

 private:
  std::int64_t next_;
};

// Follows the play after the rule checks: counts shuffles to bound the run,
// and keeps the scores as each deal credited them.
class Watcher : public PlayObserver {
 public:
  Watcher(const TableState& s, FuzzTable& table) : s_(s), table_(table) {}

  void DealStarting() override {
    if (++shuffles_ > kMaxShuffles) table_.Close();
  }
  void HandsReady() override { handsDealt_ = true; }
  void CardPlayed(int seat, int, int, int, bool) override {
    if (seat == 1) ++humanCards_;
  }
  void DealScored() override {
    scored_ = true;
    for (int seat = 1; seat <= 4; ++seat) scores_[seat] = s_.GameScore[seat];
    winner_ = s_.GameWinner;
    if (winner_ != 0) ++gamesWon_;
  }

  bool handsDealt_ = false;
  int humanCards_ = 0;
  bool scored_ = false;
  std::int64_t scores_[5] = {};
  int winner_ = 0;
  int shuffles_ = 0;
  int gamesWon_ = 0;

 private:
  const TableState& s_;
  FuzzTable& table_;
};

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

int HumanCardsInHand(const TableState& s) {
  int n = 0;
  for (int slot = 1; slot <= 8; ++slot) n += s.SlotCard[1][slot] != 0 ? 1 : 0;
  return n;
}

class Driver {
 public:
  Driver(const std::uint8_t* data, std::size_t size)
      : bytes_(data, size),
        table_(s_, bytes_),
        clock_(0),
        watcher_(s_, table_),
        checker_(
            s_, [this] { table_.Close(); }, selfplay::HumanMode::Random, watcher_),
        g_{s_, table_, clock_, {&checker_}} {}

  void Run() {
    const auto hi = bytes_.Next();
    const auto lo = bytes_.Next();
    if (!hi || !lo) return;
    clock_ = InputClock(1'700'000'000 + (*hi << 8 | *lo));

    // What the options panel leaves behind when its start button is pressed.
    s_.TargetScore = 2500;
    s_.HumanName = TypedName();
    s_.CurRow = 0;
    Act(
        [this] {
          PlayStep(g_);
          return true;
        },
        "the first play step");

    int actions = 0;
    for (; actions < kMaxActions && !table_.Closing(); ++actions) {
      const auto a = bytes_.Next();
      if (!a) break;
      Action(*a);
    }
    // How far an input got, for judging the seeds.
    if (std::getenv("BELOTE_FUZZ_TRACE") != nullptr) {
      std::fprintf(stderr, "shuffles=%d human-cards=%d actions=%d games-won=%d quit=%d\n",
                   watcher_.shuffles_, watcher_.humanCards_, actions, watcher_.gamesWon_,
                   table_.QuitCalled() ? 1 : 0);
    }
  }

 private:
  // The name as typed in the options panel: plain and accented letters,
  // spaces and signs, as many as the player likes.
  std::string TypedName() {
    static constexpr const char* kLetters[] = {"A", "b", "Z", "é", "Ç", "ê", " ", "-",
                                               "'", "0", "ß", "œ", "€", "ñ", "x", "?"};
    std::string name;
    const auto length = bytes_.Next();
    for (int n = 0; length && n < *length % 24; ++n) {
      const auto b = bytes_.Next();
      if (!b) break;
      name += kLetters[*b % std::size(kLetters)];
    }
    return name;
  }

  void Action(std::uint8_t a) {
    const int op = a % 16;
    if (op <= 7) return Click(op + 1);
    switch (op) {
      case 8: {
        const auto b = bytes_.Next();
        if (b) Click(static_cast<std::int8_t>(*b));
        return;
      }
      case 9:
      case 10:
        return EndGlide();
      case 11:
        // The switch shows a box, and the timer ends the glide meanwhile.
        EndGlide();
        s_.AnimationOn = s_.AnimationOn == 1 ? 0 : 1;
        return;
      case 12:
        s_.SoundOn = s_.SoundOn == 1 ? 0 : 1;
        return;
      case 13:
        return SetTarget();
      default:
        return ClickFirstLegal();
    }
  }

  void Click(int slot) {
    const int rowBefore = s_.CurRow;
    const bool holdsCard = InRange(slot, 1, 8) && s_.SlotCard[1][slot] != 0;
    const bool gliding = s_.AnimationOn == 1;
    const int cardsBefore = watcher_.humanCards_;
    const bool accepted = Act([&] { return HandImageClick(g_, slot); }, "a click");
    if (!accepted) {
      if (s_.CurRow != rowBefore) Breach("a refused click changed the card to play");
      return;
    }
    if (gliding) {
      if (watcher_.humanCards_ != cardsBefore) Breach("a card was played before its glide ended");
      glide_ = true;
      return;
    }
    ExpectCardPlayed(holdsCard, cardsBefore, "an accepted click");
  }

  // What the window's timer does when the human's card reaches the table.
  void EndGlide() {
    if (!glide_) return;
    glide_ = false;
    if (!InRange(s_.CurRow, 1, 8)) Breach("a glide ended on slot " + std::to_string(s_.CurRow));
    if (s_.SlotCard[1][s_.CurRow] == 0) return;
    const int cardsBefore = watcher_.humanCards_;
    Act(
        [this] {
          PlayStep(g_);
          return true;
        },
        "the end of a glide");
    ExpectCardPlayed(true, cardsBefore, "the end of a glide");
  }

  // A card the player chose is played at once; an emptied slot plays nothing.
  void ExpectCardPlayed(bool card, int cardsBefore, const char* what) {
    if (table_.Closing()) return;
    const int played = watcher_.humanCards_ - cardsBefore;
    if (played != (card ? 1 : 0)) {
      Breach(std::string(what) + (card ? " played no card" : " on an emptied slot played a card"));
    }
  }

  void ClickFirstLegal() {
    const auto b = bytes_.Next();
    if (!b) return;
    for (int k = 0; k < 8; ++k) {
      const int slot = (*b + k) % 8 + 1;
      if (s_.SlotCard[1][slot] != 0 && IsLegalHumanCard(s_, slot)) return Click(slot);
    }
  }

  // The points field can be changed at any time; a fresh deal, before the
  // human's first card, is where it matters most.
  void SetTarget() {
    std::uint32_t v = 0;
    for (int k = 0; k < 3; ++k) {
      const auto b = bytes_.Next();
      if (!b) return;
      v = v << 8 | *b;
    }
    if (s_.TrickNo == 1 && HumanCardsInHand(s_) == 8) {
      s_.TargetScore = static_cast<int>(v % 100011) - 10;
    }
  }

  // Runs one action of the player and checks the table after it; returns
  // what the action returns (whether a click was accepted).
  bool Act(const std::function<bool()>& action, const char* what) {
    std::int64_t scoresBefore[5];
    for (int seat = 1; seat <= 4; ++seat) scoresBefore[seat] = s_.GameScore[seat];
    const int humanCardsBefore = watcher_.humanCards_;
    watcher_.scored_ = false;
    const bool result = action();
    if (!checker_.Breach().empty()) Breach(checker_.Breach());
    CheckTable(what, scoresBefore, humanCardsBefore);
    return result;
  }

  void CheckTable(const char* what, const std::int64_t (&scoresBefore)[5], int humanCardsBefore) {
    const std::string after = std::string(" after ") + what;
    const struct {
      const char* name;
      int value, low, high;
    } fields[] = {
        {"CurRow", s_.CurRow, 0, 8},         {"CurSeatIdx", s_.CurSeatIdx, 0, 3},
        {"TrickNo", s_.TrickNo, 0, 9},       {"TrickHolder", s_.TrickHolder, 0, 4},
        {"BestCard", s_.BestCard, 0, 32},    {"LedBest", s_.LedBest, 0, 32},
        {"LedCard", s_.LedCard, 0, 32},      {"HighCard", s_.HighCard, 0, 32},
        {"Taker", s_.Taker, 0, 4},           {"TrumpSuit", s_.TrumpSuit, 0, 4},
        {"GameWinner", s_.GameWinner, 0, 4}, {"TrickPoints", s_.TrickPoints, 0, 152},
    };
    for (const auto& f : fields) {
      if (!InRange(f.value, f.low, f.high)) {
        Breach(std::string(f.name) + " is " + std::to_string(f.value) + after);
      }
    }
    // Before the first hand is dealt out the trick has not been set up.
    if (watcher_.handsDealt_ && !InRange(s_.TrickPos, 1, 4)) {
      Breach("TrickPos is " + std::to_string(s_.TrickPos) + after);
    }
    for (int seat = 1; seat <= 4; ++seat) {
      for (int slot = 1; slot <= 8; ++slot) {
        if (!InRange(s_.SlotCard[seat][slot], 0, 32)) {
          Breach("seat " + std::to_string(seat) + " slot " + std::to_string(slot) + " holds " +
                 std::to_string(s_.SlotCard[seat][slot]) + after);
        }
      }
    }
    if (watcher_.humanCards_ - humanCardsBefore > 1) Breach("the human played twice" + after);

    // Scores move only when a deal is credited, or back to zero for a new game.
    for (int seat = 1; seat <= 4; ++seat) {
      const std::int64_t now = s_.GameScore[seat];
      const bool ok = !watcher_.scored_
                          ? now == scoresBefore[seat]
                          : now == watcher_.scores_[seat] || (watcher_.winner_ != 0 && now == 0);
      if (!ok) {
        Breach("seat " + std::to_string(seat) + "'s score went from " +
               std::to_string(scoresBefore[seat]) + " to " + std::to_string(now) + after);
      }
    }

    if (table_.Closing()) return;
    // Back with the player: it is the human's turn, in a deal under way, with
    // one card for each trick still to play and at least one the rules allow.
    if (s_.CurSeatIdx != 0)
      Breach("seat " + std::to_string(s_.CurSeatIdx + 1) + " to play" + after);
    if (!InRange(s_.TrickNo, 1, 8)) Breach("TrickNo is " + std::to_string(s_.TrickNo) + after);
    const int cards = HumanCardsInHand(s_);
    if (cards != 9 - s_.TrickNo) {
      Breach("the human holds " + std::to_string(cards) + " cards in trick " +
             std::to_string(s_.TrickNo) + after);
    }
    bool canPlay = false;
    for (int slot = 1; slot <= 8; ++slot) {
      canPlay = canPlay || (s_.SlotCard[1][slot] != 0 && IsLegalHumanCard(s_, slot));
    }
    if (!canPlay) Breach("the human has no card the rules allow" + after);
  }

  TableState s_;
  Bytes bytes_;
  FuzzTable table_;
  InputClock clock_;
  Watcher watcher_;
  selfplay::DealChecker checker_;
  Game g_;
  bool glide_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Driver(data, size).Run();
  return 0;
}
