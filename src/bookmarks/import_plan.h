#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bookmarks/collection_additions.h"
#include "store/bookmark_file.h"
#include "store/records.h"

namespace tarvola {

struct SkippedBookmark {
  enum class Reason { notWebAddress, addressTooLong };
  Reason reason;
  std::string title;
  std::string address;
};

// What an import adds to a collection, and what it leaves out.
struct ImportPlan : Additions {
  std::vector<SkippedBookmark> skipped;
};

// Links outside every folder go to this category.
inline constexpr const char* kUnfiledCategory = "未分类";

// Called now and then with (links done, all links).
using Progress = std::function<void(std::size_t, std::size_t)>;

ImportPlan planImport(const std::vector<std::string>& shownCategories, const BookmarkTree& tree,
                      const Progress& progress = {});

// A title as browsers show it: runs of white space as one blank, none at either end.
std::string collapseWhiteSpace(std::string_view text);

}  // namespace tarvola
