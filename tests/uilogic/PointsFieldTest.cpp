// What a points field takes as the points of a game: an optional sign and
// digits that fit, nothing else.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ui/table/PointsField.h"

namespace belote {
namespace {

TEST(PointsField, TakesASignAndDigitsOnly) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"2500", 2500},
      {"+300", 300},
      {"-5", -5},
      {"0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"+-5", std::nullopt},
      {"-+5", std::nullopt},
      {"++5", std::nullopt},
      {"--5", std::nullopt},
      {" 300", std::nullopt},
      {"300 ", std::nullopt},
      {"12a", std::nullopt},
      {"1.5", std::nullopt},
      {"2147483648", std::nullopt},
      {"99999999999", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseWholeNumber(text), value) << text;
}

TEST(PointsField, RefusalQuotesALongTextByItsEnds) {
  EXPECT_EQ(NotAWholeNumberText("abc"), "'abc' n'est pas une valeur entière correcte");
  const std::string pasted(100, 'x');
  const std::string quoted = NotAWholeNumberText(pasted + "é", 11);
  EXPECT_EQ(quoted, "'xxxxx…xxxxé' n'est pas une valeur entière correcte");
}

}  // namespace
}  // namespace belote
