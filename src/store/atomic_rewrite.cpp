#include "store/atomic_rewrite.h"

#include <memory>

namespace tarvola {

namespace {

bool writeComplete(FileSystem& fs, const std::filesystem::path& path, std::string_view content) {
  std::unique_ptr<File> file = fs.open(path, OpenMode::truncate);
  if (!file) return false;
  return file->writeAt(0, content) && file->sync();
}

}  // namespace

bool rewriteAtomically(FileSystem& fs, const std::filesystem::path& target, const std::filesystem::path& temp,
                       std::string_view content) {
  // The handle is closed before the rename: Windows won't rename an open file.
  if (writeComplete(fs, temp, content) && fs.replace(temp, target) == FsStatus::ok) return true;
  fs.remove(temp);
  return false;
}

}  // namespace tarvola
