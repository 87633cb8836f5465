#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// Menu item 修改网站类别: renames the selected category and rebuilds List1.
void xgwzlb_Click(Host& host, DataFolder& folder);

}  // namespace tarvola
