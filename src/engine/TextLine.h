// A line of text for one of the table's labels, put together from fixed words
// and decimal numbers. Most lines are rewritten at every card or every trick,
// so they are built in a buffer inside the object, on the stack, and handed
// to the window as a view: no heap at all for the usual lines. A line that
// outgrows the buffer (only a very long player name can do that) carries on
// in a heap string, so no text is ever cut short.
#pragma once

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

namespace belote {

class TextLine {
 public:
  // Room for the longest line the game writes with the longest names of
  // announcements, cards and seats.
  static constexpr std::size_t kCapacity = 128;
  static constexpr std::size_t kLongestNumber = 11;  // "-2147483648"

  TextLine() = default;
  explicit TextLine(std::string_view start) { *this << start; }
  // A line is read where it was built; a copy would only cost time.
  TextLine(const TextLine&) = delete;
  TextLine& operator=(const TextLine&) = delete;

  TextLine& operator<<(std::string_view text) {
    if (!spilled_ && text.size() <= kCapacity - size_) {
      std::char_traits<char>::copy(buffer_ + size_, text.data(), text.size());
      size_ += text.size();
    } else {
      AppendLong(text);
    }
    return *this;
  }

  TextLine& operator<<(const std::string& text) { return *this << std::string_view(text); }
  TextLine& operator<<(const char* text) { return *this << std::string_view(text); }
  TextLine& operator<<(char c) { return *this << std::string_view(&c, 1); }

  // Decimal, with a minus sign when negative and no leading zeros.
  TextLine& operator<<(int number) {
    // Written straight into the line when it has room for any number.
    if (!spilled_ && kCapacity - size_ >= kLongestNumber) {
      size_ = static_cast<std::size_t>(
          std::to_chars(buffer_ + size_, buffer_ + kCapacity, number).ptr - buffer_);
      return *this;
    }
    char digits[kLongestNumber];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
  }

  std::string_view View() const {
    return spilled_ ? std::string_view(long_) : std::string_view(buffer_, size_);
  }
  operator std::string_view() const { return View(); }
  std::string ToString() const { return std::string(View()); }

 private:
  // Kept out of line: the usual lines never get here.
  [[gnu::noinline, gnu::cold]] void AppendLong(std::string_view text) {
    if (!spilled_) {
      long_.reserve(size_ + text.size());
      long_.assign(buffer_, size_);
      spilled_ = true;
    }
    long_ += text;
  }

  char buffer_[kCapacity];
  std::size_t size_ = 0;
  bool spilled_ = false;
  std::string long_;
};

}  // namespace belote
