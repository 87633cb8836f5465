#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// A website was selected: its address goes to the caption and to List2's tool tip.
void List2_Click(Host& host, DataFolder& folder);

// A website was double-clicked: its address is handed to the default browser.
void List2_DblClick(Host& host, DataFolder& folder);

}  // namespace tarvola
