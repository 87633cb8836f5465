#pragma once

#include <chrono>

#include "host/host.h"
#include "store/data_folder.h"
#include "store/folder_change.h"

namespace tarvola {

// How long a handler waits for another change of the folder (an import) to
// end before it skips its own, as any step that fails: the user pressed OK.
inline constexpr std::chrono::milliseconds kWindowPatience{5000};

// A change of the window's handlers, made as every change is (FolderChange).
// When it can't be made, the caption says why.
class WindowChange : public FolderChange {
 public:
  WindowChange(Host& host, DataFolder& folder);
};

// Before a handler reads or asks anything: a change left pending is finished
// first. While it can't be, site files may still carry the old numbers: the
// caption says so, the result is true and the caller does nothing.
bool refuseWhileChangePending(Host& host, DataFolder& folder);

// A change the user confirmed could not be made: the caption says so, naming the file.
void sayChangeFailed(Host& host, std::string_view file);

}  // namespace tarvola
