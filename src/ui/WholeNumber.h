// Reading the points fields of the table.
#pragma once

#include <optional>
#include <string>

namespace belote {

// Reads a points field: an optional sign and decimal digits that fit a
// 32-bit integer, nothing else, not even spaces around them.
std::optional<int> ParseWholeNumber(const std::string& text);

}  // namespace belote
