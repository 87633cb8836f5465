#include "ops/browse/form_load.h"

#include "ops/list_refresh.h"
#include "ops/pending_change.h"
#include "store/change_intent.h"

namespace tarvola {

// An interrupted change is finished before the categories are read: they and
// the site files are then wholly the old or wholly the new.
void Form_Load(Host& host, FileSystem& fs) {
  finishPendingChange(fs, host.dataDirectory());
  refuseWhileChangePending(host, fs);
  rebuildCategoryList(host, fs);
}

}  // namespace tarvola
