#pragma once

#include <functional>
#include <optional>
#include <string>

#include "host/host.h"
#include "ops/folder_access.h"
#include "ops/selection.h"

namespace tarvola {

// A change of the selected category's site file, made under the folder's lock
// (WindowChange) while List1 still shows that category at its place. `edit`
// makes the change through the change it is given, with the category's record,
// and names the file that stopped it, if any: the caption then says so.
// Afterwards the lists show the folder as it is: List2 the site file again,
// or, when the category is no longer where the list shows it, List1 again and
// List2 empty.
using Stopped = std::optional<std::string>;
using SiteFileEdit = std::function<Stopped(WindowChange& change, const std::string& categoryRecord)>;
void changeSiteFile(Host& host, DataFolder& folder, int category, const SiteFileEdit& edit);

// The same for the selected website, only while it is still at its place:
// `edit` gets the site file's bytes, to be rewritten.
using WebsiteEdit =
    std::function<Stopped(WindowChange& change, std::string siteFileBytes, const std::string& categoryRecord)>;
void changeSelectedWebsite(Host& host, DataFolder& folder, const SelectedWebsite& website, const WebsiteEdit& edit);

}  // namespace tarvola
