#include "bench/workload.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "store/data_files.h"
#include "store/records.h"

namespace tarvola::bench {

namespace {

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("can't write " + path.string());
}

std::string numbered(const char* prefix, int index, const char* suffix = "") {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%05d", index);
  return std::string(prefix) + digits + suffix;
}

}  // namespace

std::string categoryName(int index) { return numbered("网站类别 ", index); }
std::string siteName(int index) { return numbered("精品网站 ", index); }
std::string siteUrl(int index) { return numbered("http://www.site", index, ".example.com/"); }

std::vector<std::string> categoryNames(int count) {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) names.push_back(categoryName(i));
  return names;
}

std::vector<std::string> siteNames(int count) {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) names.push_back(siteName(i));
  return names;
}

std::string categoryFileBytes(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += CategoryRecord::withName(categoryName(i)).bytes();
  return bytes;
}

std::string siteFileBytes(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += SiteRecord::with(siteName(i), siteUrl(i)).bytes();
  return bytes;
}

std::vector<Deletion> earlierDeletions(int count, int sitesEach) {
  constexpr std::int64_t kLastDay = 1796688000;  // 2026-12-08
  constexpr std::int64_t kDay = 86400;
  std::vector<Deletion> deletions;
  deletions.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    deletions.push_back({Deletion::Kind::category, kLastDay - kDay * (i + 1),
                         std::string(CategoryRecord::withName(categoryName(i)).bytes()), siteFileBytes(sitesEach)});
  }
  return deletions;
}

void writeCollection(const std::filesystem::path& dataDir, int categories, int withSites, int sitesEach) {
  writeFile(categoryFile(dataDir), categoryFileBytes(categories));
  const std::string sites = siteFileBytes(sitesEach);
  for (int position = 0; position < withSites; ++position) writeFile(siteFile(dataDir, position), sites);
}

}  // namespace tarvola::bench
