#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tarvola {

// A syllable's number, as pinyinReadings gives it.
using Syllable = std::uint16_t;

// Every reading of a Chinese character; none for any other.
std::span<const Syllable> pinyinReadings(char32_t character);

// The syllable's letters, lower case, without tones, u-umlaut as v.
std::string_view syllableText(Syllable syllable);

}  // namespace tarvola
