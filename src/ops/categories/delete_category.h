#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// Menu item 删除网站类别: deletes the selected category with its websites and renumbers the later site files.
void scwzlb_Click(Host& host, DataFolder& folder);

}  // namespace tarvola
