#include "bookmarks/find/pinyin_readings.h"

#include <algorithm>
#include <vector>

#include "bookmarks/find/pinyin_table.h"

namespace tarvola {

namespace {

// Below this every character is looked up at once: all but the rarest Chinese
// characters, and every other character a name holds, which has no reading.
constexpr char32_t kDirectLimit = 0xA000;
constexpr std::uint32_t kNoReading = UINT32_MAX;

std::span<const pinyin_table::Character> tableCharacters() {
  const auto& table = pinyin_table::characters;
  return table.first(table.size() - 1);  // without the stop
}

// Each character's place in the table, by code point: an index searched once.
const std::vector<std::uint32_t>& directPlaces() {
  static const std::vector<std::uint32_t> places = [] {
    std::vector<std::uint32_t> byCodePoint(kDirectLimit, kNoReading);
    const auto characters = tableCharacters();
    for (std::size_t position = 0; position < characters.size() && characters[position].codePoint < kDirectLimit;
         ++position)
      byCodePoint[characters[position].codePoint] = static_cast<std::uint32_t>(position);
    return byCodePoint;
  }();
  return places;
}

std::uint32_t placeOf(char32_t character) {
  if (character < kDirectLimit) return directPlaces()[character];
  const auto characters = tableCharacters();
  const auto found = std::lower_bound(characters.begin(), characters.end(), character,
                                      [](const pinyin_table::Character& c, char32_t code) { return c.codePoint < code; });
  if (found == characters.end() || found->codePoint != character) return kNoReading;
  return static_cast<std::uint32_t>(found - characters.begin());
}

}  // namespace

std::span<const Syllable> pinyinReadings(char32_t character) {
  const std::uint32_t position = placeOf(character);
  if (position == kNoReading) return {};
  const auto& table = pinyin_table::characters;
  const std::uint32_t first = table[position].firstReading;
  return pinyin_table::readings.subspan(first, table[position + 1].firstReading - first);
}

std::string_view syllableText(Syllable syllable) { return pinyin_table::syllables[syllable]; }

}  // namespace tarvola
