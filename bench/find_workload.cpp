#include "bench/find_workload.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "bench/workload.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola::bench {

namespace {

// Names as a person's collection has them: sixteen kinds of site, one after another.
constexpr std::array<std::string_view, 16> kSiteKinds = {
    "新浪新闻", "百度搜索", "网易邮箱", "腾讯视频", "淘宝购物", "京东商城", "知乎问答", "豆瓣读书",
    "携程旅行", "新华字典", "人民日报", "中国银行", "天气预报", "地图导航", "音乐电台", "在线课堂"};

std::string fiveDigits(int number) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%05d", number);
  return digits;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("can't write " + path.string());
}

std::vector<std::string> wordsOf(std::string_view query) {
  std::istringstream in{std::string(query)};
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

}  // namespace

std::string findSiteName(int index) {
  return std::string(kSiteKinds[static_cast<std::size_t>(index) % kSiteKinds.size()]) + " " + fiveDigits(index);
}

std::string findSiteUrl(int index) { return "http://www.site" + fiveDigits(index) + ".example.com/"; }

void writeFindCollection(const std::filesystem::path& dataDir) {
  writeFile(categoryFile(dataDir), categoryFileBytes(kFindCategories));
  for (int category = 0; category < kFindCategories; ++category) {
    std::string sites;
    for (int place = 0; place < kFindSitesEach; ++place) {
      const int index = category * kFindSitesEach + place;
      sites += SiteRecord::with(findSiteName(index), findSiteUrl(index)).bytes();
    }
    writeFile(siteFile(dataDir, category), sites);
  }
}

std::vector<int> websitesHolding(std::string_view query) {
  const std::vector<std::string> words = wordsOf(query);
  std::vector<int> found;
  for (int index = 0; index < kFindCategories * kFindSitesEach; ++index) {
    const std::string fields = findSiteName(index) + "\n" + findSiteUrl(index) + "\n" + categoryName(index / kFindSitesEach);
    bool all = true;
    for (const std::string& word : words) all = all && fields.find(word) != std::string::npos;
    if (all) found.push_back(index);
  }
  return found;
}

}  // namespace tarvola::bench
