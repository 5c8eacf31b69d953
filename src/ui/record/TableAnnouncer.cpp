#include "ui/record/TableAnnouncer.h"

#include <QAccessible>
#include <QLabel>

namespace belote {

namespace {

TableAnnouncer::EventWatcher& Watcher() {
  static TableAnnouncer::EventWatcher watcher;
  return watcher;
}

void DrawnWithNothing(QWidget* w) {
  w->setGeometry(0, 0, 1, 1);
  w->setAttribute(Qt::WA_TransparentForMouseEvents);
  w->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

NewsBar::NewsBar(QWidget* table) : QWidget(table) {
  DrawnWithNothing(this);
  // Shown for good: its pieces of news appear in it one by one.
  show();
}

NewsItem::NewsItem(NewsBar* bar) : QWidget(bar), words_(new QLabel(this)) {
  DrawnWithNothing(this);
  DrawnWithNothing(words_);
  words_->setTextFormat(Qt::PlainText);
  hide();
}

void NewsItem::Tell(const QString& words) {
  words_->setText(words);
  // A reader says a notification as it appears; hidden again at once, it is
  // never said twice when the table is shown again.
  show();
  if (Watcher()) {
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    Watcher()(&shown);
  }
  hide();
}

QString NewsItem::Words() const {
  return words_->text();
}

void TableAnnouncer::SetEventWatcher(EventWatcher watcher) {
  Watcher() = std::move(watcher);
}

TableAnnouncer::TableAnnouncer(QWidget* table) : QObject(table) {
  auto* bar = new NewsBar(table);
  for (NewsItem*& news : news_) news = new NewsItem(bar);
}

void TableAnnouncer::Announce(const std::string& text) {
  const QString words = QString::fromStdString(text);
  if (words.isEmpty()) return;
  lastNews_ = words;
  Show(words);
}

void TableAnnouncer::RepeatLast() {
  if (!lastNews_.isEmpty()) Show(lastNews_);
}

void TableAnnouncer::Answer(const std::string& text) {
  if (!text.empty()) Show(QString::fromStdString(text));
}

void TableAnnouncer::Show(const QString& text) {
  said_ << text;
  // Screen readers say a piece of news as it appears, wherever the keyboard
  // is, and the control the player is on is left alone. The items take
  // turns: a reader that falls behind reads an item's words only when it
  // comes to say them, and by then the next news must not have replaced
  // them.
  news_[nextNews_]->Tell(text);
  nextNews_ = (nextNews_ + 1) % news_.size();
}

}  // namespace belote
