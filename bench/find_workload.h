#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvola::bench {

// The largest collection to search: 32,767 categories of three websites each,
// every website with a name and an address of its own, so that a query finds
// a handful and not every category's copy of the same websites.
inline constexpr int kFindCategories = 32767;
inline constexpr int kFindSitesEach = 3;

// Website `index` of the whole collection (category * kFindSitesEach + its
// place): a Chinese site name with the website's number, and an address with it.
std::string findSiteName(int index);
std::string findSiteUrl(int index);

// wwww.dat and one site file for every category.
void writeFindCollection(const std::filesystem::path& dataDir);

// The websites (numbered as above) in which every blank-separated word of
// `query` occurs as it is in the name, the address or the category's name:
// what a query of plain Chinese words and digits must find, in any order.
std::vector<int> websitesHolding(std::string_view query);

}  // namespace tarvola::bench
