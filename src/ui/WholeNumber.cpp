#include "ui/WholeNumber.h"

#include <charconv>

namespace belote {

std::optional<int> ParseWholeNumber(const std::string& text) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  // A plus sign is allowed as well as a minus; spaces are not (" 300" is
  // refused like "abc"), so that what the field shows is what is counted.
  if (first != last && *first == '+') ++first;
  if (first == last || *first == ' ' || *first == '+') return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace belote
