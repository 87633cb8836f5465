#include "ops/pending_change.h"

#include "store/change_intent.h"

namespace tarvola {

bool refuseWhileChangePending(Host& host, FileSystem& fs) {
  if (!changePending(fs, host.dataDirectory())) return false;
  host.setCaption("上次的更改尚未完成：请让程序所在的文件夹可以写入，然后重新启动程序");
  return true;
}

}  // namespace tarvola
