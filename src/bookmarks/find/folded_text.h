#pragma once

#include <string>
#include <string_view>

namespace tarvola {

// Text as a search compares it: ASCII letters in lower case, full-width
// letters, digits and signs as their ASCII forms, the ideographic blank as a blank.
// Inline: every character of every field passes through it once.
inline char32_t foldedCharacter(char32_t c) {
  constexpr char32_t kFullWidthFirst = 0xFF01;  // ！
  constexpr char32_t kFullWidthLast = 0xFF5E;   // ～
  constexpr char32_t kFullWidthOffset = 0xFEE0;
  constexpr char32_t kIdeographicBlank = 0x3000;
  if (c >= kFullWidthFirst && c <= kFullWidthLast) c -= kFullWidthOffset;
  if (c == kIdeographicBlank) return U' ';
  if (c >= U'A' && c <= U'Z') return c - U'A' + U'a';
  return c;
}

// The folded characters of UTF-8 text; damaged bytes become U+FFFD.
std::u32string foldedCharacters(std::string_view utf8);

// Characters as UTF-8, for plain searches through a field.
std::string utf8Of(std::u32string_view characters);

// A blank or a punctuation mark: what a word starts after.
bool separatesWords(char32_t character);

}  // namespace tarvola
