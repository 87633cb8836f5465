#pragma once

#include <span>
#include <string_view>

#include "bookmarks/find/field_match.h"
#include "bookmarks/find/pinyin_readings.h"

namespace tarvola {

// A character of a field that holds Chinese, with its readings.
struct PinyinCell {
  char32_t character;  // folded
  std::span<const Syllable> readings;
  bool startsWord;  // first of the field, or right after a blank or punctuation mark
};

// Whether `word` (folded) matches a run of consecutive cells, each taken as
// itself or by one of its readings: whole, by its first letter or its
// zh/ch/sh, and the word's end by any start of a reading. Linear in the cells:
// the open positions in the word are carried as one set from cell to cell.
FieldMatch pinyinMatch(std::span<const PinyinCell> cells, std::u32string_view word);

}  // namespace tarvola
