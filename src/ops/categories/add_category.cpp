#include "ops/categories/add_category.h"

namespace tarvola {

void wzlb_Click(Host& /*host*/, FileSystem& /*fs*/) {}

}  // namespace tarvola
