#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// Start-up: fills List1 from wwww.dat, creating the file empty on the first start.
void Form_Load(Host& host, DataFolder& folder);

}  // namespace tarvola
