// Arbitrary bytes as the category file and as site files, then a run of
// events — start-up, selections, every menu operation — with the answers and
// selections the input picks, on a real data directory.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "ops/browse/category_selection.h"
#include "ops/browse/form_load.h"
#include "ops/browse/website_selection.h"
#include "ops/categories/add_category.h"
#include "ops/categories/delete_category.h"
#include "ops/categories/rename_category.h"
#include "ops/sites/add_website.h"
#include "ops/sites/delete_website.h"
#include "ops/sites/modify_website.h"
#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/file_system.h"
#include "support/fake_host.h"
#include "support/file_bytes.h"

namespace {

using namespace tarvola;
using test::FakeHost;

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

// One data directory for the whole run, in memory where the system has a RAM disk.
class DataDir {
 public:
  DataDir() {
    const std::filesystem::path ram = "/dev/shm";
    const std::filesystem::path base = std::filesystem::is_directory(ram) ? ram : std::filesystem::temp_directory_path();
    path_ = base / pathFromUtf8("网站 fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path_);
  }
  ~DataDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  DataDir(const DataDir&) = delete;
  DataDir& operator=(const DataDir&) = delete;

  const std::filesystem::path& emptied() {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) std::filesystem::remove_all(entry.path());
    return path_;
  }

 private:
  std::filesystem::path path_;
};

// wwww.dat, a few site files, and maybe a file or a directory where a
// temporary or a site file should be.
void writeFiles(FuzzedDataProvider& input, const std::filesystem::path& dir) {
  test::writeBytes(categoryFile(dir), input.ConsumeRandomLengthString(2000));
  const int siteFiles = input.ConsumeIntegralInRange(0, 4);
  for (int i = 0; i < siteFiles; ++i) {
    const int position = input.ConsumeIntegralInRange(0, 6);
    test::writeBytes(siteFile(dir, position), input.ConsumeRandomLengthString(3000));
  }
  if (!input.ConsumeBool()) return;
  const std::filesystem::path odd[] = {tempCategoryFile(dir), tempSiteFile(dir), siteFile(dir, 0), siteFile(dir, 1)};
  const std::filesystem::path& path = odd[input.ConsumeIntegralInRange(0, 3)];
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  if (input.ConsumeBool()) {
    std::filesystem::create_directory(path);
  } else {
    test::writeBytes(path, input.ConsumeRandomLengthString(600));
  }
}

std::unique_ptr<FakeHost> started(DataFolder& folder) {
  auto host = std::make_unique<FakeHost>();
  Form_Load(*host, folder);
  return host;
}

// A list rebuilt by an operation shows what a fresh start shows for the same selection.
void checkListsShowFiles(FakeHost& host, DataFolder& folder, int list1Rebuilds, int list2Rebuilds, int category) {
  if (host.rebuilds(ListBox::List1) == list1Rebuilds && host.rebuilds(ListBox::List2) == list2Rebuilds) return;
  const std::unique_ptr<FakeHost> fresh = started(folder);
  if (host.rebuilds(ListBox::List1) != list1Rebuilds) {
    require(host.items(ListBox::List1) == fresh->items(ListBox::List1), "List1 shows the category file");
  }
  if (host.rebuilds(ListBox::List2) != list2Rebuilds && category >= 0) {
    fresh->select(ListBox::List1, category);
    List1_Click(*fresh, folder);
    require(host.items(ListBox::List2) == fresh->items(ListBox::List2), "List2 shows the site file");
  }
}

int pickRow(FuzzedDataProvider& input, FakeHost& host, ListBox list) {
  const int count = static_cast<int>(host.items(list).size());
  return input.ConsumeIntegralInRange(-1, count - 1);
}

using Handler = void (*)(Host&, DataFolder&);
constexpr Handler kMenuItems[] = {wzlb_Click, xgwzlb_Click, scwzlb_Click, tjwz_Click, xgwz_Click, scwz_Click};

void runEvent(FuzzedDataProvider& input, std::unique_ptr<FakeHost>& host, DataFolder& folder) {
  switch (const int event = input.ConsumeIntegralInRange(0, 9)) {
    case 0:
      host->select(ListBox::List1, pickRow(input, *host, ListBox::List1));
      List1_Click(*host, folder);
      break;
    case 1:
      host->select(ListBox::List2, pickRow(input, *host, ListBox::List2));
      List2_Click(*host, folder);
      break;
    case 2:
      List2_DblClick(*host, folder);
      break;
    case 3:
      host = started(folder);
      break;
    default: {
      host->answerInput(input.ConsumeRandomLengthString(80));
      host->answerInput(input.ConsumeRandomLengthString(240));
      host->answerConfirm(input.ConsumeBool());
      const int list1 = host->rebuilds(ListBox::List1);
      const int list2 = host->rebuilds(ListBox::List2);
      const int category = host->selectedIndex(ListBox::List1);
      kMenuItems[event - 4](*host, folder);
      checkListsShowFiles(*host, folder, list1, list2, category);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static DataDir dataDir;
  FuzzedDataProvider input(data, size);
  const std::filesystem::path& dir = dataDir.emptied();
  writeFiles(input, dir);
  DataFolder folder(dir, nativeFileSystem());
  std::unique_ptr<FakeHost> host = started(folder);
  for (int events = 0; events < 24 && input.remaining_bytes() > 0; ++events) runEvent(input, host, folder);
  return 0;
}
