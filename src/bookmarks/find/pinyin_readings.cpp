#include "bookmarks/find/pinyin_readings.h"

#include <algorithm>

#include "bookmarks/find/pinyin_table.h"

namespace tarvola {

std::span<const Syllable> pinyinReadings(char32_t character) {
  const auto& table = pinyin_table::characters;
  const auto characters = table.first(table.size() - 1);  // without the stop
  const auto found = std::lower_bound(characters.begin(), characters.end(), character,
                                      [](const pinyin_table::Character& c, char32_t code) { return c.codePoint < code; });
  if (found == characters.end() || found->codePoint != character) return {};
  const auto position = static_cast<std::size_t>(found - characters.begin());
  const std::uint32_t first = table[position].firstReading;
  return pinyin_table::readings.subspan(first, table[position + 1].firstReading - first);
}

std::string_view syllableText(Syllable syllable) { return pinyin_table::syllables[syllable]; }

}  // namespace tarvola
