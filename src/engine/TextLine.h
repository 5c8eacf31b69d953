// A line of text for one of the table's labels, put together from fixed words
// and decimal numbers.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace belote {

class TextLine {
 public:
  TextLine() = default;
  explicit TextLine(std::string_view start) : text_(start) {}

  TextLine& operator<<(std::string_view text) {
    text_ += text;
    return *this;
  }
  TextLine& operator<<(char c) {
    text_ += c;
    return *this;
  }
  // Decimal, with a minus sign when negative and no leading zeros.
  template <std::integral Number>
  TextLine& operator<<(Number number) {
    text_ += std::to_string(number);
    return *this;
  }

  std::string_view View() const { return text_; }
  operator std::string_view() const { return text_; }
  const std::string& ToString() const { return text_; }

 private:
  std::string text_;
};

}  // namespace belote
