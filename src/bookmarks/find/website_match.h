#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "bookmarks/find/indexed_fields.h"

namespace tarvola {

// How a website answers a query: each word by the best of its fields (the
// category's match, `categoryMatch(w)`, worked out once a category), the
// query by its worst word.
template <typename CategoryMatch>
FieldMatch websiteMatch(const IndexedFields& fields, IndexedFields::Id name, IndexedFields::Id address,
                        const std::vector<QueryWord>& words, const CategoryMatch& categoryMatch) {
  FieldMatch worst = FieldMatch::wordStart;
  for (std::size_t w = 0; w < words.size() && worst != FieldMatch::none; ++w) {
    FieldMatch best = categoryMatch(w);
    if (best != FieldMatch::wordStart) best = std::max(best, fields.match(name, words[w]));
    if (best != FieldMatch::wordStart) best = std::max(best, fields.match(address, words[w]));
    worst = std::min(worst, best);
  }
  return worst;
}

}  // namespace tarvola
