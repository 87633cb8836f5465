#include "bookmarks/web_address.h"

#include "store/xml_text.h"

#include <libxml/uri.h>

#include <algorithm>
#include <memory>
#include <string>

namespace tarvola {

namespace {

struct UriFree {
  void operator()(xmlURI* uri) const { xmlFreeURI(uri); }
};

bool hasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

bool isOneOf(const char* scheme, std::initializer_list<const char*> allowed) {
  return std::any_of(allowed.begin(), allowed.end(), [scheme](const char* name) {
    return xmlStrcasecmp(reinterpret_cast<const xmlChar*>(scheme), reinterpret_cast<const xmlChar*>(name)) == 0;
  });
}

}  // namespace

bool isWebAddress(std::string_view address) {
  if (address.empty() || hasControlCharacter(address) || address.find(' ') != std::string_view::npos) return false;
  // Addresses as browsers keep them may hold raw non-ASCII characters, which the URI parser refuses:
  // escape them first; everything the parser reads itself stays as it is.
  const std::string text(address);
  const XmlText escaped(xmlURIEscapeStr(xmlTextOf(text), reinterpret_cast<const xmlChar*>(":/?#[]@!$&'()*+,;=%~")));
  if (!escaped) return false;
  std::unique_ptr<xmlURI, UriFree> uri(xmlParseURI(reinterpret_cast<const char*>(escaped.get())));
  return uri && uri->scheme && isOneOf(uri->scheme, {"http", "https", "ftp"}) && uri->server && *uri->server;
}

}  // namespace tarvola
