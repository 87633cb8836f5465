#include "bookmarks/find/indexed_field.h"

#include <algorithm>

#include "bookmarks/find/folded_text.h"

namespace tarvola {

namespace {

bool isUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

bool startsWordAt(std::string_view text, std::size_t position) {
  if (position == 0) return true;
  std::size_t lead = position - 1;
  while (lead > 0 && isUtf8Continuation(text[lead])) --lead;
  const std::u32string before = foldedCharacters(text.substr(lead, position - lead));
  return before.empty() || separatesWords(before.back());
}

std::uint32_t lettersOf(std::span<const Syllable> readings) {
  std::uint32_t letters = 0;
  for (const Syllable syllable : readings)
    for (const char letter : syllableText(syllable)) letters |= letterBit(static_cast<unsigned char>(letter));
  // A typed u may stand for the table's v.
  if ((letters & letterBit(U'v')) != 0) letters |= letterBit(U'u');
  return letters;
}

}  // namespace

IndexedField::IndexedField(std::string_view utf8) {
  const std::u32string characters = foldedCharacters(utf8);
  folded_ = utf8Of(characters);
  if (std::none_of(characters.begin(), characters.end(), [](char32_t c) { return !pinyinReadings(c).empty(); }))
    return;
  cells_.reserve(characters.size());
  bool afterSeparator = true;
  for (const char32_t c : characters) {
    const std::span<const Syllable> readings = pinyinReadings(c);
    letters_ |= letterBit(c) | lettersOf(readings);
    cells_.push_back({c, readings, afterSeparator});
    afterSeparator = separatesWords(c);
  }
}

FieldMatch IndexedField::match(const QueryWord& word) const {
  const FieldMatch plain = plainMatch(word.utf8);
  if (plain == FieldMatch::wordStart || !mayMatchByPinyin(word)) return plain;
  return std::max(plain, pinyinMatch(cells_, word.characters));
}

FieldMatch IndexedField::plainMatch(std::string_view word) const {
  FieldMatch best = FieldMatch::none;
  for (std::size_t found = folded_.find(word); found != std::string::npos; found = folded_.find(word, found + 1)) {
    if (startsWordAt(folded_, found)) return FieldMatch::wordStart;
    best = FieldMatch::inside;
  }
  return best;
}

// Pinyin only takes letters, and only those a field's readings hold.
bool IndexedField::mayMatchByPinyin(const QueryWord& word) const {
  return !cells_.empty() && word.letters != 0 && (word.letters & ~letters_) == 0;
}

}  // namespace tarvola
