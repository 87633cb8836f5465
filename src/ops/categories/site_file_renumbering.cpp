#include "ops/categories/site_file_renumbering.h"

#include <string>

#include "store/data_files.h"

namespace tarvola {

namespace {

std::string nameOf(const std::filesystem::path& path) { return path.filename().string(); }

}  // namespace

std::optional<std::vector<ChangeStep>> siteFileMoves(FileSystem& fs, const std::filesystem::path& dataDir, int deleted,
                                                     int last) {
  std::vector<ChangeStep> moves;
  bool known = true;
  const auto moveIfThere = [&](const std::filesystem::path& from, const std::filesystem::path& to) {
    const FsStatus status = known ? fs.lookUp(from) : FsStatus::failed;
    known = status != FsStatus::failed;
    if (status == FsStatus::ok) moves.push_back({ChangeStep::Kind::moveNoReplace, nameOf(from), nameOf(to)});
  };
  moveIfThere(siteFile(dataDir, deleted), tempSiteFile(dataDir));
  for (int position = deleted; position < last && known; ++position) {
    moveIfThere(siteFile(dataDir, position + 1), siteFile(dataDir, position));
  }
  if (!known) return std::nullopt;
  return moves;
}

}  // namespace tarvola
