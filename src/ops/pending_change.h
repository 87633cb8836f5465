#pragma once

#include "host/host.h"
#include "store/file_system.h"

namespace tarvola {

// While a change begun earlier is not finished (the folder can't be written),
// site files may still carry the old numbers: says so in the caption and
// returns true, and the caller does nothing.
bool refuseWhileChangePending(Host& host, FileSystem& fs);

}  // namespace tarvola
