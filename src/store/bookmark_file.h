#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvola {

// A link of a bookmark file, in UTF-8 as the file holds it.
struct Bookmark {
  static constexpr int kOutsideFolders = -1;

  int folder = kOutsideFolders;  // index into BookmarkTree::folders
  std::size_t foldersBefore = 0;  // folders that appear in the file before the link
  std::string title;
  std::string address;
};

// A bookmark file's folders and links in the order they appear. A nested
// folder's name is its path, parent and child joined by "/".
struct BookmarkTree {
  std::vector<std::string> folders;
  std::vector<Bookmark> links;
};

// Larger than any browser writes: refused by its size, before it is read.
inline constexpr std::size_t kLargestBookmarkFile = std::size_t{512} * 1024 * 1024;

struct UnreadableFile {
  enum class Reason { notBookmarkFile, unknownCharset, tooLarge };
  Reason reason;
  std::string charset;  // for unknownCharset
};

std::variant<BookmarkTree, UnreadableFile> parseBookmarkFile(std::string_view bytes);

}  // namespace tarvola
