#include "host/qt/address_opener.h"

#include <QWidget>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "store/text_codec.h"
#else
#include <QDesktopServices>
#include <QString>
#include <QUrl>
#endif

namespace tarvola {

void openInDefaultBrowser(QWidget* window, const std::string& address) {
#ifdef _WIN32
  // The shell takes the address as ANSI text, as the data files hold it.
  const std::string ansi = encodeAnsi(address);
  ShellExecuteA(reinterpret_cast<HWND>(window->winId()), "open", ansi.c_str(), nullptr, nullptr, SW_HIDE);
#else
  (void)window;
  // Like a browser's address bar: "www.example.com" becomes a web address.
  QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(address)));
#endif
}

}  // namespace tarvola
