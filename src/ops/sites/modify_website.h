#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// Menu item 修改网站: gives the selected website a new name and address and rebuilds List2.
// Does nothing unless a category and one of its websites are selected.
void xgwz_Click(Host& host, DataFolder& folder);

}  // namespace tarvola
