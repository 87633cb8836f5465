#include "bookmarks/find/indexed_fields.h"

#include <libxml/parserInternals.h>
#include <libxml/xmlstring.h>

#include <algorithm>
#include <climits>

#include "bookmarks/find/folded_text.h"
#include "bookmarks/find/pinyin_table.h"

namespace tarvola {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

bool startsWordAt(std::string_view text, std::size_t position) {
  if (position == 0) return true;
  std::size_t lead = position - 1;
  while (lead > 0 && isUtf8Continuation(text[lead])) --lead;
  const std::u32string before = foldedCharacters(text.substr(lead, position - lead));
  return before.empty() || separatesWords(before.back());
}

// The letters of each syllable, worked out once; a typed u may stand for the table's v.
std::uint32_t syllableLetters(Syllable syllable) {
  static const std::vector<std::uint32_t> masks = [] {
    std::vector<std::uint32_t> bySyllable;
    for (const std::string_view text : pinyin_table::syllables) {
      std::uint32_t letters = 0;
      for (const char letter : text) letters |= letterBit(static_cast<unsigned char>(letter));
      if ((letters & letterBit(U'v')) != 0) letters |= letterBit(U'u');
      bySyllable.push_back(letters);
    }
    return bySyllable;
  }();
  return masks[syllable];
}

std::uint32_t lettersOf(std::span<const Syllable> readings) {
  std::uint32_t letters = 0;
  for (const Syllable syllable : readings) letters |= syllableLetters(syllable);
  return letters;
}

// The letters of a character's readings, none for one without: worked out
// once for every character below the rarest, as each field asks for each of its own.
std::uint32_t readingLetters(char32_t c) {
  constexpr char32_t kCommonLimit = 0xA000;
  static const std::vector<std::uint32_t> common = [] {
    std::vector<std::uint32_t> byCodePoint(kCommonLimit);
    for (char32_t code = 0; code < kCommonLimit; ++code) byCodePoint[code] = lettersOf(pinyinReadings(code));
    return byCodePoint;
  }();
  return c < kCommonLimit ? common[c] : lettersOf(pinyinReadings(c));
}

// The character at `at`, and how many bytes it takes; a damaged byte is U+FFFD, one byte long.
char32_t characterAt(std::string_view utf8, std::size_t at, std::size_t& length) {
  int bytes = static_cast<int>(std::min<std::size_t>(utf8.size() - at, INT_MAX));
  const int c = xmlGetUTF8Char(reinterpret_cast<const unsigned char*>(utf8.data() + at), &bytes);
  if (c < 0 || bytes <= 0) {
    length = 1;
    return kReplacement;
  }
  length = static_cast<std::size_t>(bytes);
  return static_cast<char32_t>(c);
}

// How many bytes UTF-8 takes for the character, written as it should be.
std::size_t utf8Length(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : c < 0x110000 ? 4 : 0; }

void appendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text.push_back(static_cast<char>(c));
    return;
  }
  unsigned char bytes[4] = {};
  // A character past Unicode's last is written as nothing.
  const int length = xmlCopyCharMultiByte(bytes, static_cast<int>(c));
  text.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length > 0 ? length : 0));
}

// The field's characters with their readings, for a pinyin match; reused, as
// a keystroke makes them for many fields.
std::span<const PinyinCell> cellsOf(std::string_view folded) {
  thread_local std::vector<PinyinCell> cells;
  cells.clear();
  bool afterSeparator = true;
  for (std::size_t at = 0, length = 0; at < folded.size(); at += length) {
    const char32_t c = characterAt(folded, at, length);
    cells.push_back({c, pinyinReadings(c), afterSeparator});
    afterSeparator = separatesWords(c);
  }
  return cells;
}

FieldMatch plainMatch(std::string_view folded, std::string_view word) {
  FieldMatch best = FieldMatch::none;
  for (std::size_t found = folded.find(word); found != std::string::npos; found = folded.find(word, found + 1)) {
    if (startsWordAt(folded, found)) return FieldMatch::wordStart;
    best = FieldMatch::inside;
  }
  return best;
}

}  // namespace

void IndexedFields::reserve(std::size_t fields, std::size_t bytes) {
  fields_.reserve(fields);
  text_.reserve(bytes);
}

void IndexedFields::clear() {
  text_.clear();
  fields_.clear();
}

IndexedFields::Id IndexedFields::add(std::string_view utf8) {
  Field field{static_cast<std::uint32_t>(text_.size()), 0, 0};
  if (isAscii(utf8)) {
    // No reading to look up: only letters to fold.
    for (const char byte : utf8) text_.push_back(static_cast<char>(foldedCharacter(static_cast<unsigned char>(byte))));
  } else {
    bool hasReadings = false;
    for (std::size_t at = 0, length = 0; at < utf8.size(); at += length) {
      const char32_t original = characterAt(utf8, at, length);
      const char32_t c = foldedCharacter(original);
      // Most characters fold to themselves: their bytes are taken as they are.
      if (c == original && length == utf8Length(c)) {
        text_.append(utf8, at, length);
      } else {
        appendUtf8(text_, c);
      }
      const std::uint32_t letters = readingLetters(c);
      hasReadings = hasReadings || letters != 0;
      field.letters |= letterBit(c) | letters;
    }
    if (!hasReadings) field.letters = 0;
  }
  field.textEnd = static_cast<std::uint32_t>(text_.size());
  fields_.push_back(field);
  return static_cast<Id>(fields_.size() - 1);
}

FieldMatch IndexedFields::match(Id id, const QueryWord& word) const {
  const Field& field = fields_[id];
  const FieldMatch plain = plainMatch(textOf(field), word.utf8);
  // Pinyin only takes letters, and only those a field's readings hold.
  const bool mayMatchByPinyin = field.letters != 0 && word.letters != 0 && (word.letters & ~field.letters) == 0;
  if (plain == FieldMatch::wordStart || !mayMatchByPinyin) return plain;
  return std::max(plain, pinyinMatch(cellsOf(textOf(field)), word.characters));
}

std::string_view IndexedFields::textOf(const Field& field) const {
  return std::string_view(text_).substr(field.textBegin, field.textEnd - field.textBegin);
}

}  // namespace tarvola
