#include "store/text_codec.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>

#include <optional>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace tarvola {

#ifdef _WIN32

namespace {

unsigned ansiCodePage() {
  // 54936 is GB18030; a system without it still has GBK.
  static const unsigned page = IsValidCodePage(54936) ? 54936u : 936u;
  return page;
}

std::wstring toWide(unsigned codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int count = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  if (count > 0) MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), count);
  return wide;
}

// Nothing when text holds a byte sequence the code page doesn't define.
std::optional<std::wstring> toWideStrictly(unsigned codePage, std::string_view text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int count = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (count <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), count);
  return wide;
}

// Left to itself, Windows turns damage into "?" and may swallow the byte after
// a lone lead byte with it: damage becomes U+FFFD, skipped a byte at a time.
std::wstring ansiToWide(std::string_view ansi) {
  const unsigned page = ansiCodePage();
  if (std::optional<std::wstring> whole = toWideStrictly(page, ansi)) return *whole;
  std::wstring wide;
  std::size_t at = 0;
  while (at < ansi.size()) {
    std::size_t length = 0;
    // A character is one, two or four bytes long.
    for (const std::size_t tried : {1u, 2u, 4u}) {
      if (at + tried > ansi.size()) break;
      if (std::optional<std::wstring> character = toWideStrictly(page, ansi.substr(at, tried))) {
        wide += *character;
        length = tried;
        break;
      }
    }
    if (length == 0) {
      wide += L'\uFFFD';
      length = 1;
    }
    at += length;
  }
  return wide;
}

std::string fromWide(unsigned codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int count = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(count), '\0');
  if (count > 0) WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), count, nullptr, nullptr);
  return text;
}

std::string ansiFromUtf8(std::string_view utf8) { return fromWide(ansiCodePage(), toWide(CP_UTF8, utf8)); }

std::string utf8FromAnsi(std::string_view ansi) { return fromWide(CP_UTF8, ansiToWide(ansi)); }

}  // namespace

std::wstring wideFromUtf8(std::string_view utf8) { return toWide(CP_UTF8, utf8); }

std::string utf8FromWide(std::wstring_view wide) { return fromWide(CP_UTF8, wide); }

#else

namespace {

// One converter per direction, opened once: opening iconv is far dearer than converting a field.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of input; a sequence that can't be converted is replaced and skipped byte by byte.
  std::string convert(std::string_view input, std::string_view replacement) {
    std::string out;
    if (!valid()) return out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[1024];
    while (inLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      const std::size_t rc = iconv(cd_, &in, &inLeft, &dst, &dstLeft);
      out.append(buffer, sizeof buffer - dstLeft);
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
        out.append(replacement);
        ++in;
        --inLeft;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& toAnsi() {
  thread_local Converter converter("GB18030", "UTF-8");
  return converter;
}

Converter& fromAnsi() {
  thread_local Converter converter("UTF-8", "GB18030");
  return converter;
}

std::string ansiFromUtf8(std::string_view utf8) { return toAnsi().convert(utf8, "?"); }

std::string utf8FromAnsi(std::string_view ansi) { return fromAnsi().convert(ansi, "\xEF\xBF\xBD"); }

}  // namespace

#endif

namespace {

// Both encodings keep ASCII as it is: most addresses need no converter.
bool isAscii(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string encodeAnsi(std::string_view utf8) { return isAscii(utf8) ? std::string(utf8) : ansiFromUtf8(utf8); }

std::string decodeAnsi(std::string_view ansi) { return isAscii(ansi) ? std::string(ansi) : utf8FromAnsi(ansi); }

}  // namespace tarvola
