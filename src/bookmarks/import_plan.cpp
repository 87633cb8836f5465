#include "bookmarks/import_plan.h"

#include "bookmarks/web_address.h"
#include "store/text_codec.h"

namespace tarvola {

namespace {

constexpr const char* kUnnamedFolder = "未命名";
constexpr std::size_t kProgressStep = 1000;

// Enough of a folder's path for any category name: a character takes a byte
// or more in the record and at most four bytes here.
constexpr std::size_t kUsablePathBytes = 4 * (CategoryRecord::kLength + 1);

bool isWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Text with its white space collapsed as it comes, so that a folder's path
// goes on from its parent's; what lies past `limit` is never looked at, so
// paths cost no more than a bounded piece each however deep the folders lie.
class CollapsedText {
 public:
  explicit CollapsedText(std::size_t limit = std::string::npos) : limit_(limit) {}

  void append(std::string_view text) {
    for (const char c : text) {
      if (text_.size() >= limit_) return;
      if (isWhiteSpace(c)) {
        blank_ = !text_.empty();
        continue;
      }
      if (blank_) text_ += ' ';
      blank_ = false;
      text_ += c;
    }
  }
  const std::string& text() const { return text_; }

 private:
  std::size_t limit_;
  std::string text_;
  bool blank_ = false;
};

// A folder's category name is its path, parent and child joined by "/".
CollapsedText pathOf(const BookmarkTree::Folder& folder, const std::vector<CollapsedText>& paths) {
  CollapsedText path(kUsablePathBytes);
  if (folder.parent != Bookmark::kOutsideFolders) {
    path = paths[static_cast<std::size_t>(folder.parent)];
    path.append("/");
  }
  path.append(folder.name);
  return path;
}

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
  CollapsedText collapsed;
  collapsed.append(text);
  return collapsed.text();
}

ImportPlan planImport(const std::vector<std::string>& shownCategories, const BookmarkTree& tree,
                      const Progress& progress) {
  ImportPlan plan;
  CategoryIndex categories(shownCategories, plan);
  std::vector<int> folderPositions;
  std::vector<CollapsedText> paths;
  auto placeFoldersUpTo = [&](std::size_t count) {
    while (folderPositions.size() < count && folderPositions.size() < tree.folders.size()) {
      CollapsedText path = pathOf(tree.folders[paths.size()], paths);
      const std::string& name = paths.emplace_back(std::move(path)).text();
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
