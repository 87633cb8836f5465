#include "ops/categories/site_file_renumbering.h"

#include <vector>

#include "store/data_files.h"

namespace tarvola {

namespace {

struct Move {
  std::filesystem::path from;
  std::filesystem::path to;
};

class Renumbering {
 public:
  Renumbering(FileSystem& fs, const std::filesystem::path& dataDir) : fs_(fs), dataDir_(dataDir) {}

  // False only when the file is there and could not be moved.
  bool move(const std::filesystem::path& from, const std::filesystem::path& to) {
    const FsStatus status = fs_.renameNoReplace(from, to);
    if (status == FsStatus::ok) done_.push_back({from, to});
    return status != FsStatus::failed;
  }

  bool parkDeleted(int position) {
    // A left-over ls.dat is the temporary file of an interrupted rewrite whose
    // site file is whole, or the websites of a category already deleted.
    fs_.remove(tempSiteFile(dataDir_));
    return move(siteFile(dataDir_, position), tempSiteFile(dataDir_));
  }

  bool moveDown(int deleted, int last) {
    for (int position = deleted; position < last; ++position) {
      if (!move(siteFile(dataDir_, position + 1), siteFile(dataDir_, position))) return false;
    }
    return true;
  }

  void putBack() {
    while (!done_.empty()) {
      fs_.renameNoReplace(done_.back().to, done_.back().from);
      done_.pop_back();
    }
  }

 private:
  FileSystem& fs_;
  const std::filesystem::path& dataDir_;
  std::vector<Move> done_;
};

}  // namespace

bool moveSiteFilesDown(FileSystem& fs, const std::filesystem::path& dataDir, int deleted, int last) {
  Renumbering renumbering(fs, dataDir);
  if (renumbering.parkDeleted(deleted) && renumbering.moveDown(deleted, last)) return true;
  renumbering.putBack();
  return false;
}

}  // namespace tarvola
