#pragma once

#include "host/host.h"
#include "store/file_system.h"

namespace tarvola {

// Menu item 删除网站类别: deletes the selected category with its websites and renumbers the later site files.
void scwzlb_Click(Host& host, FileSystem& fs);

}  // namespace tarvola
