#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bookmarks/find/field_match.h"
#include "bookmarks/find/pinyin_match.h"
#include "bookmarks/find/query_words.h"

namespace tarvola {

// Names, addresses and category names, normalised once so that each
// keystroke's search only compares. The folded text of every field is kept in
// one shared block: a field is a few numbers, not allocations of its own. Its
// pinyin cells are made from that text when a word may match by pinyin.
class IndexedFields {
 public:
  using Id = std::uint32_t;

  // Room for `fields` fields of `bytes` bytes of UTF-8 in all.
  void reserve(std::size_t fields, std::size_t bytes);
  Id add(std::string_view utf8);
  // No fields, the room kept.
  void clear();

  FieldMatch match(Id field, const QueryWord& word) const;

 private:
  struct Field {
    std::uint32_t textBegin;
    std::uint32_t textEnd;
    // Every letter that can match in the field, its own and its readings';
    // none for a field without a character with readings.
    std::uint32_t letters;
  };

  std::string_view textOf(const Field& field) const;

  std::string text_;
  std::vector<Field> fields_;
};

}  // namespace tarvola
