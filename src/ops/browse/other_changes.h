#pragma once

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// After another program (tarvola-bookmarks) may have changed the folder: a
// list whose file now holds other records is filled again, as after the
// window's own change of that file. List1 first; List2 only while List1 shows
// wwww.dat as it is. False while a change is pending: nothing was compared,
// and the caller asks again once it is finished.
bool showOtherChanges(Host& host, DataFolder& folder);

}  // namespace tarvola
