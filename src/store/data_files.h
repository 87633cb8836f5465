#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvola {

// Every name of a data folder's files, in one place: DataFolder and the
// change it makes are the only ones that reach them.
inline constexpr std::string_view kCategoryFileName = "wwww.dat";
inline constexpr std::string_view kTempCategoryFileName = "kl.dat";
inline constexpr std::string_view kTempSiteFileName = "ls.dat";
std::string siteFileName(int listPosition);  // 0.dat, 1.dat, ...
// What deletions took, kept to be brought back: a bookmark file (UTF-8 name);
// one found damaged is moved aside under the name of number n.
inline constexpr std::string_view kDeletedEntriesFileName = "已删除的收藏.html";
std::string deletedEntriesAsideName(int n);  // 已删除的收藏.1.html, ...
bool isDeletedEntriesFileName(std::string_view name);
// The two locks, no data of their own: one held by the running window for its
// life, one held for the length of every change.
inline constexpr std::string_view kWindowLockName = "tarvola.lock";
inline constexpr std::string_view kChangeLockName = "wwww.lock";
bool isLockFileName(std::string_view name);
// The record of a change of several files while it is carried out, and the
// change's own flushed temporaries, numbered from 0.
inline constexpr std::string_view kChangeRecordName = "wwww.chg";
std::string changeTemporaryName(int n);  // chg-0.tmp, ...
// Where a temporary's name is cleared by moving what stands there aside: ls.dat.1, ...
std::string asideName(std::string_view name, int n);
// A site file that lay at a new category's place without belonging to one, kept.
std::string orphanName(int listPosition, int n);  // orphan-3.dat, orphan-3-2.dat, ...

// Any of the names above: a file of the folder's own, never a user's.
bool isFolderFileName(std::string_view name);

// How many names a search for a free one tries before it gives up.
inline constexpr int kFreeNameTries = 1000;

// A path given as UTF-8 text, read as UTF-8 on every platform.
std::filesystem::path pathFromUtf8(std::string_view utf8);
// A path as UTF-8 text, on every platform.
std::string utf8Of(const std::filesystem::path& path);

// Paths of the data files for test and benchmark fixtures, which lay out bytes.
std::filesystem::path categoryFile(const std::filesystem::path& dataDir);                // wwww.dat
std::filesystem::path siteFile(const std::filesystem::path& dataDir, int listPosition);  // 0.dat, 1.dat, ...
std::filesystem::path tempCategoryFile(const std::filesystem::path& dataDir);            // kl.dat
std::filesystem::path tempSiteFile(const std::filesystem::path& dataDir);                // ls.dat
std::filesystem::path windowLockFile(const std::filesystem::path& dataDir);
std::filesystem::path changeLockFile(const std::filesystem::path& dataDir);
std::filesystem::path changeIntentFile(const std::filesystem::path& dataDir);

}  // namespace tarvola
