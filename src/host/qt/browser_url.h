#pragma once

#include <QUrl>

class QString;

namespace tarvola {

// The stored address as a URL for the desktop's opener, read leniently but
// never guessed at: only an address without a scheme changes, getting
// "http://" in front. Invalid when no URL can hold the text.
QUrl browserUrl(const QString& address);

}  // namespace tarvola
