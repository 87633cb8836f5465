#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvola {

// A link and a folder of a browser bookmark file, in UTF-8. `attributes` are
// more attributes of the item as they stand in the file (" ADD_DATE=\"…\"").
struct BookmarkLink {
  std::string name;
  std::string address;
  std::string attributes = {};
};

struct BookmarkFolder {
  std::string name;
  std::vector<BookmarkLink> links;
  std::string attributes = {};
};

// A bookmark file as the browsers write one: UTF-8 with the charset line, one
// folder after the other. Chromium's reader goes line by line: every item
// keeps a line of its own.
std::string bookmarkHtml(std::string_view title, const std::vector<BookmarkFolder>& folders);
std::string bookmarkFolderHtml(const BookmarkFolder& folder);
std::string bookmarkHtmlHeader(std::string_view title);
inline constexpr std::string_view kBookmarkHtmlFooter = "</DL><p>\n";

// Text as it may stand in the file: markup characters and line breaks as
// references, NUL bytes left out.
std::string htmlEscaped(std::string_view text);

}  // namespace tarvola
