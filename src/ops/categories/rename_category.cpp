#include "ops/categories/rename_category.h"

namespace tarvola {

void xgwzlb_Click(Host& /*host*/, FileSystem& /*fs*/) {}

}  // namespace tarvola
