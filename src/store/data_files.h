#pragma once

#include <filesystem>
#include <string_view>

namespace tarvola {

// The data files, all in the data directory beside the executable.
std::filesystem::path categoryFile(const std::filesystem::path& dataDir);                // wwww.dat
std::filesystem::path siteFile(const std::filesystem::path& dataDir, int listPosition);  // 0.dat, 1.dat, ...
std::filesystem::path tempCategoryFile(const std::filesystem::path& dataDir);            // kl.dat
std::filesystem::path tempSiteFile(const std::filesystem::path& dataDir);                // ls.dat

// A path given as UTF-8 text, read as UTF-8 on every platform.
std::filesystem::path pathFromUtf8(std::string_view utf8);

}  // namespace tarvola
