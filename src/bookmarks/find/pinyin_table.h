#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The pinyin readings of the Unicode Han database, generated at build time by
// tools/pinyin_table.py: tones stripped, u-umlaut as v.
namespace tarvola::pinyin_table {

// A character and where its readings begin in `readings`; they end where the
// next character's begin (the last entry is a stop past every character).
struct Character {
  char32_t codePoint;
  std::uint32_t firstReading;
};

// Every syllable, in alphabetical order.
extern const std::span<const std::string_view> syllables;
// Ordered by code point.
extern const std::span<const Character> characters;
// Numbers in `syllables`.
extern const std::span<const std::uint16_t> readings;

}  // namespace tarvola::pinyin_table
