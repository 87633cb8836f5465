#include "ops/sites/add_website.h"

namespace tarvola {

void tjwz_Click(Host& /*host*/, FileSystem& /*fs*/) {}

}  // namespace tarvola
