#include "ops/browse/form_load.h"

#include "ops/folder_access.h"
#include "ops/list_refresh.h"

namespace tarvola {

// A change that a kill or a power cut interrupted is finished before the
// categories are read: they and the site files are then wholly the old or
// wholly the new.
void Form_Load(Host& host, DataFolder& folder) {
  { const WindowChange change(host, folder); }
  rebuildCategoryList(host, folder);
}

}  // namespace tarvola
