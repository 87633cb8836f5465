#include "ops/categories/data_dir_view.h"

#include "ops/browse/category_selection.h"
#include "ops/browse/form_load.h"
#include "store/data_files.h"
#include "store/data_folder.h"
#include "support/fake_host.h"
#include "support/file_bytes.h"

namespace tarvola::test {

// The lock files hold no data: they are left out. A directory shows as "/", which no file's bytes are compared to.
Files filesIn(const std::filesystem::path& dir) {
  Files files;
  for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = utf8Of(entry.path().filename());
    if (!isLockFileName(name)) files[name] = entry.is_directory() ? "/" : readBytes(entry.path());
  }
  return files;
}

Files dataFilesIn(const std::filesystem::path& dir) {
  Files files = filesIn(dir);
  std::erase_if(files, [](const auto& file) { return isDeletedEntriesFileName(file.first); });
  return files;
}

void writeFiles(const std::filesystem::path& dir, const Files& files) {
  for (const auto& [name, bytes] : files) writeBytes(dir / pathFromUtf8(name), bytes);
}

Shown shownAfterRestart(const std::filesystem::path& dir, FileSystem& fs) {
  FakeHost host;
  DataFolder folder(dir, fs);
  Form_Load(host, folder);
  Shown shown;
  const std::vector<std::string> categories = host.items(ListBox::List1);
  for (std::size_t position = 0; position < categories.size(); ++position) {
    host.select(ListBox::List1, static_cast<int>(position));
    List1_Click(host, folder);
    shown.emplace_back(categories[position], host.items(ListBox::List2));
  }
  return shown;
}

}  // namespace tarvola::test
