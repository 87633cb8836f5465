#pragma once

#include "host/host.h"
#include "store/file_system.h"

namespace tarvola {

// Menu item 修改网站类别: renames the selected category and rebuilds List1.
void xgwzlb_Click(Host& host, FileSystem& fs);

}  // namespace tarvola
