#include "ui/boxes/Unit2.h"

#include <QEventLoop>
#include <QTimer>

namespace belote {

TForm2::TForm2(QWidget* table, int milliseconds, KeyFilter keysTaken)
    : QObject(nullptr),
      table_(table),
      milliseconds_(milliseconds),
      keysTaken_(std::move(keysTaken)) {
  setObjectName("Form2");
}

TForm2::~TForm2() = default;

void TForm2::exec() {
  QEventLoop loop;
  loop_ = &loop;
  // The table takes no input while the computer players think.
  const InputBlock block(table_, nullptr, keysTaken_);

  QTimer timer1;
  timer1.setSingleShot(true);
  connect(&timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
  timer1.start(milliseconds_);
  loop.exec();

  loop_ = nullptr;
}

void TForm2::Timer1Timer() {
  Stop();
}

void TForm2::Stop() {
  if (loop_ != nullptr) loop_->quit();
}

}  // namespace belote
