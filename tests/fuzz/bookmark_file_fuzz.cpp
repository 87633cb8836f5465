// Any bytes as a bookmark file, imported into a data directory with records
// in it: no crash, and the records that were there stay exactly as they were.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "bookmarks/bookmark_import.h"
#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/file_system.h"
#include "store/records.h"

namespace {

const std::filesystem::path& dataDir() {
  static const std::filesystem::path dir = [] {
    std::filesystem::path path = std::filesystem::temp_directory_path() / ("tarvola-bookmark-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return dir;
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string kCategories = std::string(tarvola::CategoryRecord::withName("书签栏").bytes()) +
                                std::string(tarvola::CategoryRecord::withName("未分类").bytes());
const std::string kSites = std::string(tarvola::SiteRecord::with("旧的", "http://old.example/").bytes());

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& dir = dataDir();
  for (const auto& entry : std::filesystem::directory_iterator(dir)) std::filesystem::remove(entry.path());
  writeFile(tarvola::categoryFile(dir), kCategories);
  writeFile(tarvola::siteFile(dir, 0), kSites);
  writeFile(tarvola::siteFile(dir, 1), kSites);
  tarvola::DataFolder folder(dir, tarvola::nativeFileSystem());
  tarvola::importBookmarks(folder, std::string_view(reinterpret_cast<const char*>(data), size));
  if (!readFile(tarvola::categoryFile(dir)).starts_with(kCategories)) std::abort();
  for (int position : {0, 1})
    if (!readFile(tarvola::siteFile(dir, position)).starts_with(kSites)) std::abort();
  return 0;
}
