#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// Fills List1 from wwww.dat, made empty when missing; empty when it can't be read.
void rebuildCategoryList(Host& host, DataFolder& folder);

// Fills List2 from the site file of a list position, made empty when missing;
// empty when it can't be read.
void rebuildSiteList(Host& host, DataFolder& folder, int category);

// An empty List2, so that no category shows another's websites.
void clearSiteList(Host& host);

}  // namespace tarvola
