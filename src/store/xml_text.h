#pragma once

#include <libxml/xmlmemory.h>
#include <libxml/xmlstring.h>

#include <memory>
#include <string>

namespace tarvola {

struct XmlTextFree {
  void operator()(xmlChar* text) const { xmlFree(text); }
};
// Text that libxml2 allocated.
using XmlText = std::unique_ptr<xmlChar, XmlTextFree>;

inline const xmlChar* xmlTextOf(const std::string& text) { return reinterpret_cast<const xmlChar*>(text.c_str()); }
inline std::string stringOf(const xmlChar* text) { return text ? reinterpret_cast<const char*>(text) : std::string(); }

}  // namespace tarvola
