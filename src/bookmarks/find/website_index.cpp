#include "bookmarks/find/website_index.h"

#include <algorithm>

namespace tarvola {

namespace {

// A category's fields are matched once a word, not once a website.
std::vector<FieldMatch> categoryMatches(const IndexedFields& fields, const std::vector<IndexedFields::Id>& categories,
                                        const QueryWord& word) {
  std::vector<FieldMatch> matches;
  matches.reserve(categories.size());
  for (const IndexedFields::Id category : categories) matches.push_back(fields.match(category, word));
  return matches;
}

}  // namespace

WebsiteIndex::WebsiteIndex(const std::vector<BookmarkFolder>& collection) {
  std::size_t websites = 0;
  std::size_t bytes = 0;
  for (const BookmarkFolder& category : collection) {
    websites += category.links.size();
    bytes += category.name.size();
    for (const BookmarkLink& link : category.links) bytes += link.name.size() + link.address.size();
  }
  websites_.reserve(websites);
  entries_.reserve(websites);
  categories_.reserve(collection.size());
  fields_.reserve(collection.size() + 2 * websites, bytes);
  for (const BookmarkFolder& category : collection) {
    const auto position = static_cast<std::uint32_t>(categories_.size());
    categories_.push_back(fields_.add(category.name));
    for (const BookmarkLink& link : category.links) {
      websites_.push_back({category.name, link.name, link.address});
      const IndexedFields::Id name = fields_.add(link.name);
      entries_.push_back({position, name, fields_.add(link.address)});
    }
  }
}

std::vector<std::size_t> WebsiteIndex::find(std::string_view query) const {
  const std::vector<QueryWord> words = queryWords(query);
  std::vector<std::vector<FieldMatch>> byCategory;
  byCategory.reserve(words.size());
  for (const QueryWord& word : words) byCategory.push_back(categoryMatches(fields_, categories_, word));
  std::vector<std::size_t> first;
  std::vector<std::size_t> rest;
  for (std::size_t website = 0; website < entries_.size(); ++website) {
    const Entry& entry = entries_[website];
    FieldMatch worst = FieldMatch::wordStart;
    for (std::size_t w = 0; w < words.size() && worst != FieldMatch::none; ++w) {
      FieldMatch best = byCategory[w][entry.category];
      if (best != FieldMatch::wordStart) best = std::max(best, fields_.match(entry.name, words[w]));
      if (best != FieldMatch::wordStart) best = std::max(best, fields_.match(entry.address, words[w]));
      worst = std::min(worst, best);
    }
    if (worst == FieldMatch::wordStart) first.push_back(website);
    if (worst == FieldMatch::inside) rest.push_back(website);
  }
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

}  // namespace tarvola
