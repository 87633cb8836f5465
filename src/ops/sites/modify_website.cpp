#include "ops/sites/modify_website.h"

namespace tarvola {

void xgwz_Click(Host& /*host*/, FileSystem& /*fs*/) {}

}  // namespace tarvola
