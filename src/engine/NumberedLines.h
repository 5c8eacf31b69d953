// A family of label lines that end in a number and are written many times a
// deal, such as "TENANT = 2        MAIN = 14": the lines for the numbers
// 0..most are made once, when the program starts, and handed to the window
// as they stand; any other number is written out when it comes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/TableWindow.h"
#include "engine/TextLine.h"

namespace belote {

class NumberedLines {
 public:
  NumberedLines() = default;
  NumberedLines(std::string_view head, int most) : head_(head), most_(most) {
    lines_.reserve(static_cast<std::size_t>(most) + 1);
    for (int n = 0; n <= most; ++n) lines_.push_back((TextLine(head) << n).ToString());
  }

  // The words before the number.
  std::string_view Head() const { return head_; }

  // Writes the line ending in `number` on the label `c`.
  void Show(TableWindow& w, Control c, int number) const {
    if (number >= 0 && number <= most_) [[likely]] {
      w.SetText(c, lines_[static_cast<std::size_t>(number)]);
    } else {
      ShowOther(w, c, number);
    }
  }

 private:
  // Kept out of line: the usual numbers never get here.
  [[gnu::noinline, gnu::cold]] void ShowOther(TableWindow& w, Control c, int number) const {
    w.SetText(c, TextLine(head_) << number);
  }

  std::string head_;
  int most_ = -1;
  std::vector<std::string> lines_;
};

}  // namespace belote
