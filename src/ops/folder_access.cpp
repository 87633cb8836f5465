#include "ops/folder_access.h"

#include <string>

namespace tarvola {

namespace {

// Says in the caption why the window can't show or change the websites now.
bool sayWhyNot(Host& host, FolderChange::State state) {
  switch (state) {
    case FolderChange::State::ready: return false;
    case FolderChange::State::busy: host.setCaption("另一个程序正在更改收藏，请稍后再试"); return true;
    case FolderChange::State::pending:
      host.setCaption("上次的更改尚未完成：请让程序所在的文件夹可以写入，然后再试一次");
      return true;
  }
  return true;
}

}  // namespace

WindowChange::WindowChange(Host& host, DataFolder& folder) : FolderChange(folder, kWindowPatience) {
  sayWhyNot(host, state());
}

bool refuseWhileChangePending(Host& host, DataFolder& folder) {
  if (!folder.changePending()) return false;
  return !WindowChange(host, folder).ready();
}

void sayChangeFailed(Host& host, std::string_view file) {
  host.setCaption("无法写入“" + std::string(file) + "”，未做任何更改");
}

}  // namespace tarvola
