#include "bookmarks/find/website_index.h"

#include <algorithm>

namespace tarvola {

namespace {

// A category's fields are matched once a word, not once a website.
std::vector<FieldMatch> categoryMatches(const std::vector<IndexedField>& categories, const QueryWord& word) {
  std::vector<FieldMatch> matches;
  matches.reserve(categories.size());
  for (const IndexedField& category : categories) matches.push_back(category.match(word));
  return matches;
}

}  // namespace

WebsiteIndex::WebsiteIndex(const std::vector<BookmarkFolder>& collection) {
  for (const BookmarkFolder& category : collection) {
    const auto position = static_cast<std::uint32_t>(categories_.size());
    categories_.emplace_back(category.name);
    for (const BookmarkLink& link : category.links) {
      websites_.push_back({category.name, link.name, link.address});
      entries_.push_back({position, IndexedField(link.name), IndexedField(link.address)});
    }
  }
}

std::vector<std::size_t> WebsiteIndex::find(std::string_view query) const {
  const std::vector<QueryWord> words = queryWords(query);
  std::vector<std::vector<FieldMatch>> byCategory;
  byCategory.reserve(words.size());
  for (const QueryWord& word : words) byCategory.push_back(categoryMatches(categories_, word));
  std::vector<std::size_t> first;
  std::vector<std::size_t> rest;
  for (std::size_t website = 0; website < entries_.size(); ++website) {
    const Entry& entry = entries_[website];
    FieldMatch worst = FieldMatch::wordStart;
    for (std::size_t w = 0; w < words.size() && worst != FieldMatch::none; ++w) {
      FieldMatch best = byCategory[w][entry.category];
      if (best != FieldMatch::wordStart) best = std::max(best, entry.name.match(words[w]));
      if (best != FieldMatch::wordStart) best = std::max(best, entry.address.match(words[w]));
      worst = std::min(worst, best);
    }
    if (worst == FieldMatch::wordStart) first.push_back(website);
    if (worst == FieldMatch::inside) rest.push_back(website);
  }
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

}  // namespace tarvola
