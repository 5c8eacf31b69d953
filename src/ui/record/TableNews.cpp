#include "ui/record/TableNews.h"

#include "ui/record/Spoken.h"

namespace belote {

void TableNews::BidSpoken(int, int, const std::string&, int) {
  if (record_.bids.empty()) return;
  say_(BidNews(record_, record_.bids.back()));
  say_(SecondRoundNews(record_));
}

void TableNews::HandsReady() {
  say_(HandDealtNews(record_));
  turnDue_ = true;
}

void TableNews::CardPlayed(int, int, int, int, bool) {
  const RecordedTrick* trick = record_.CurrentTrick();
  if (trick == nullptr || trick->cards.empty()) return;
  say_(CardNews(record_, trick->cards.back()));
  turnDue_ = true;
}

void TableNews::BeloteCalled(int seat, bool rebelote) {
  say_(BeloteNews(record_, seat, rebelote));
}

void TableNews::TrickTaken() {
  turnDue_ = true;
}

}  // namespace belote
