#include "bookmarks/find/collection_search.h"

#include <utility>

#include "bookmarks/find/website_match.h"

namespace tarvola {

CollectionSearch::CollectionSearch(std::string_view query) : words_(queryWords(query)) {}

void CollectionSearch::take(BookmarkFolder&& category) {
  fields_.clear();
  const IndexedFields::Id name = fields_.add(category.name);
  categoryMatches_.clear();
  for (const QueryWord& word : words_) categoryMatches_.push_back(fields_.match(name, word));
  for (BookmarkLink& link : category.links) {
    const IndexedFields::Id linkName = fields_.add(link.name);
    const IndexedFields::Id address = fields_.add(link.address);
    const FieldMatch match =
        websiteMatch(fields_, linkName, address, words_, [this](std::size_t w) { return categoryMatches_[w]; });
    if (match == FieldMatch::none) continue;
    (match == FieldMatch::wordStart ? first_ : rest_)
        .push_back({category.name, std::move(link.name), std::move(link.address)});
  }
}

std::vector<FoundWebsite> CollectionSearch::found() && {
  first_.insert(first_.end(), std::make_move_iterator(rest_.begin()), std::make_move_iterator(rest_.end()));
  return std::move(first_);
}

}  // namespace tarvola
