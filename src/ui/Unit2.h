// The pause that paces the computer players: one modal wait during which the
// table takes no input but keeps repainting and its card glides go on.
#pragma once

#include <QObject>

class QEventLoop;
class QWidget;

namespace belote {

class TForm2 : public QObject {
  Q_OBJECT

 public:
  // One wait of `milliseconds` for `table`; nothing is ever shown.
  explicit TForm2(QWidget* table, int milliseconds = 500);
  ~TForm2() override;

  // Runs the wait; returns when the time is up or when StopAll() is called.
  void exec();

  // Ends every wait that is running now (the program is closing).
  static void StopAll();
  // While closing, new waits return at once.
  static void SetClosing(bool closing);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Timer1Timer();

  QWidget* table_;
  int milliseconds_;
  QEventLoop* loop_ = nullptr;
};

}  // namespace belote
