#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <string>
#include <system_error>

#include "store/data_files.h"

namespace tarvola::test {

namespace {

std::filesystem::path uniqueName() {
  static std::atomic<unsigned> counter{0};
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  return pathFromUtf8("网站 收藏-" + std::to_string(now) + "-" + std::to_string(counter++));
}

}  // namespace

TempDir::TempDir() : path_(std::filesystem::temp_directory_path() / uniqueName()) {
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace tarvola::test
