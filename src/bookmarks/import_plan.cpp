#include "bookmarks/import_plan.h"

#include "bookmarks/web_address.h"
#include "store/text_codec.h"

namespace tarvola {

namespace {

constexpr const char* kUnnamedFolder = "未命名";
constexpr std::size_t kProgressStep = 1000;

bool isWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Categories by shown name; a name that is there twice resolves to the first.
class CategoryIndex {
 public:
  CategoryIndex(const std::vector<std::string>& shown, ImportPlan& plan) : plan_(plan), existing_(shown.size()) {
    for (std::size_t i = 0; i < shown.size(); ++i) positions_.try_emplace(shown[i], static_cast<int>(i));
  }

  // The list position of the category of this name, appended when there is none.
  int positionOf(std::string_view name) {
    CategoryRecord record = CategoryRecord::withName(name);
    const auto [at, added] =
        positions_.try_emplace(record.shownName(), static_cast<int>(existing_ + plan_.newCategories.size()));
    if (added) plan_.newCategories.push_back(record);
    return at->second;
  }

 private:
  ImportPlan& plan_;
  std::size_t existing_;
  std::map<std::string, int> positions_;
};

}  // namespace

std::string collapseWhiteSpace(std::string_view text) {
  std::string collapsed;
  bool blank = false;
  for (const char c : text) {
    if (isWhiteSpace(c)) {
      blank = !collapsed.empty();
      continue;
    }
    if (blank) collapsed += ' ';
    blank = false;
    collapsed += c;
  }
  return collapsed;
}

ImportPlan planImport(const std::vector<std::string>& shownCategories, const BookmarkTree& tree,
                      const Progress& progress) {
  ImportPlan plan;
  CategoryIndex categories(shownCategories, plan);
  std::vector<int> folderPositions;
  auto placeFoldersUpTo = [&](std::size_t count) {
    while (folderPositions.size() < count && folderPositions.size() < tree.folders.size()) {
      std::string name = collapseWhiteSpace(tree.folders[folderPositions.size()]);
      folderPositions.push_back(categories.positionOf(name.empty() ? kUnnamedFolder : name));
    }
  };

  for (std::size_t i = 0; i < tree.links.size(); ++i) {
    if (progress && i % kProgressStep == 0) progress(i, tree.links.size());
    const Bookmark& link = tree.links[i];
    placeFoldersUpTo(link.foldersBefore);
    std::string title = collapseWhiteSpace(link.title);
    const std::string address = collapseWhiteSpace(link.address);
    if (!isWebAddress(address)) {
      plan.skipped.push_back({SkippedBookmark::Reason::notWebAddress, std::move(title), address});
      continue;
    }
    if (encodeAnsi(address).size() > SiteRecord::kUrlWidth) {
      plan.skipped.push_back({SkippedBookmark::Reason::addressTooLong, std::move(title), address});
      continue;
    }
    const int position = link.folder == Bookmark::kOutsideFolders ? categories.positionOf(kUnfiledCategory)
                                                                  : folderPositions[static_cast<std::size_t>(link.folder)];
    plan.appendedSites[position] += SiteRecord::with(title.empty() ? address : title, address).bytes();
  }
  placeFoldersUpTo(tree.folders.size());
  if (progress) progress(tree.links.size(), tree.links.size());
  return plan;
}

}  // namespace tarvola
