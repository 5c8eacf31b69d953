// The pause that paces the computer players: one modal wait during which the
// table takes no input but keeps repainting and its card glides go on.
#pragma once

#include <QObject>

#include "ui/boxes/InputBlock.h"

class QEventLoop;
class QWidget;

namespace belote {

class TForm2 : public QObject {
  Q_OBJECT

 public:
  using KeyFilter = InputBlock::KeyFilter;

  // One wait of `milliseconds` for `table`; nothing is ever shown.
  explicit TForm2(QWidget* table, int milliseconds = 500, KeyFilter keysTaken = {});
  ~TForm2() override;

  // Runs the wait; returns when the time is up or when Stop() is called.
  void exec();

  // Ends the wait now (the program is closing).
  void Stop();

 private:
  void Timer1Timer();

  QWidget* table_;
  int milliseconds_;
  KeyFilter keysTaken_;
  QEventLoop* loop_ = nullptr;
};

}  // namespace belote
