#include "bookmarks/find/pinyin_readings.h"

#include <algorithm>

#include "bookmarks/find/pinyin_table.h"

namespace tarvola {

std::span<const Syllable> pinyinReadings(char32_t character) {
  const auto characters = pinyin_table::characters.first(pinyin_table::characters.size() - 1);
  const auto found = std::lower_bound(characters.begin(), characters.end(), character,
                                      [](const pinyin_table::Character& c, char32_t code) { return c.codePoint < code; });
  if (found == characters.end() || found->codePoint != character) return {};
  const std::uint32_t first = found->firstReading;
  const std::uint32_t end = pinyin_table::characters[static_cast<std::size_t>(found - characters.begin()) + 1].firstReading;
  return pinyin_table::readings.subspan(first, end - first);
}

std::string_view syllableText(Syllable syllable) { return pinyin_table::syllables[syllable]; }

}  // namespace tarvola
