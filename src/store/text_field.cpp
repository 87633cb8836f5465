#include "store/text_field.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "store/text_codec.h"

namespace tarvola {

namespace {

bool isUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The encoded form of the longest run of whole leading characters that fits in width bytes.
std::string encodeToWidth(std::string_view utf8, std::size_t width) {
  std::string encoded = encodeAnsi(utf8);
  if (encoded.size() <= width) return encoded;
  encoded.clear();
  std::size_t start = 0;
  while (start < utf8.size()) {
    std::size_t end = start + 1;
    while (end < utf8.size() && isUtf8Continuation(utf8[end])) ++end;
    const std::string character = encodeAnsi(utf8.substr(start, end - start));
    if (encoded.size() + character.size() > width) break;
    encoded += character;
    start = end;
  }
  return encoded;
}

}  // namespace

void putText(std::span<char> field, std::string_view utf8) {
  const std::string encoded = encodeToWidth(utf8, field.size());
  std::fill(std::copy(encoded.begin(), encoded.end(), field.begin()), field.end(), ' ');
}

std::string fieldText(std::span<const char> field) { return decodeAnsi(std::string_view(field.data(), field.size())); }

std::string shownText(std::span<const char> field) {
  // A blank byte is never part of a double-byte character, so the fill can go
  // before decoding; eight bytes at a time, as most of an address field is fill.
  constexpr std::uint64_t kBlanks = 0x2020202020202020;
  std::size_t filled = field.size();
  for (std::uint64_t word = kBlanks; filled >= sizeof word; filled -= sizeof word) {
    std::memcpy(&word, field.data() + filled - sizeof word, sizeof word);
    if (word != kBlanks) break;
  }
  const std::string_view bytes(field.data(), filled);
  const std::size_t end = bytes.find_last_not_of(' ');
  return decodeAnsi(bytes.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::string trimTrailingBlanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return std::string(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

}  // namespace tarvola
