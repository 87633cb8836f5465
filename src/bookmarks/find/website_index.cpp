#include "bookmarks/find/website_index.h"

#include <algorithm>

#include "bookmarks/find/website_match.h"

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
  reserveFor(collection);
  for (const BookmarkFolder& category : collection) {
    addCategory(category.name);
    for (const BookmarkLink& link : category.links) addWebsite(category.name, link.name, link.address);
  }
}

void WebsiteIndex::reserveFor(const std::vector<BookmarkFolder>& collection) {
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
}

void WebsiteIndex::add(BookmarkFolder&& category) {
  addCategory(category.name);
  for (BookmarkLink& link : category.links)
    addWebsite(category.name, std::move(link.name), std::move(link.address));
}

void WebsiteIndex::addCategory(std::string_view name) { categories_.push_back(fields_.add(name)); }

void WebsiteIndex::addWebsite(std::string category, std::string name, std::string address) {
  const IndexedFields::Id nameField = fields_.add(name);
  entries_.push_back({static_cast<std::uint32_t>(categories_.size() - 1), nameField, fields_.add(address)});
  websites_.push_back({std::move(category), std::move(name), std::move(address)});
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
    const FieldMatch worst = websiteMatch(fields_, entry.name, entry.address, words,
                                          [&](std::size_t w) { return byCategory[w][entry.category]; });
    if (worst == FieldMatch::wordStart) first.push_back(website);
    if (worst == FieldMatch::inside) rest.push_back(website);
  }
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

}  // namespace tarvola
