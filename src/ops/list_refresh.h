#pragma once

#include <filesystem>

#include "host/host.h"
#include "store/file_system.h"

namespace tarvola {

// Fills List1 from wwww.dat (created empty when missing); empty when it can't be read.
void rebuildCategoryList(Host& host, FileSystem& fs);

// Fills List2 from a site file (created empty when missing); empty when it can't be read.
void rebuildSiteList(Host& host, FileSystem& fs, const std::filesystem::path& siteFilePath);

}  // namespace tarvola
