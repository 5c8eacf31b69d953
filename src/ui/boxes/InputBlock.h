// Holds back the player's input to the card table while the game waits: a
// pause, or a box shown inside the table where the window system cannot
// place windows of its own. The table keeps repainting and its timers tick.
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace belote {

class InputBlock : public QObject {
 public:
  // The keys the table still takes while it waits.
  using KeyFilter = std::function<bool(const QKeyEvent& key)>;

  // From now until destroyed, no click, key or touch reaches `table` or
  // anything on it, except what lies on `open` (the box inside the table)
  // and the keys `keysTaken` lets through.
  InputBlock(QWidget* table, QWidget* open = nullptr, KeyFilter keysTaken = {});
  ~InputBlock() override;
  InputBlock(const InputBlock&) = delete;
  InputBlock& operator=(const InputBlock&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* table_;
  QWidget* open_;
  KeyFilter keysTaken_;
};

}  // namespace belote
