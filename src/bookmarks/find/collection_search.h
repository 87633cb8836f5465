#pragma once

#include <string_view>
#include <vector>

#include "bookmarks/find/indexed_fields.h"
#include "bookmarks/find/website_index.h"
#include "store/bookmark_html.h"

namespace tarvola {

// A query over a collection handed on one category at a time, as it is read:
// nothing is kept of a category but the websites it finds. Finds what
// WebsiteIndex::find finds, in the same order, without building the index.
class CollectionSearch {
 public:
  explicit CollectionSearch(std::string_view query);

  void take(BookmarkFolder&& category);
  // The best first, as WebsiteIndex::find orders them.
  std::vector<FoundWebsite> found() &&;

 private:
  std::vector<QueryWord> words_;
  IndexedFields fields_;  // the category's own, made anew for each
  std::vector<FieldMatch> categoryMatches_;
  std::vector<FoundWebsite> first_;
  std::vector<FoundWebsite> rest_;
};

}  // namespace tarvola
