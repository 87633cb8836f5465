#include "support/code_page.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace tarvola::test {

bool systemHasGb18030() {
#ifdef _WIN32
  return IsValidCodePage(54936) != 0;
#else
  const iconv_t cd = iconv_open("GB18030", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  iconv_close(cd);
  return true;
#endif
}

}  // namespace tarvola::test
