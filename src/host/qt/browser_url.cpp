#include "host/qt/browser_url.h"

#include <QString>

namespace tarvola {

namespace {

// "www.example.com:8080" parses as the scheme "www.example.com"; no scheme has a dot.
bool hasScheme(const QUrl& url) { return !url.scheme().isEmpty() && !url.scheme().contains(u'.'); }

}  // namespace

QUrl browserUrl(const QString& address) {
  QUrl url(address, QUrl::TolerantMode);
  if (hasScheme(url)) return url;
  return QUrl(QStringLiteral("http://") + address, QUrl::TolerantMode);
}

}  // namespace tarvola
