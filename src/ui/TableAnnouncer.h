// What a player who does not see the table hears of the game: each bid, each
// card a computer seat puts down, the marks of the deal's end, the scores, a
// card the rules refuse and the moment it is the player's turn. The words
// are shown to screen readers as a notification of the table, which they
// say as it appears; the table's look does not change.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "engine/TableWindow.h"

class QAccessibleEvent;
class QTimer;
class QWidget;

namespace belote {

class TForm1;

// The name of the table's notification object, which screen readers find
// with the role of a notification.
inline constexpr const char* kNewsObjectName = "Annonces";

class TableAnnouncer : public QObject {
 public:
  explicit TableAnnouncer(TForm1& form);

  // The announcer of a table (made with the table's names).
  static TableAnnouncer* Of(TForm1& form);

  // The table wrote `text` into `c`.
  void TextShown(Control c, const QString& text);
  // The image `c` now shows the picture called `name`.
  void PictureShown(Control c, const QString& name);
  // The player asked for the card of `slot`, and the rules refused it.
  void CardRefused(int slot);

  // Says `text` once to the screen reader.
  void Announce(const QString& text);

  // Everything said so far, oldest first (for the curious and for tests).
  const QStringList& Said() const { return said_; }

  // Also shown each accessibility event an announcement sends, whether or
  // not a screen reader listens (tests, and tools that log what is said).
  using EventWatcher = std::function<void(QAccessibleEvent*)>;
  static void SetEventWatcher(EventWatcher watcher);

 private:
  void WatchForTurn();
  void CheckTurn();

  TForm1& form_;
  QStringList said_;
  QTimer* turnWatch_;
  std::array<QWidget*, 8> news_{};
  size_t nextNews_ = 0;
  bool turnSaid_ = true;
};

// What a screen reader says about one of the game's boxes beyond its words:
// the bid question's turned-up card and the player's five cards, the trick
// and who takes it, the deal's totals after the last trick, the scores when
// the game is won. Empty for the boxes whose words say it all.
QString DescribeBox(TForm1& form, Box box);

// The name of the human's seat as the table shows it.
QString SeatName(TForm1& form, int seat);

}  // namespace belote
