#include "ops/browse/form_load.h"

#include "ops/list_refresh.h"

namespace tarvola {

void Form_Load(Host& host, FileSystem& fs) { rebuildCategoryList(host, fs); }

}  // namespace tarvola
