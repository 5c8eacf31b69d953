#include "ui/TableAnnouncer.h"

#include <QAccessible>
#include <QTimer>

#include "model/Cards.h"
#include "ui/CardNames.h"
#include "ui/TableAccess.h"
#include "ui/Unit1.h"

namespace belote {

namespace {

int SeatOfBidLabel(Control c) {
  for (int seat = 1; seat <= 4; ++seat)
    if (BidLabel(seat) == c) return seat;
  return 0;
}

int SeatOfPlace(Control c) {
  for (int seat = 1; seat <= 4; ++seat)
    if (TablePlace(seat) == c) return seat;
  return 0;
}

QString CardList(const TableState& s, int first, int last) {
  QStringList names;
  for (int slot = first; slot <= last; ++slot) {
    const int picture = s.SlotPicture[1][slot];
    if (picture > 0) names << PictureName(picture);
  }
  return names.join(QStringLiteral(", "));
}

QString Trimmed(QLabel* label) {
  return label != nullptr ? label->text().simplified() : QString();
}

QString ScoreLines(TForm1& form) {
  QStringList lines;
  for (QLabel* l : {form.ET10, form.ET11, form.ET12, form.ET13}) lines << Trimmed(l);
  return lines.join(QStringLiteral(", "));
}

TableAnnouncer::EventWatcher& Watcher() {
  static TableAnnouncer::EventWatcher watcher;
  return watcher;
}

}  // namespace

void TableAnnouncer::SetEventWatcher(EventWatcher watcher) {
  Watcher() = std::move(watcher);
}

QString SeatName(TForm1& form, int seat) {
  if (seat >= 2 && seat <= 4) return QString::fromLatin1(kSeatNames[seat]);
  const std::string& name = form.State().HumanName;
  return QString::fromStdString(name.empty() ? std::string(kDefaultHumanName) : name);
}

QString DescribeBox(TForm1& form, Box box) {
  const TableState& s = form.State();
  switch (box) {
    case Box::TakeQuestion:
      return QStringLiteral("Carte retournée : %1. Vos cartes : %2.")
          .arg(PictureName(s.TurnedCard), CardList(s, 1, 5));
    case Box::ConfirmTrick: {
      // The trick still lies on the table while the box is up; the rules
      // have already counted it, so its number is one behind.
      QStringList cards;
      for (int seat = 1; seat <= 4; ++seat)
        cards << SeatName(form, seat) + QStringLiteral(", ") + CardNameOf(form, TablePlace(seat));
      QString text = QStringLiteral("Pli %1 : %2. %3 remporte le pli.")
                         .arg(s.TrickNo - 1)
                         .arg(cards.join(QStringLiteral(" ; ")), SeatName(form, s.TrickHolder));
      if (s.TrickNo > 8) {
        QStringList totals;
        for (QLabel* l : {form.ET19, form.ET20, form.ET21, form.ET22})
          if (!Trimmed(l).isEmpty()) totals << Trimmed(l);
        text += QStringLiteral(" Fin de la donne. ") + totals.join(QStringLiteral(", ")) +
                QStringLiteral(". ") + ScoreLines(form) + QStringLiteral(".");
      }
      return text;
    }
    case Box::AnotherGame:
      return Trimmed(form.ET14) + QStringLiteral(". ") + ScoreLines(form) + QStringLiteral(".");
    case Box::Redeal:
    case Box::TakerAnnounced:
      break;
  }
  return {};
}

TableAnnouncer::TableAnnouncer(TForm1& form)
    : QObject(&form), form_(form), turnWatch_(new QTimer(this)) {
  setObjectName(QStringLiteral("TableAnnouncer"));
  turnWatch_->setInterval(50);
  connect(turnWatch_, &QTimer::timeout, this, &TableAnnouncer::CheckTurn);
  for (QWidget*& news : news_) {
    news = new QWidget(&form);
    news->setObjectName(QString::fromLatin1(kNewsObjectName));
    news->setGeometry(0, 0, 1, 1);
    news->setAttribute(Qt::WA_TransparentForMouseEvents);
    news->setFocusPolicy(Qt::NoFocus);
    news->hide();
  }
}

TableAnnouncer* TableAnnouncer::Of(TForm1& form) {
  return form.findChild<TableAnnouncer*>(QStringLiteral("TableAnnouncer"),
                                         Qt::FindDirectChildrenOnly);
}

void TableAnnouncer::Announce(const QString& text) {
  if (text.isEmpty()) return;
  said_ << text;
  // Each piece of news is a notification that appears: screen readers say
  // a notification as it shows, wherever the keyboard is, and the control
  // the player is on is left alone. It is one pixel, drawn with nothing.
  // The notifications take turns: a reader that falls behind asks a
  // notification's words only when it comes to say it, and by then the
  // next news must not have replaced them.
  QWidget* news = news_[nextNews_];
  nextNews_ = (nextNews_ + 1) % news_.size();
  news->hide();
  news->setAccessibleName(text);
  news->show();
  if (Watcher()) {
    QAccessibleEvent shown(news, QAccessible::ObjectShow);
    Watcher()(&shown);
  }
}

void TableAnnouncer::TextShown(Control c, const QString& text) {
  const QString words = text.simplified();
  if (words.isEmpty()) return;
  if (const int seat = SeatOfBidLabel(c)) {
    // A bid, or the deal's end: " CAPOT", " DEDANS".
    Announce(SeatName(form_, seat) + QStringLiteral(" : ") + words);
    WatchForTurn();
  } else if (c == Control::ET13) {
    // The four score lines are written together, seat 4's last.
    Announce(QStringLiteral("Scores : ") + ScoreLines(form_));
  }
}

void TableAnnouncer::PictureShown(Control c, const QString& name) {
  const int seat = SeatOfPlace(c);
  if (seat == 0 || name.isEmpty() || name == QString::fromLatin1(kEmptyPlaceName)) return;
  if (seat >= 2) Announce(SeatName(form_, seat) + QStringLiteral(" joue ") + name);
  WatchForTurn();
}

void TableAnnouncer::CardRefused(int slot) {
  Announce(QStringLiteral("Carte refusée : ") + CardNameOf(form_, HandImage(slot)));
}

void TableAnnouncer::WatchForTurn() {
  turnSaid_ = false;
  if (!turnWatch_->isActive()) turnWatch_->start();
}

void TableAnnouncer::CheckTurn() {
  const TableState& s = form_.State();
  if (form_.Table().Closing()) {
    turnWatch_->stop();
    return;
  }
  // The play step has returned and nothing waits for an answer: the hand
  // is the player's.
  if (turnSaid_ || form_.Busy() || s.CurSeatIdx != 0 || s.TrickNo < 1 || s.TrickNo > 8) return;
  turnWatch_->stop();
  turnSaid_ = true;
  FocusHand(form_);
  // With the card the keyboard is on: the hand may have been dealt or
  // sorted again under it since the reader last said its name.
  QString news = QStringLiteral("À vous de jouer");
  QWidget* focus = form_.focusWidget();
  if (qobject_cast<TImage*>(focus) != nullptr)
    news += QStringLiteral(", ") + focus->accessibleName();
  Announce(news);
}

}  // namespace belote
