#include "ops/folder_access.h"

#include "store/change_intent.h"

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

WindowChange::WindowChange(Host& host, FileSystem& fs) : FolderChange(fs, host.dataDirectory(), kWindowPatience) {
  sayWhyNot(host, state());
}

bool refuseWhileChangePending(Host& host, FileSystem& fs) {
  if (!changePending(fs, host.dataDirectory())) return false;
  return !WindowChange(host, fs).ready();
}

}  // namespace tarvola
