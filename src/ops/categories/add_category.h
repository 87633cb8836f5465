#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// Menu item 添加网站类别: appends a category to wwww.dat and rebuilds List1.
void wzlb_Click(Host& host, DataFolder& folder);

}  // namespace tarvola
