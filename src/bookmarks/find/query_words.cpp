#include "bookmarks/find/query_words.h"

#include <utility>

#include "bookmarks/find/folded_text.h"

namespace tarvola {

namespace {

bool isBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r'; }

QueryWord wordOf(std::u32string characters) {
  QueryWord word;
  for (const char32_t c : characters) word.letters |= letterBit(c);
  word.utf8 = utf8Of(characters);
  word.characters = std::move(characters);
  return word;
}

}  // namespace

std::uint32_t letterBit(char32_t c) { return c >= U'a' && c <= U'z' ? std::uint32_t{1} << (c - U'a') : 0; }

std::vector<QueryWord> queryWords(std::string_view query) {
  std::vector<QueryWord> words;
  std::u32string word;
  for (const char32_t c : foldedCharacters(query)) {
    if (!isBlank(c)) {
      word.push_back(c);
    } else if (!word.empty()) {
      words.push_back(wordOf(std::exchange(word, {})));
    }
  }
  if (!word.empty()) words.push_back(wordOf(std::move(word)));
  return words;
}

}  // namespace tarvola
