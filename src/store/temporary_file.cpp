#include "store/temporary_file.h"

#include <string>

namespace tarvola {

bool clearTemporaryFile(FileSystem& fs, const std::filesystem::path& temp) {
  const FsStatus removal = fs.remove(temp);
  if (isRemoved(removal)) return true;
  // A file that another program holds can't be moved either.
  if (removal == FsStatus::busy) return false;
  for (int n = 1; n <= 100; ++n) {
    std::filesystem::path aside = temp;
    aside += '.';
    aside += std::to_string(n);
    const FsStatus status = fs.renameNoReplace(temp, aside);
    if (status == FsStatus::ok || status == FsStatus::missing) return fs.syncDirectory(temp.parent_path());
    if (status != FsStatus::exists) return false;
  }
  return false;
}

}  // namespace tarvola
