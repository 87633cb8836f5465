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
// makes the change; it has the change to work through. Afterwards the lists
// show the folder as it is: List2 the site file again, or, when the category
// is no longer where the list shows it, List1 again and List2 empty.
void changeSiteFile(Host& host, FileSystem& fs, int category, const std::function<void(WindowChange&)>& edit);

// The selected website's site file rewritten, through ls.dat, as `edit`
// makes it of the file's bytes; only while the website is still at its place.
void rewriteSelectedWebsite(Host& host, FileSystem& fs, const SelectedWebsite& website,
                            const std::function<std::optional<std::string>(std::string)>& edit);

}  // namespace tarvola
