#include "store/atomic_rewrite.h"

#include <memory>

#include "store/temporary_file.h"

namespace tarvola {

bool writeComplete(FileSystem& fs, const std::filesystem::path& path, std::string_view content) {
  std::unique_ptr<File> file = fs.open(path, OpenMode::truncate);
  // A name taken by what isn't a file (a directory parked there) is cleared, then tried once more.
  if (!file && fs.lookUp(path) == FsStatus::ok && clearTemporaryFile(fs, path)) file = fs.open(path, OpenMode::truncate);
  if (!file) return false;
  return file->writeAt(0, content) && file->sync();
}

bool rewriteAtomically(FileSystem& fs, const std::filesystem::path& target, const std::filesystem::path& temp,
                       std::string_view content) {
  // The handle is closed before the rename: Windows won't rename an open file.
  if (writeComplete(fs, temp, content) && fs.replace(temp, target) == FsStatus::ok) return true;
  fs.remove(temp);
  return false;
}

}  // namespace tarvola
