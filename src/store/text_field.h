#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tarvola {

// Puts text left-aligned into a fixed-width field: encoded, cut after the last
// whole character that fits, the rest filled with blanks.
void putText(std::span<char> field, std::string_view utf8);

// The text of a field as stored, the blanks of the fill included.
std::string fieldText(std::span<const char> field);

// The field's text without the blanks on its right, as lists and the caption show it.
std::string shownText(std::span<const char> field);

// Removes blanks on the right only; leading blanks belong to the text.
std::string trimTrailingBlanks(std::string_view text);

}  // namespace tarvola
