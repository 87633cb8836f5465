#pragma once

#include "host/host.h"
#include "store/file_system.h"

namespace tarvola {

// Menu item 添加网站类别: appends a category to wwww.dat and rebuilds List1.
void wzlb_Click(Host& host, FileSystem& fs);

}  // namespace tarvola
