#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bookmarks/find/indexed_fields.h"
#include "store/bookmark_html.h"

namespace tarvola {

// A website as the window shows it, with its category's name.
struct FoundWebsite {
  std::string category;
  std::string name;
  std::string address;
};

// Every website of a collection, normalised once for searches as you type.
class WebsiteIndex {
 public:
  WebsiteIndex() = default;
  explicit WebsiteIndex(const std::vector<BookmarkFolder>& collection);

  // The category after the last, its texts taken over: an index built as the collection is read.
  void add(BookmarkFolder&& category);

  // The websites in which every blank-separated word of `query` is found, in
  // any of name, address and category name (each word in any): those where
  // every word starts a word of its field first, then the rest; within each,
  // in the collection's order. Positions in websites(). An empty query finds
  // every website.
  std::vector<std::size_t> find(std::string_view query) const;

  const std::vector<FoundWebsite>& websites() const { return websites_; }

 private:
  struct Entry {
    std::uint32_t category;  // its place among the categories
    IndexedFields::Id name;
    IndexedFields::Id address;
  };

  void reserveFor(const std::vector<BookmarkFolder>& collection);
  void addCategory(std::string_view name);
  void addWebsite(std::string category, std::string name, std::string address);

  std::vector<FoundWebsite> websites_;
  IndexedFields fields_;
  std::vector<IndexedFields::Id> categories_;
  std::vector<Entry> entries_;
};

}  // namespace tarvola
