#pragma once

#include <string>
#include <string_view>

namespace tarvola {

// The data files hold text in the Chinese ANSI code page. GB18030 is GBK's
// superset: GBK text gets exactly its GBK bytes, and nothing becomes "?".
std::string encodeAnsi(std::string_view utf8);

// Bytes the code page can't read (damage, a half character) become U+FFFD.
std::string decodeAnsi(std::string_view ansi);

#ifdef _WIN32
// Windows' own text, for its wide functions.
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);
#endif

}  // namespace tarvola
