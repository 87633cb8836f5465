#include "store/bookmark_file.h"

#include <libxml/HTMLparser.h>
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

std::string attribute(const xmlNode* node, const char* name) {
  const XmlText value(xmlGetProp(node, reinterpret_cast<const xmlChar*>(name)));
  return stringOf(value.get());
}

// Collects the errors that make a file unreadable while the parser keeps quiet about the rest.
struct ParseErrors {
  std::optional<std::string> unknownCharset;
};

void noteError(void* context, xmlError* error) {
  auto* errors = static_cast<ParseErrors*>(context);
  if (error && error->code == XML_ERR_UNSUPPORTED_ENCODING && !errors->unknownCharset)
    errors->unknownCharset = error->str1 ? error->str1 : "";
}

// Walks the tree in document order without recursion: a folder opens at the
// first list after its heading and closes with that list. The parser may put
// the list inside the heading's <DT> or after it; order is all that counts.
class TreeWalk {
 public:
  explicit TreeWalk(BookmarkTree& tree) : tree_(tree) {}

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
        openFolder(text_);
      } else {
        pendingFolder_.reset();
        tree_.links.push_back({currentFolder(), tree_.folders.size(), text_, attribute(node, "href")});
      }
    } else if (!capture_ && !lists_.empty() && lists_.back().node == node) {
      lists_.pop_back();
      pendingFolder_.reset();
    }
  }

  void openFolder(const std::string& name) {
    const int parent = currentFolder();
    std::string path = parent == Bookmark::kOutsideFolders ? name : tree_.folders[parent] + "/" + name;
    pendingFolder_ = static_cast<int>(tree_.folders.size());
    tree_.folders.push_back(std::move(path));
  }

  int currentFolder() const { return lists_.empty() ? Bookmark::kOutsideFolders : lists_.back().folder; }

  struct List {
    xmlNode* node;
    int folder;
  };
  BookmarkTree& tree_;
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

}  // namespace

std::variant<BookmarkTree, UnreadableFile> parseBookmarkFile(std::string_view bytes) {
  using Reason = UnreadableFile::Reason;
  if (bytes.size() > kLargestBookmarkFile) return UnreadableFile{Reason::tooLarge, {}};
  registerChineseEncodings();
  xmlParserMaxDepth = kDeepestTree;

  ParseErrors errors;
  xmlSetStructuredErrorFunc(&errors, noteError);
  Doc doc(htmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                         HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET));
  xmlSetStructuredErrorFunc(nullptr, nullptr);

  if (errors.unknownCharset) return UnreadableFile{Reason::unknownCharset, *errors.unknownCharset};
  xmlNode* root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
  if (!root) return UnreadableFile{Reason::notBookmarkFile, {}};
  BookmarkTree tree;
  TreeWalk walk(tree);
  walk.run(root);
  if (!declaresBookmarkFile(doc.get()) && !walk.sawBookmarkList()) return UnreadableFile{Reason::notBookmarkFile, {}};
  return tree;
}

}  // namespace tarvola
