#include "ui/record/TableAnnouncer.h"

#include <QAccessible>

namespace belote {

namespace {

TableAnnouncer::EventWatcher& Watcher() {
  static TableAnnouncer::EventWatcher watcher;
  return watcher;
}

}  // namespace

NewsItem::NewsItem(QWidget* table) : QWidget(table) {
  setGeometry(0, 0, 1, 1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void TableAnnouncer::SetEventWatcher(EventWatcher watcher) {
  Watcher() = std::move(watcher);
}

TableAnnouncer::TableAnnouncer(QWidget* table) : QObject(table) {
  for (NewsItem*& news : news_) news = new NewsItem(table);
}

void TableAnnouncer::Announce(const std::string& text) {
  const QString words = QString::fromStdString(text);
  if (words.isEmpty() || words == lastNews_) return;
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
  // turns: a reader that falls behind asks an item's words only when it
  // comes to say them, and by then the next news must not have replaced
  // them.
  NewsItem* news = news_[nextNews_];
  nextNews_ = (nextNews_ + 1) % news_.size();
  news->hide();
  news->setAccessibleName(text);
  news->show();
  if (Watcher()) {
    QAccessibleEvent shown(news, QAccessible::ObjectShow);
    Watcher()(&shown);
  }
}

}  // namespace belote
