#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// Menu item 添加网站: appends a website to the selected category's site file and rebuilds List2.
// Does nothing unless a category is selected.
void tjwz_Click(Host& host, DataFolder& folder);

}  // namespace tarvola
