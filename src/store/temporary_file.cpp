#include "store/temporary_file.h"

#include <string>

namespace tarvola {

bool clearTemporaryFile(FileSystem& fs, const std::filesystem::path& temp) {
  if (fs.remove(temp) != FsStatus::failed) return true;
  for (int n = 1; n <= 100; ++n) {
    std::filesystem::path aside = temp;
    aside += '.';
    aside += std::to_string(n);
    const FsStatus status = fs.renameNoReplace(temp, aside);
    if (status == FsStatus::ok || status == FsStatus::missing) return fs.syncDirectory(temp.parent_path());
    if (status == FsStatus::failed) return false;
  }
  return false;
}

}  // namespace tarvola
