#pragma once

namespace tarvola {

// Lets the HTML parser read bookmark files in the Chinese ANSI code page
// (GBK, GB2312, GB18030) through the data files' own codec, so that they
// read the same on every system, with or without iconv.
void registerChineseEncodings();

}  // namespace tarvola
