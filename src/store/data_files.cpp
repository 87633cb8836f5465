#include "store/data_files.h"

#include <string>

namespace tarvola {

std::filesystem::path categoryFile(const std::filesystem::path& dataDir) { return dataDir / "wwww.dat"; }

std::filesystem::path siteFile(const std::filesystem::path& dataDir, int listPosition) {
  return dataDir / (std::to_string(listPosition) + ".dat");
}

std::filesystem::path tempCategoryFile(const std::filesystem::path& dataDir) { return dataDir / "kl.dat"; }

std::filesystem::path tempSiteFile(const std::filesystem::path& dataDir) { return dataDir / "ls.dat"; }

std::filesystem::path pathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace tarvola
