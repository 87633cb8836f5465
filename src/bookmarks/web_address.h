#pragma once

#include <string_view>

namespace tarvola {

// Only these are imported: a double-click hands the address to the shell, so a
// bookmark file must never be able to plant a program or a local file to run.
bool isWebAddress(std::string_view address);

}  // namespace tarvola
