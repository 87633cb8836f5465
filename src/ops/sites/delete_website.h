#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// Menu item 删除网站: removes the selected website from its site file and rebuilds List2.
// Does nothing unless a category and one of its websites are selected.
void scwz_Click(Host& host, DataFolder& folder);

}  // namespace tarvola
