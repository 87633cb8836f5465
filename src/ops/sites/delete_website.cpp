#include "ops/sites/delete_website.h"

namespace tarvola {

void scwz_Click(Host& /*host*/, FileSystem& /*fs*/) {}

}  // namespace tarvola
