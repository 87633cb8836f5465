#include "ops/categories/delete_category.h"

namespace tarvola {

void scwzlb_Click(Host& /*host*/, FileSystem& /*fs*/) {}

}  // namespace tarvola
