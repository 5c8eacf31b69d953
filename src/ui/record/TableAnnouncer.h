// Tells a screen reader the news of the game as it happens. The words are
// shown to screen readers by small objects of the table that draw nothing
// and that they say as they appear; the table's look does not change. The
// objects are notifications inside a status bar, which screen readers say
// without the word "notification" before each piece of news.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

class QAccessibleEvent;
class QLabel;

namespace belote {

// Where the news lies on the table: one pixel, drawn with nothing.
class NewsBar : public QWidget {
  Q_OBJECT

 public:
  explicit NewsBar(QWidget* table);
};

// One piece of news: a notification whose words are its one label.
class NewsItem : public QWidget {
  Q_OBJECT

 public:
  explicit NewsItem(NewsBar* bar);
  void Tell(const QString& words);
  QString Words() const;

 private:
  QLabel* words_;
};

class TableAnnouncer : public QObject {
 public:
  explicit TableAnnouncer(QWidget* table);

  // Says `text` (UTF-8) once to the screen reader.
  void Announce(const std::string& text);
  // Says the last news again.
  void RepeatLast();
  // Says `text` now, without keeping it as the news to repeat (the review
  // keys' answers).
  void Answer(const std::string& text);

  // Everything said so far, oldest first (for the curious and for tests).
  const QStringList& Said() const { return said_; }

  // Also shown each accessibility event an announcement sends, whether or
  // not a screen reader listens (tests, and tools that log what is said).
  using EventWatcher = std::function<void(QAccessibleEvent*)>;
  static void SetEventWatcher(EventWatcher watcher);

 private:
  void Show(const QString& text);

  QStringList said_;
  QString lastNews_;
  std::array<NewsItem*, 8> news_{};
  size_t nextNews_ = 0;
};

}  // namespace belote
