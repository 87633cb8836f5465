#pragma once

#include <string>

#include <QString>

namespace tarvola {

// UTF-8 text as the window shows it: a NUL byte, which a record may hold, would cut the text short.
inline QString shownString(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).remove(QChar(u'\0'));
}

}  // namespace tarvola
