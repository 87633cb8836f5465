// Arbitrary text through every field's encode, cut and decode, and arbitrary
// bytes as records.
#include <fuzzer/FuzzedDataProvider.h>
#include <iconv.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "store/records.h"
#include "store/text_codec.h"
#include "store/text_field.h"

namespace {

using namespace tarvola;

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

// The text converted by iconv, nothing when any of it can't be converted.
std::optional<std::string> convertStrictly(const char* to, const char* from, std::string_view text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  const bool ok = iconv(cd, &in, &inLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dstLeft);
  return out;
}

bool isUtf8(std::string_view text) { return convertStrictly("UTF-32LE", "UTF-8", text).has_value(); }

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool onlyBlanks(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// A field keeps the longest run of whole leading characters that fits, then blanks.
void checkCut(std::string_view field, std::string_view text) {
  const std::string shown = decodeAnsi(field);
  std::size_t kept = std::mismatch(shown.begin(), shown.end(), text.begin(), text.end()).first - shown.begin();
  while (kept > 0 && kept < text.size() && isContinuation(text[kept])) --kept;
  require(onlyBlanks(std::string_view(shown).substr(kept)), "a field holds its text's start, then blanks only");
  require(encodeAnsi(text.substr(0, kept)).size() <= field.size(), "the kept text fits");
  if (kept == text.size()) return;
  std::size_t next = kept + 1;
  while (next < text.size() && isContinuation(text[next])) ++next;
  require(encodeAnsi(text.substr(0, next)).size() > field.size(), "the next whole character would not fit");
}

void checkField(std::size_t width, std::string_view text) {
  // Guards on both sides: putText writes its field and nothing else.
  std::string buffer(width + 2, '\x7F');
  putText(std::span(buffer).subspan(1, width), text);
  require(buffer.front() == '\x7F' && buffer.back() == '\x7F', "a field is written within its width");
  const std::string_view field = std::string_view(buffer).substr(1, width);
  require(isUtf8(fieldText(field)) && isUtf8(shownText(field)), "decoded fields are UTF-8");
  require(shownText(field) == trimTrailingBlanks(fieldText(field)), "shown text is the field less its fill");
  if (isUtf8(text)) checkCut(field, text);
}

void checkCodec(std::string_view text) {
  const std::string decoded = decodeAnsi(text);
  require(isUtf8(decoded), "any bytes decode to UTF-8");
  if (isUtf8(text)) {
    const std::string encoded = encodeAnsi(text);
    require(decodeAnsi(encoded) == text, "decode(encode(text)) is the text");
    const std::optional<std::string> gbk = convertStrictly("GBK", "UTF-8", text);
    require(!gbk || *gbk == encoded, "GBK-holdable text is stored as its GBK bytes");
  }
}

void checkRecords(std::string_view name, std::string_view url, std::string_view raw) {
  const SiteRecord site = SiteRecord::with(name, url);
  std::string nameAlone(SiteRecord::kNameWidth, '\0');
  std::string urlAlone(SiteRecord::kUrlWidth, '\0');
  putText(nameAlone, name);
  putText(urlAlone, url);
  require(site.bytes() == nameAlone + urlAlone, "a site record is its two fields, neither spilling into the other");
  require(site.shownName() == shownText(site.nameField()) && site.shownUrl() == shownText(site.urlField()),
          "a site shows its two fields");
  require(CategoryRecord::withName(name).shownName() == shownText(CategoryRecord::withName(name).name),
          "a category shows its field");

  std::string bytes(raw.substr(0, SiteRecord::kLength));
  bytes.resize(SiteRecord::kLength, '\0');
  const SiteRecord stored = SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(bytes.data(), bytes.size()));
  require(stored.bytes() == bytes, "a record read from bytes keeps them");
  require(isUtf8(stored.shownName()) && isUtf8(stored.shownUrl()), "any record shows UTF-8");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto width = input.ConsumeIntegralInRange<std::size_t>(0, SiteRecord::kLength);
  const std::string name = input.ConsumeRandomLengthString(120);
  const std::string url = input.ConsumeRandomLengthString(400);
  const std::string rest = input.ConsumeRemainingBytesAsString();
  for (const std::string_view text : {std::string_view(name), std::string_view(url), std::string_view(rest)}) {
    checkCodec(text);
    checkField(width, text);
  }
  for (const std::size_t recordWidth : {CategoryRecord::kLength, SiteRecord::kNameWidth, SiteRecord::kUrlWidth}) {
    checkField(recordWidth, name);
  }
  checkRecords(name, url, rest);
  return 0;
}
