#include "store/data_files.h"

#include <algorithm>

namespace tarvola {

namespace {

constexpr std::string_view kWindowLockName = "tarvola.lock";
constexpr std::string_view kChangeLockName = "wwww.lock";

}  // namespace

std::string siteFileName(int listPosition) { return std::to_string(listPosition) + ".dat"; }

namespace {

constexpr std::string_view kDeletedEntriesStem = "已删除的收藏.";
constexpr std::string_view kHtml = ".html";

}  // namespace

std::string deletedEntriesAsideName(int n) {
  return std::string(kDeletedEntriesStem).append(std::to_string(n)).append(kHtml);
}

bool isDeletedEntriesFileName(std::string_view name) {
  if (name == kDeletedEntriesFileName) return true;
  if (!name.starts_with(kDeletedEntriesStem) || !name.ends_with(kHtml)) return false;
  const std::string_view number = name.substr(kDeletedEntriesStem.size(), name.size() - kDeletedEntriesStem.size() - kHtml.size());
  return !number.empty() && number.size() <= 9 &&
         std::ranges::all_of(number, [](char c) { return c >= '0' && c <= '9'; });
}

std::filesystem::path categoryFile(const std::filesystem::path& dataDir) { return dataDir / kCategoryFileName; }

std::filesystem::path siteFile(const std::filesystem::path& dataDir, int listPosition) {
  return dataDir / siteFileName(listPosition);
}

std::filesystem::path tempCategoryFile(const std::filesystem::path& dataDir) { return dataDir / kTempCategoryFileName; }

std::filesystem::path tempSiteFile(const std::filesystem::path& dataDir) { return dataDir / kTempSiteFileName; }

std::filesystem::path windowLockFile(const std::filesystem::path& dataDir) { return dataDir / kWindowLockName; }

std::filesystem::path changeLockFile(const std::filesystem::path& dataDir) { return dataDir / kChangeLockName; }

bool isLockFileName(std::string_view name) { return name == kWindowLockName || name == kChangeLockName; }

std::filesystem::path pathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace tarvola
