#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvola {

// The names of the data files, all in the data directory beside the executable.
inline constexpr std::string_view kCategoryFileName = "wwww.dat";
inline constexpr std::string_view kTempCategoryFileName = "kl.dat";
inline constexpr std::string_view kTempSiteFileName = "ls.dat";
std::string siteFileName(int listPosition);  // 0.dat, 1.dat, ...
// What deletions took, kept to be brought back: a bookmark file (UTF-8 name);
// one found damaged is moved aside under the name of number n.
inline constexpr std::string_view kDeletedEntriesFileName = "已删除的收藏.html";
std::string deletedEntriesAsideName(int n);  // 已删除的收藏.1.html, ...
bool isDeletedEntriesFileName(std::string_view name);

std::filesystem::path categoryFile(const std::filesystem::path& dataDir);                // wwww.dat
std::filesystem::path siteFile(const std::filesystem::path& dataDir, int listPosition);  // 0.dat, 1.dat, ...
std::filesystem::path tempCategoryFile(const std::filesystem::path& dataDir);            // kl.dat
std::filesystem::path tempSiteFile(const std::filesystem::path& dataDir);                // ls.dat

// The two locks of a data folder, no data of their own: one held by the
// running window for its life, one held for the length of every change.
std::filesystem::path windowLockFile(const std::filesystem::path& dataDir);
std::filesystem::path changeLockFile(const std::filesystem::path& dataDir);
bool isLockFileName(std::string_view name);

// A path given as UTF-8 text, read as UTF-8 on every platform.
std::filesystem::path pathFromUtf8(std::string_view utf8);
// A path as UTF-8 text, on every platform.
std::string utf8Of(const std::filesystem::path& path);

}  // namespace tarvola
