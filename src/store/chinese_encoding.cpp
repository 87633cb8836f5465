#include "store/chinese_encoding.h"

#include <libxml/encoding.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "store/text_codec.h"

namespace tarvola {

namespace {

// Length of the longest run of whole characters at the start of bytes: the
// parser hands over its input in chunks that may end inside a character.
std::size_t wholeCharacters(const unsigned char* bytes, std::size_t size) {
  std::size_t at = 0;
  while (at < size) {
    const unsigned char lead = bytes[at];
    std::size_t length = 1;
    if (lead >= 0x81 && lead <= 0xFE) {
      if (at + 1 >= size) break;
      const unsigned char second = bytes[at + 1];
      length = second >= 0x30 && second <= 0x39 ? 4 : 2;
    }
    if (at + length > size) break;
    at += length;
  }
  return at;
}

int ansiToUtf8(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
  // A byte becomes at most three bytes of UTF-8 (U+FFFD for damage).
  const auto room = static_cast<std::size_t>(*outlen);
  const std::size_t take = wholeCharacters(in, std::min(static_cast<std::size_t>(*inlen), room / 3));
  const std::string utf8 = decodeAnsi(std::string_view(reinterpret_cast<const char*>(in), take));
  if (utf8.size() > room) return -1;
  std::copy(utf8.begin(), utf8.end(), out);
  *inlen = static_cast<int>(take);
  *outlen = static_cast<int>(utf8.size());
  return *outlen;
}

void registerOnce() {
  xmlCharEncodingHandler* handler = xmlNewCharEncodingHandler("GB18030", ansiToUtf8, nullptr);
  if (!handler) return;
  for (const char* alias : {"GBK", "GB2312", "CP936", "X-GBK", "EUC-CN", "GB_2312-80", "CSGB2312", "WINDOWS-936"})
    xmlAddEncodingAlias("GB18030", alias);
}

}  // namespace

void registerChineseEncodings() {
  static const bool registered = (registerOnce(), true);
  (void)registered;
}

}  // namespace tarvola
