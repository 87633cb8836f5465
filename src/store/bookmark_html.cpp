#include "store/bookmark_html.h"

namespace tarvola {

std::string htmlEscaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '&': escaped += "&amp;"; break;
      case '"': escaped += "&quot;"; break;
      case '\r': escaped += "&#13;"; break;
      case '\n': escaped += "&#10;"; break;
      case '\0': break;  // what a damaged record holds; a reader would end the file there
      default: escaped += c;
    }
  }
  return escaped;
}

std::string bookmarkHtmlHeader(std::string_view title) {
  std::string header =
      "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
      "<!-- This is an automatically generated file.\n"
      "     It will be read and overwritten.\n"
      "     DO NOT EDIT! -->\n"
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n";
  const std::string shown = htmlEscaped(title);
  return header.append("<TITLE>").append(shown).append("</TITLE>\n<H1>").append(shown).append("</H1>\n<DL><p>\n");
}

std::string bookmarkFolderHtml(const BookmarkFolder& folder) {
  std::string text = "    <DT><H3" + folder.attributes + ">" + htmlEscaped(folder.name) + "</H3>\n    <DL><p>\n";
  for (const BookmarkLink& link : folder.links) {
    text.append("        <DT><A HREF=\"").append(htmlEscaped(link.address)).append("\"").append(link.attributes);
    text.append(">").append(htmlEscaped(link.name)).append("</A>\n");
  }
  return text + "    </DL><p>\n";
}

std::string bookmarkHtml(std::string_view title, const std::vector<BookmarkFolder>& folders) {
  std::string text = bookmarkHtmlHeader(title);
  for (const BookmarkFolder& folder : folders) text += bookmarkFolderHtml(folder);
  return text.append(kBookmarkHtmlFooter);
}

}  // namespace tarvola
