#include "store/data_files.h"

#include <algorithm>
#include <cctype>

namespace tarvola {

namespace {

constexpr std::string_view kDeletedEntriesStem = "已删除的收藏.";
constexpr std::string_view kHtml = ".html";

bool isNumber(std::string_view text) {
  return !text.empty() && text.size() <= 9 && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// `name` is `prefix`, a number, then `suffix`.
bool isNumbered(std::string_view name, std::string_view prefix, std::string_view suffix) {
  return name.size() > prefix.size() + suffix.size() && name.starts_with(prefix) && name.ends_with(suffix) &&
         isNumber(name.substr(prefix.size(), name.size() - prefix.size() - suffix.size()));
}

// orphan-N.dat or orphan-N-M.dat
bool isOrphanName(std::string_view name) {
  if (isNumbered(name, "orphan-", ".dat")) return true;
  const std::size_t dash = name.rfind('-');
  return dash != std::string_view::npos && isNumbered(name.substr(0, dash), "orphan-", "") &&
         isNumbered(name.substr(dash), "-", ".dat");
}

}  // namespace

std::string siteFileName(int listPosition) { return std::to_string(listPosition) + ".dat"; }

std::string deletedEntriesAsideName(int n) {
  return std::string(kDeletedEntriesStem).append(std::to_string(n)).append(kHtml);
}

bool isDeletedEntriesFileName(std::string_view name) {
  return name == kDeletedEntriesFileName || isNumbered(name, kDeletedEntriesStem, kHtml);
}

bool isLockFileName(std::string_view name) { return name == kWindowLockName || name == kChangeLockName; }

std::string changeTemporaryName(int n) { return "chg-" + std::to_string(n) + ".tmp"; }

std::string asideName(std::string_view name, int n) { return std::string(name) + "." + std::to_string(n); }

std::string orphanName(int listPosition, int n) {
  const std::string stem = "orphan-" + std::to_string(listPosition);
  return (n < 2 ? stem : stem + "-" + std::to_string(n)) + ".dat";
}

bool isFolderFileName(std::string_view name) {
  for (const std::string_view fixed : {kCategoryFileName, kTempCategoryFileName, kTempSiteFileName, kWindowLockName,
                                       kChangeLockName, kChangeRecordName}) {
    if (name == fixed) return true;
  }
  return isNumbered(name, "", ".dat") || isNumbered(name, "chg-", ".tmp") || isNumbered(name, "kl.dat.", "") ||
         isNumbered(name, "ls.dat.", "") || isDeletedEntriesFileName(name) || isOrphanName(name);
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::filesystem::path categoryFile(const std::filesystem::path& dataDir) { return dataDir / kCategoryFileName; }

std::filesystem::path siteFile(const std::filesystem::path& dataDir, int listPosition) {
  return dataDir / siteFileName(listPosition);
}

std::filesystem::path tempCategoryFile(const std::filesystem::path& dataDir) { return dataDir / kTempCategoryFileName; }

std::filesystem::path tempSiteFile(const std::filesystem::path& dataDir) { return dataDir / kTempSiteFileName; }

std::filesystem::path windowLockFile(const std::filesystem::path& dataDir) { return dataDir / kWindowLockName; }

std::filesystem::path changeLockFile(const std::filesystem::path& dataDir) { return dataDir / kChangeLockName; }

std::filesystem::path changeIntentFile(const std::filesystem::path& dataDir) { return dataDir / kChangeRecordName; }

}  // namespace tarvola
