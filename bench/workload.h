#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/deleted_entries.h"

namespace tarvola::bench {

// The collections the benchmarks work on: names as a person might type them,
// in Chinese, so every name goes through the code page.
std::string categoryName(int index);
std::string siteName(int index);
std::string siteUrl(int index);

// The names a list shows for the first `count` entries.
std::vector<std::string> categoryNames(int count);
std::vector<std::string> siteNames(int count);

// The file bytes of those collections.
std::string categoryFileBytes(int count);
std::string siteFileBytes(int count);

// What months of use leave in the file of deleted entries: `count` deleted
// categories of `sitesEach` websites each, a day apart, newest first.
std::vector<Deletion> earlierDeletions(int count, int sitesEach);

// wwww.dat with `categories` categories; the first `withSites` of them get a
// site file of `sitesEach` websites.
void writeCollection(const std::filesystem::path& dataDir, int categories, int withSites, int sitesEach);

}  // namespace tarvola::bench
