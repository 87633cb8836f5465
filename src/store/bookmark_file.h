#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvola {

// Attributes of a folder's heading or of a link, under the names the reader
// asked for, as the file holds them.
using BookmarkAttributes = std::map<std::string, std::string, std::less<>>;

// A link of a bookmark file, in UTF-8 as the file holds it.
struct Bookmark {
  static constexpr int kOutsideFolders = -1;

  int folder = kOutsideFolders;  // index into BookmarkTree::folders
  std::size_t foldersBefore = 0;  // folders that appear in the file before the link
  std::string title;
  std::string address;
  BookmarkAttributes attributes = {};
};

// A bookmark file's folders and links in the order they appear.
struct BookmarkTree {
  struct Folder {
    std::string name;  // its heading's text
    int parent = Bookmark::kOutsideFolders;
    BookmarkAttributes attributes = {};
  };
  std::vector<Folder> folders;
  std::vector<Bookmark> links;
};

// Larger than any browser writes: refused by its size, before it is read.
inline constexpr std::size_t kLargestBookmarkFile = std::size_t{512} * 1024 * 1024;

struct UnreadableFile {
  enum class Reason { notBookmarkFile, unknownCharset, tooLarge, notReadWhole };
  Reason reason;
  std::string charset;  // for unknownCharset
};

// `attributes`: the attributes of folder headings (<H3>) and links (<A>) to
// hand back, named in any case.
std::variant<BookmarkTree, UnreadableFile> parseBookmarkFile(std::string_view bytes,
                                                             std::span<const std::string_view> attributes = {});

}  // namespace tarvola
