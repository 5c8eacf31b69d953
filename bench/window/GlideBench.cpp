// Plays a few tricks on the real card table with the animation on and the
// real half-second pauses, and times every tick of the animation timer while
// cards glide: how regular the ticks come, and how long one tick keeps the
// table busy. A glide stutters when a tick's own work runs past the next
// tick, so that figure is the one to watch.
//
//   glide_bench [--cards N] [--check]
//
// --check ends with a failure when a glide did not take its usual number of
// ticks, or when the timer was still running while the table waited for the
// human. How long a tick takes is printed, never judged: on a shared, busy
// machine (the test run itself) a tick can be held up by others' work.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "GlideClock.h"
#include "engine/CardRules.h"
#include "engine/ChooserBands.h"
#include "ui/boxes/MessageBoxes.h"
#include "ui/table/Unit1.h"

using belote::bench::GlideClock;
using belote::bench::GlideKind;
using belote::bench::Spread;
using belote::bench::SpreadOf;

namespace {

// The human's card rises in ten ticks, a computer card slides in twelve.
constexpr int kHumanGlideTicks = 10;
constexpr int kComputerGlideTicks = 12;
// No single card may take longer than this to be played out.
constexpr qint64 kCardTimeoutMs = 60000;

struct Options {
  int cards = 8;
  bool check = false;
};

bool ParseOptions(int argc, char* argv[], Options& options) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--check") == 0) {
      options.check = true;
    } else if (std::strcmp(argv[i], "--cards") == 0 && i + 1 < argc) {
      options.cards = std::atoi(argv[++i]);
      if (options.cards < 1) return false;
    } else {
      return false;
    }
  }
  return true;
}

// The pictures are read from the game's folder; from elsewhere the bench
// moves to the one the build lays out beside it.
void MoveToGameFolder() {
  if (QDir(QStringLiteral("Im")).exists()) return;
  const QString game = QCoreApplication::applicationDirPath() + QStringLiteral("/../game");
  if (QDir(game + QStringLiteral("/Im")).exists()) QDir::setCurrent(game);
}

int FirstLegalSlot(const belote::TableState& s) {
  for (int slot = 1; slot <= 8; ++slot) {
    if (s.SlotCard[1][slot] > 0 && belote::IsLegalHumanCard(s, slot)) return slot;
  }
  return 0;
}

void PrintSpread(const char* what, const Spread& spread) {
  std::printf("  %-30s %6d   median %7.3f ms   worst %7.3f ms\n", what, spread.count,
              spread.medianMs, spread.worstMs);
}

int CountOtherThan(const std::vector<int>& lengths, int expected) {
  int n = 0;
  for (int length : lengths) n += length != expected ? 1 : 0;
  return n;
}

}  // namespace

int main(int argc, char* argv[]) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs("usage: glide_bench [--cards N] [--check]\n", stderr);
    return 2;
  }
  // Without a screen the table is drawn off screen, which still paints it.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  MoveToGameFolder();

  // Every box is answered at once with its first button: the human takes
  // when asked, confirms each trick and plays on when a game ends. The suit
  // chooser is passed.
  belote::TForm1Options formOptions;
  formOptions.pauseMilliseconds = 500;
  formOptions.showAboutBox = false;
  formOptions.soundDevice = false;
  formOptions.soundSink = [](const std::string&) {};
  formOptions.messageAnswerer = [](const std::string&, belote::Buttons buttons) {
    return buttons == belote::Buttons::Ok ? belote::kAnswerOk : belote::kAnswerYes;
  };
  formOptions.chooserAnswerer = [] { return belote::BandMiddle(belote::kPassBand); };
  formOptions.exitApplicationOnQuit = false;
  belote::TForm1 form(formOptions);
  // The table's glide timer, watched from outside, and its animation box.
  const auto* timer1 = form.findChild<QTimer*>(QStringLiteral("Timer1"));
  auto* animation = form.findChild<QCheckBox*>(QStringLiteral("CheckBox2"));
  if (timer1 == nullptr || animation == nullptr) {
    std::fputs("glide_bench: the table has no Timer1 or CheckBox2\n", stderr);
    return 1;
  }

  GlideClock clock;
  QElapsedTimer wall;
  wall.start();
  bool turnOver = false;
  int playStepDepth = 0;
  form.tickObserver = [&](belote::TForm1::TickMoment moment) {
    using M = belote::TForm1::TickMoment;
    const qint64 now = wall.nsecsElapsed();
    switch (moment) {
      case M::Begins:
        clock.TickBegins(now,
                         form.State().CurSeatIdx == 0 ? GlideKind::Human : GlideKind::Computer);
        break;
      case M::PlayStepBegins:
        ++playStepDepth;
        clock.PlayStepBegins(now, timer1->isActive());
        break;
      case M::PlayStepEnds:
        clock.PlayStepEnds(now);
        if (--playStepDepth == 0) turnOver = true;
        break;
      case M::Ends:
        clock.TickEnds(now, timer1->isActive());
        break;
    }
  };

  form.show();
  form.FormActivate();
  animation->setChecked(true);
  form.BoutonAClick();

  int timerLeftRunning = timer1->isActive() ? 1 : 0;
  int played = 0;
  for (; played < options.cards; ++played) {
    const int slot = FirstLegalSlot(form.State());
    if (slot == 0) {
      std::fprintf(stderr, "glide_bench: no card to play after %d cards\n", played);
      return 1;
    }
    turnOver = false;
    form.ImageClick(slot);
    QElapsedTimer waited;
    waited.start();
    while (!turnOver) {
      if (waited.elapsed() > kCardTimeoutMs) {
        std::fprintf(stderr, "glide_bench: card %d was never played out\n", played + 1);
        return 1;
      }
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    // Back to the human: nothing may still be ticking.
    QCoreApplication::processEvents();
    if (timer1->isActive()) ++timerLeftRunning;
  }

  const Spread humanIntervals = SpreadOf(clock.Intervals(GlideKind::Human));
  const Spread computerIntervals = SpreadOf(clock.Intervals(GlideKind::Computer));
  std::vector<std::int64_t> allWork = clock.TickWork(GlideKind::Human);
  allWork.insert(allWork.end(), clock.TickWork(GlideKind::Computer).begin(),
                 clock.TickWork(GlideKind::Computer).end());
  const Spread work = SpreadOf(allWork);
  const auto& humanGlides = clock.GlideLengths(GlideKind::Human);
  const auto& computerGlides = clock.GlideLengths(GlideKind::Computer);

  std::printf("glide_bench: %d cards played by the human, animation on, %s platform\n", played,
              qPrintable(QGuiApplication::platformName()));
  std::printf("  %-30s %6s\n", "", "count");
  std::printf("  %-30s %6d   (%d not of %d ticks)\n", "human glides",
              static_cast<int>(humanGlides.size()), CountOtherThan(humanGlides, kHumanGlideTicks),
              kHumanGlideTicks);
  std::printf("  %-30s %6d   (%d not of %d ticks)\n", "computer glides",
              static_cast<int>(computerGlides.size()),
              CountOtherThan(computerGlides, kComputerGlideTicks), kComputerGlideTicks);
  PrintSpread("tick interval, human glides", humanIntervals);
  PrintSpread("tick interval, computer glides", computerIntervals);
  PrintSpread("time inside one tick", work);
  PrintSpread("  of which human ticks", SpreadOf(clock.TickWork(GlideKind::Human)));
  PrintSpread("  of which computer ticks", SpreadOf(clock.TickWork(GlideKind::Computer)));
  std::printf("  timer left running while the human was to play: %d time(s)\n", timerLeftRunning);
  std::fflush(stdout);

  if (!options.check) return 0;
  bool ok = true;
  const auto fail = [&ok](const char* why) {
    std::fprintf(stderr, "glide_bench: %s\n", why);
    ok = false;
  };
  if (static_cast<int>(humanGlides.size()) != played) fail("not every card of the human glided");
  if (computerGlides.empty()) fail("no computer card glided");
  if (CountOtherThan(humanGlides, kHumanGlideTicks) != 0)
    fail("a human glide did not take ten ticks");
  if (CountOtherThan(computerGlides, kComputerGlideTicks) != 0)
    fail("a computer glide did not take twelve ticks");
  if (timerLeftRunning != 0) fail("the timer ran on while the human was to play");
  if (clock.OpenTicks() != 0 || clock.OpenPlaySteps() != 0) fail("a tick never ended");
  return ok ? 0 : 1;
}
