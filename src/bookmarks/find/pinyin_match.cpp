#include "bookmarks/find/pinyin_match.h"

#include <bit>
#include <cstdint>

namespace tarvola {

namespace {

// Bit j: the word's first j characters are matched.
using Positions = std::uint64_t;
constexpr std::size_t kLongestWord = 63;

constexpr Positions at(std::size_t position) { return Positions{1} << position; }

// The table writes u-umlaut as v; a query may write it as u too.
bool sameLetter(char32_t typed, char letter) {
  return typed == static_cast<unsigned char>(letter) || (letter == 'v' && typed == U'u');
}

bool hasTwoLetterInitial(std::string_view syllable) {
  return syllable.size() > 2 && syllable[1] == 'h' && (syllable[0] == 'z' || syllable[0] == 'c' || syllable[0] == 's');
}

// Where a reading takes the word on from `from`.
Positions stepsBySyllable(std::string_view syllable, std::u32string_view word, std::size_t from) {
  std::size_t same = 0;
  while (same < syllable.size() && from + same < word.size() && sameLetter(word[from + same], syllable[same])) ++same;
  if (same == 0) return 0;
  Positions steps = at(from + 1);
  if (same == syllable.size() || from + same == word.size()) steps |= at(from + same);
  if (same >= 2 && hasTwoLetterInitial(syllable)) steps |= at(from + 2);
  return steps;
}

Positions stepsByCell(const PinyinCell& cell, std::u32string_view word, std::size_t from) {
  Positions steps = cell.character == word[from] ? at(from + 1) : 0;
  for (const Syllable syllable : cell.readings) steps |= stepsBySyllable(syllableText(syllable), word, from);
  return steps;
}

}  // namespace

FieldMatch pinyinMatch(std::span<const PinyinCell> cells, std::u32string_view word) {
  if (word.empty() || word.size() > kLongestWord) return FieldMatch::none;
  const Positions done = at(word.size());
  Positions anywhere = 0;
  Positions fromWordStart = 0;
  bool found = false;
  for (const PinyinCell& cell : cells) {
    anywhere |= at(0);
    if (cell.startsWord) fromWordStart |= at(0);
    Positions nextAnywhere = 0;
    Positions nextFromWordStart = 0;
    for (Positions open = anywhere; open != 0; open &= open - 1) {
      const auto from = static_cast<std::size_t>(std::countr_zero(open));
      const Positions steps = stepsByCell(cell, word, from);
      nextAnywhere |= steps;
      if ((fromWordStart & at(from)) != 0) nextFromWordStart |= steps;
    }
    if ((nextFromWordStart & done) != 0) return FieldMatch::wordStart;
    found = found || (nextAnywhere & done) != 0;
    anywhere = nextAnywhere & ~done;
    fromWordStart = nextFromWordStart & ~done;
  }
  return found ? FieldMatch::inside : FieldMatch::none;
}

}  // namespace tarvola
