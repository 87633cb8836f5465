#include "host/qt/address_opener.h"

#include <QString>
#include <QWidget>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "host/qt/browser_url.h"
#endif

namespace tarvola {

void openInDefaultBrowser(QWidget* window, const std::string& address) {
  const QString text = QString::fromStdString(address);
#ifdef _WIN32
  // UTF-16 reaches the browser intact whatever the system's ANSI code page.
  const std::wstring wide = text.toStdWString();
  ShellExecuteW(reinterpret_cast<HWND>(window->winId()), L"open", wide.c_str(), nullptr, nullptr, SW_HIDE);
#else
  (void)window;
  const QUrl url = browserUrl(text);
  if (url.isValid()) {
    QDesktopServices::openUrl(url);
  } else {
    // Text that no URL can hold goes to the opener as it is, as the Windows shell gets it.
    QProcess::startDetached(QStringLiteral("xdg-open"), {text});
  }
#endif
}

}  // namespace tarvola
