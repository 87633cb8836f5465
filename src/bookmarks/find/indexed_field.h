#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bookmarks/find/field_match.h"
#include "bookmarks/find/pinyin_match.h"
#include "bookmarks/find/query_words.h"

namespace tarvola {

// A name, address or category name, normalised once so that each keystroke's
// search only compares.
class IndexedField {
 public:
  explicit IndexedField(std::string_view utf8);

  FieldMatch match(const QueryWord& word) const;

 private:
  FieldMatch plainMatch(std::string_view word) const;
  bool mayMatchByPinyin(const QueryWord& word) const;

  std::string folded_;
  // Only for a field that holds a character with readings.
  std::vector<PinyinCell> cells_;
  // Every letter that can match in the field: its own and its readings'.
  std::uint32_t letters_ = 0;
};

}  // namespace tarvola
