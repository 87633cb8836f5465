#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// A category was selected: List2 shows its websites, the caption and List1's tool tip its name.
void List1_Click(Host& host, DataFolder& folder);

}  // namespace tarvola
