#include "store/temporary_file.h"

#include <string>

#include "store/data_files.h"

namespace tarvola {

bool clearTemporaryFile(FileSystem& fs, const std::filesystem::path& temp) {
  const FsStatus removal = fs.remove(temp);
  if (isRemoved(removal)) return true;
  // A file that another program holds can't be moved either.
  if (removal == FsStatus::busy) return false;
  for (int n = 1; n <= kFreeNameTries; ++n) {
    const std::filesystem::path aside = temp.parent_path() / asideName(utf8Of(temp.filename()), n);
    const FsStatus status = fs.renameNoReplace(temp, aside);
    if (status == FsStatus::ok || status == FsStatus::missing) return fs.syncDirectory(temp.parent_path());
    if (status != FsStatus::exists) return false;
  }
  return false;
}

}  // namespace tarvola
