#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvola {

// One blank-separated word of a query, folded as the fields are.
struct QueryWord {
  std::string utf8;
  std::u32string characters;
  std::uint32_t letters = 0;  // bit n: the letter 'a' + n occurs in it
};

// A letter's bit in a mask of letters; 0 for any other character.
std::uint32_t letterBit(char32_t character);

std::vector<QueryWord> queryWords(std::string_view query);

}  // namespace tarvola
