#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvola {

// Whether a website that a category already holds (the same shown name and
// the same address) is added again: an import leaves it out, so that a file
// imported twice adds nothing the second time; a restore brings back exactly
// what was deleted.
enum class SitesAlreadyThere { addedAgain, leftOut };

// Appends to `records` each whole SiteRecord of `added` that neither `records`
// nor an earlier one of `added` holds; how many were left out.
std::size_t appendSitesNotThere(std::string& records, std::string_view added);

}  // namespace tarvola
