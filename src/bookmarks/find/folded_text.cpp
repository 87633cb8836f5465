#include "bookmarks/find/folded_text.h"

#include <libxml/parserInternals.h>
#include <libxml/xmlstring.h>

#include <algorithm>
#include <climits>

namespace tarvola {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& text, char32_t c) {
  unsigned char bytes[4] = {};
  // A character past Unicode's last is written as nothing.
  const int length = xmlCopyCharMultiByte(bytes, static_cast<int>(c));
  text.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length > 0 ? length : 0));
}

}  // namespace

std::u32string foldedCharacters(std::string_view utf8) {
  std::u32string text;
  text.reserve(utf8.size());
  const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
  std::size_t at = 0;
  while (at < utf8.size()) {
    int length = static_cast<int>(std::min<std::size_t>(utf8.size() - at, INT_MAX));
    const int c = xmlGetUTF8Char(bytes + at, &length);
    if (c < 0 || length <= 0) {
      text.push_back(kReplacement);
      ++at;
      continue;
    }
    text.push_back(foldedCharacter(static_cast<char32_t>(c)));
    at += static_cast<std::size_t>(length);
  }
  return text;
}

std::string utf8Of(std::u32string_view characters) {
  std::string text;
  text.reserve(characters.size());
  for (const char32_t c : characters) appendUtf8(text, c);
  return text;
}

bool separatesWords(char32_t c) {
  if (c < 0x80) return !((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9'));
  return (c >= 0x2000 && c <= 0x206F) || (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) || c == 0x00A0 || c == 0x00B7 ||
         c == 0x2026 || c == 0xFF5C;
}

}  // namespace tarvola
