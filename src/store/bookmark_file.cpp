#include "store/bookmark_file.h"

#include <libxml/HTMLparser.h>
#include <libxml/encoding.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>

#include <climits>
#include <memory>
#include <optional>

#include "store/chinese_encoding.h"
#include "store/xml_text.h"

namespace tarvola {

namespace {

struct DocFree {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using Doc = std::unique_ptr<xmlDoc, DocFree>;

// The parser closes no <DT> at the next one: every link of a folder lies one
// level deeper than the one before, and its default limit of 256 levels would
// end a folder after some 250 links. The tree is walked without recursion, so
// depth costs memory only, as much as the file's size allows.
constexpr unsigned kDeepestTree = 1u << 24;

bool named(const xmlNode* node, const char* name) {
  return node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

std::string attribute(const xmlNode* node, const xmlChar* name) {
  const XmlText value(xmlGetProp(node, name));
  return stringOf(value.get());
}

std::string attribute(const xmlNode* node, const char* name) {
  return attribute(node, reinterpret_cast<const xmlChar*>(name));
}

bool sameName(const xmlChar* name, std::string_view wanted) {
  return xmlStrlen(name) == static_cast<int>(wanted.size()) &&
         xmlStrncasecmp(name, reinterpret_cast<const xmlChar*>(wanted.data()), static_cast<int>(wanted.size())) == 0;
}

// Collects the errors that decide how a file is read while the parser keeps quiet about the rest.
struct ParseErrors {
  std::optional<std::string> unknownCharset;
  bool notUtf8 = false;
  // The parser stops at a fatal error or when memory or a limit runs out, and hands back what it had.
  bool stopped = false;
};

void noteError(void* context, xmlError* error) {
  auto* errors = static_cast<ParseErrors*>(context);
  if (!error) return;
  if (error->code == XML_ERR_UNSUPPORTED_ENCODING && !errors->unknownCharset)
    errors->unknownCharset = error->str1 ? error->str1 : "";
  if (error->code == XML_ERR_INVALID_ENCODING) errors->notUtf8 = true;
  if (error->level == XML_ERR_FATAL || error->code == XML_ERR_NO_MEMORY) errors->stopped = true;
}

// Walks the tree in document order without recursion: a folder opens at the
// first list after its heading and closes with that list. The parser may put
// the list inside the heading's <DT> or after it; order is all that counts.
class TreeWalk {
 public:
  TreeWalk(BookmarkTree& tree, std::span<const std::string_view> attributes) : tree_(tree), wanted_(attributes) {}

  void run(xmlNode* root) {
    xmlNode* node = root;
    while (true) {
      enter(node);
      if (node->children) {
        node = node->children;
        continue;
      }
      while (true) {
        leave(node);
        if (node == root) return;
        if (node->next) {
          node = node->next;
          break;
        }
        node = node->parent;
      }
    }
  }

  bool sawBookmarkList() const { return sawList_; }

 private:
  void enter(xmlNode* node) {
    if (capture_) {
      if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE)
        text_ += reinterpret_cast<const char*>(node->content);
      return;
    }
    if (named(node, "dl")) {
      sawList_ = true;
      lists_.push_back({node, pendingFolder_ ? *pendingFolder_ : currentFolder()});
      pendingFolder_.reset();
    } else if (named(node, "h3") || named(node, "a")) {
      capture_ = node;
      text_.clear();
    }
  }

  void leave(xmlNode* node) {
    if (capture_ == node) {
      capture_ = nullptr;
      if (named(node, "h3")) {
        openFolder(text_, attributesOf(node));
      } else {
        pendingFolder_.reset();
        tree_.links.push_back(
            {currentFolder(), tree_.folders.size(), text_, attribute(node, "href"), attributesOf(node)});
      }
    } else if (!capture_ && !lists_.empty() && lists_.back().node == node) {
      lists_.pop_back();
      pendingFolder_.reset();
    }
  }

  void openFolder(const std::string& name, BookmarkAttributes attributes) {
    pendingFolder_ = static_cast<int>(tree_.folders.size());
    tree_.folders.push_back({name, currentFolder(), std::move(attributes)});
  }

  BookmarkAttributes attributesOf(const xmlNode* node) const {
    BookmarkAttributes found;
    if (wanted_.empty()) return found;
    for (const xmlAttr* property = node->properties; property; property = property->next) {
      for (const std::string_view name : wanted_)
        if (sameName(property->name, name)) found.emplace(name, attribute(node, property->name));
    }
    return found;
  }

  int currentFolder() const { return lists_.empty() ? Bookmark::kOutsideFolders : lists_.back().folder; }

  struct List {
    xmlNode* node;
    int folder;
  };
  BookmarkTree& tree_;
  std::span<const std::string_view> wanted_;
  std::vector<List> lists_;
  std::optional<int> pendingFolder_;
  xmlNode* capture_ = nullptr;
  std::string text_;
  bool sawList_ = false;
};

bool declaresBookmarkFile(xmlDoc* doc) {
  const xmlDtd* dtd = xmlGetIntSubset(doc);
  return dtd && dtd->name &&
         xmlStrcasecmp(dtd->name, reinterpret_cast<const xmlChar*>("NETSCAPE-Bookmark-file-1")) == 0;
}

// UTF-16 or UTF-32, by its byte order mark: NUL bytes belong to its characters.
bool holdsWideCharacters(std::string_view bytes) {
  if (bytes.size() < 4) return false;
  switch (xmlDetectCharEncoding(reinterpret_cast<const unsigned char*>(bytes.data()), 4)) {
    case XML_CHAR_ENCODING_UTF16LE:
    case XML_CHAR_ENCODING_UTF16BE:
    case XML_CHAR_ENCODING_UCS4LE:
    case XML_CHAR_ENCODING_UCS4BE:
    case XML_CHAR_ENCODING_UCS4_2143:
    case XML_CHAR_ENCODING_UCS4_3412: return true;
    default: return false;
  }
}

// The parser takes a NUL byte for the end of the file and quietly drops the
// rest. In UTF-8 and GB18030 a NUL is no part of another character: it goes.
std::optional<std::string> withoutNulBytes(std::string_view bytes) {
  if (bytes.find('\0') == std::string_view::npos || holdsWideCharacters(bytes)) return std::nullopt;
  std::string text(bytes);
  std::erase(text, '\0');
  return text;
}

struct Parsed {
  Doc doc;
  ParseErrors errors;
};

Parsed parse(std::string_view input, const char* encoding) {
  Parsed parsed;
  xmlSetStructuredErrorFunc(&parsed.errors, noteError);
  parsed.doc.reset(htmlReadMemory(input.data(), static_cast<int>(input.size()), nullptr, encoding,
                                  HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET));
  xmlSetStructuredErrorFunc(nullptr, nullptr);
  return parsed;
}

}  // namespace

std::variant<BookmarkTree, UnreadableFile> parseBookmarkFile(std::string_view bytes,
                                                             std::span<const std::string_view> attributes) {
  using Reason = UnreadableFile::Reason;
  if (bytes.size() > kLargestBookmarkFile) return UnreadableFile{Reason::tooLarge, {}};
  registerChineseEncodings();
  xmlParserMaxDepth = kDeepestTree;

  const std::optional<std::string> cleaned = withoutNulBytes(bytes);
  const std::string_view input = cleaned ? std::string_view(*cleaned) : bytes;
  Parsed parsed = parse(input, nullptr);
  // Without a charset line, text that isn't UTF-8 is in the Chinese ANSI code page, as Windows wrote it.
  if (parsed.errors.notUtf8 && parsed.doc && !parsed.doc->encoding) parsed = parse(input, "GB18030");

  if (parsed.errors.unknownCharset) return UnreadableFile{Reason::unknownCharset, *parsed.errors.unknownCharset};
  if (parsed.errors.stopped) return UnreadableFile{Reason::notReadWhole, {}};
  xmlNode* root = parsed.doc ? xmlDocGetRootElement(parsed.doc.get()) : nullptr;
  if (!root) return UnreadableFile{Reason::notBookmarkFile, {}};
  BookmarkTree tree;
  TreeWalk walk(tree, attributes);
  walk.run(root);
  if (!declaresBookmarkFile(parsed.doc.get()) && !walk.sawBookmarkList())
    return UnreadableFile{Reason::notBookmarkFile, {}};
  return tree;
}

}  // namespace tarvola
